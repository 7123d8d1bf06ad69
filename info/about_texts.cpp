#include "info/about_texts.h"

namespace gyrolux {

const QStringList& AboutLines() {
  static const QStringList lines = {
      QStringLiteral("Gyrolux 5.0 – Die Mini-Gyrolux, Version 5.0"),
      QStringLiteral("Die astrologische Uhr mit Halbsummen und Planetenbildern."),
      QString(),
      QStringLiteral("Freie Software: Sie dürfen das Programm unter den Bedingungen der"),
      QStringLiteral("GNU General Public License, Version 3 oder (nach Ihrer Wahl) einer"),
      QStringLiteral("späteren Version, weitergeben und verändern. Es wird ohne jede"),
      QStringLiteral("Gewährleistung geliefert."),
      QString(),
      QStringLiteral("Gyrolux verwendet:"),
      QStringLiteral("– Qt 6 (The Qt Company), unter der LGPL-3.0 bzw. GPL-3.0."),
      QStringLiteral("– Ortsdaten von GeoNames (www.geonames.org), Lizenz CC BY 4.0,"),
      QStringLiteral("  gelesen über die Bibliothek libgeonames (GPL-3)."),
      QStringLiteral("– Die Zeitzonen-Datenbank des Systems (IANA tz, gemeinfrei)."),
      QStringLiteral("– SQLite (gemeinfrei) für die Radix-Kartei."),
      QStringLiteral("– Auf Wunsch die Swiss Ephemeris (Astrodienst AG) im Moshier-Modus,"),
      QStringLiteral("  unter der AGPL-3.0, die sich nach Abschnitt 13 der GPL mit ihr verbinden lässt."),
      QStringLiteral("– Zeichen aus den Noto-Schriften (Google), SIL Open Font License 1.1."),
  };
  return lines;
}

}  // namespace gyrolux
