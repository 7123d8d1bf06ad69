#include "radix/radix_settings.h"

#include <QSettings>

#include "radix/chart_library.h"
#include "radix/radix_chart.h"

namespace gyrolux {

std::optional<LoadedRadix> LoadRadix(const ChartLibrary& library, const QString& name, QString& error) {
  const std::optional<RadixRecord> record = library.Find(name, error);
  if (!record) {
    if (error.isEmpty()) error = QStringLiteral("„%1“ steht nicht in der Radix-Kartei").arg(name);
    return std::nullopt;
  }
  std::optional<Chart> chart = RadixChart(*record, error);
  if (!chart) return std::nullopt;
  return LoadedRadix{record->name, *chart};
}

void RememberRadix(const QString& name, const QString& libraryPath) {
  QSettings settings(QStringLiteral("gyrolux"), QStringLiteral("gyrolux"));
  if (name.isEmpty()) {
    settings.remove(QStringLiteral("radix"));
  } else {
    settings.setValue(QStringLiteral("radix/name"), name);
    settings.setValue(QStringLiteral("radix/library"), libraryPath);
  }
}

std::optional<LoadedRadix> LoadRememberedRadix(QString& error) {
  error.clear();
  QSettings settings(QStringLiteral("gyrolux"), QStringLiteral("gyrolux"));
  const QString name = settings.value(QStringLiteral("radix/name")).toString();
  if (name.isEmpty()) return std::nullopt;
  const QString path = settings.value(QStringLiteral("radix/library"), ChartLibraryPath()).toString();
  const std::unique_ptr<ChartLibrary> library = ChartLibrary::Open(path, error);
  if (!library) return std::nullopt;
  return LoadRadix(*library, name, error);
}

}  // namespace gyrolux
