#include "engine/houses.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/integer_conversion.h"

namespace gyrolux {

int MidpointHouse(int base, int factor, double baseLongitude, double longitude) {
  // Base and factor are byte-sized factor numbers.
  unsigned char b = static_cast<unsigned char>(base);
  if (b > 5) b = 2;
  const int cusp = HouseBaseCusp[b];
  if (static_cast<unsigned char>(factor) == b) return cusp;
  const double d = longitude - baseLongitude;
  int q = TruncClamped(d / 30.0, -1000000, 1000000);
  if (longitude < baseLongitude) q -= 1;
  int h = q + cusp;
  if (h > 12) h -= 12;
  if (h <= 0) h += 12;
  // For longitudes within 0..360 the two steps above already land in 1..12; longitudes
  // outside (a Sun a little above 360, a midpoint) are brought there the same way.
  if (h < 1 || h > 12) h = ((h - 1) % 12 + 12) % 12 + 1;
  return h;
}

const std::array<QString, 12>& HouseMeaning() {
  static const std::array<QString, 12> kMeanings = {
      QStringLiteral("  Bezieht sich auf Anlagen aus Herkunft, Vererbung und Abstammung"),
      QStringLiteral("  Bezieht sich auf materiellen und ideellen Besitz, Geldangelegenheiten"),
      QStringLiteral("  Bezieht sich auf Alltag, das Praktische, Nachbarschaft, kleine Wege und "
                     "kurze Reisen, Nachrichten,\r\n  Briefe, Dokumente, Absprachen"),
      QStringLiteral("  Bezieht sich auf Haus und Heim, Häuslichkeit, Kinderstube, Elternhaus, "
                     "Grund und Boden,\r\n  Innendarstellung"),
      QStringLiteral("  Bezieht sich auf Unternehmungen in der Freizeit, Familie, Kinder, "
                     "Geschwister, kleine Gesellschaften,\r\n  Vergnügungen"),
      QStringLiteral("  Bezieht sich auf Arbeit, Tätigkeiten, Beschäftigung, Dienste, "
                     "Krankheitsdisposition"),
      QStringLiteral("  Bezieht sich auf auf den bevorzugten Gegenüber, den gewünschten Menschen "
                     "als Vorbild, Partner,\r\n  Mitarbeiter, Kamerad "),
      QStringLiteral("  Bezieht sich auf Abgeben, Weggeben, Loslassen, Verlieren, daraus Kummer, "
                     "Betrübnis, Leid,\r\n  im Extremfall Tod und Beschäftigung mit Jenseitigem"),
      QStringLiteral("  Bezieht sich auf Auswärtiges, weite Reisen, Kulturelles, höhere "
                     "Vernunft, Wissenschaft,\r\n  Weltanschauung, Religion, Politik"),
      QStringLiteral("  Bezieht sich auf Ziele und Höhen am Tage, im Monat, im Jahr, im Leben, "
                     "im Beruf, in der Öffentlichkeit,\r\n  in der Außendarstellung"),
      QStringLiteral("  Bezieht sich auf Bekanntenkreis, Freundschaften, Reserven"),
      QStringLiteral("  Bezieht sich auf Innerlichkeit, Zurückgezogenheit, Feierabendsituation, "
                     "geschlossene Gesellschaften \r\n  und Räumlichkeiten"),
  };
  return kMeanings;
}

int SignNumber(double longitude) {
  if (!(longitude >= 0.0 && longitude < 360.0)) longitude = ModPositive(longitude, 360.0);
  return TruncClamped(longitude / 30.0 + 1.0, 1, 12);
}

QString SignOfLongitude(double longitude) {
  // Sign k starts at the 1-based character 3k, that is at index 3k - 1.
  return QString::fromLatin1(SignAbbrev + 3 * SignNumber(longitude) - 1, 3);
}

double MeridianHouseCusp(double ramc, double negObliquity, int k) {
  const double theta = ramc + DegToRad(30.0 * k);
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  double x = std::atan(s / (c * std::cos(negObliquity)));
  if (x < 0.0) x += kPi;
  if (s < 0.0) x += kPi;
  return Mod360(RadToDeg(x));
}

}  // namespace gyrolux
