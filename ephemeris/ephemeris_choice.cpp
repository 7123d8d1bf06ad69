#include "ephemeris/ephemeris_choice.h"

#include <QSettings>

namespace gyrolux {

namespace {
const char* const kSettingsKey = "Ephemeride";
}

QString EphemerisShortName(Ephemeris ephemeris) {
  return ephemeris == Ephemeris::Swiss ? QStringLiteral("Swiss Ephemeris") : QStringLiteral("Modell (Version 5.0)");
}

QString EphemerisTitle(Ephemeris ephemeris) {
  return ephemeris == Ephemeris::Swiss ? QStringLiteral("Swiss Ephemeris")
                                       : QStringLiteral("Ephemeride: Modell (Version 5.0)");
}

QString EphemerisKey(Ephemeris ephemeris) {
  return ephemeris == Ephemeris::Swiss ? QStringLiteral("swiss") : QStringLiteral("model");
}

std::optional<Ephemeris> EphemerisFromKey(const QString& key) {
  if (key == QLatin1String("model")) return Ephemeris::Model;
  if (key == QLatin1String("swiss")) return Ephemeris::Swiss;
  return std::nullopt;
}

QString EphemerisNote(Ephemeris ephemeris) {
  if (ephemeris == Ephemeris::Model) return {};
  return QStringLiteral("Ephemeride: ") + EphemerisShortName(ephemeris);
}

Ephemeris LoadEphemerisChoice() {
  QSettings settings(QStringLiteral("Gyrolux"), QStringLiteral("gyrolux"));
  return EphemerisFromKey(settings.value(kSettingsKey).toString()).value_or(Ephemeris::Model);
}

void SaveEphemerisChoice(Ephemeris ephemeris) {
  QSettings settings(QStringLiteral("Gyrolux"), QStringLiteral("gyrolux"));
  settings.setValue(kSettingsKey, EphemerisKey(ephemeris));
}

}  // namespace gyrolux
