#include "platform/data_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

#include "platform/text_file.h"

namespace gyrolux {

namespace {

void AppendUnique(QStringList& folders, const QString& folder) {
  const QString clean = QDir::cleanPath(folder);
  if (!folders.contains(clean)) folders.append(clean);
}

}  // namespace

QStringList ProgramDataFolders() {
  QStringList folders;
  if (QCoreApplication::instance() != nullptr) {
    const QString programFolder = QCoreApplication::applicationDirPath();
    AppendUnique(folders, programFolder);
    AppendUnique(folders, programFolder + QStringLiteral("/../share/gyrolux"));
  }
#ifdef GYROLUX_INSTALLED_DATA_DIR
  AppendUnique(folders, QStringLiteral(GYROLUX_INSTALLED_DATA_DIR));
#endif
  return folders;
}

QString UserDataFolder() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return folder.isEmpty() ? QString() : QDir::cleanPath(folder + QStringLiteral("/gyrolux"));
}

std::optional<QString> FindFileInFolders(const QStringList& folders, const QString& name) {
  for (const QString& folder : folders) {
    if (folder.isEmpty()) continue;
    if (std::optional<QString> path = FindFileIgnoringCase(folder, name, true)) return path;
  }
  return std::nullopt;
}

}  // namespace gyrolux
