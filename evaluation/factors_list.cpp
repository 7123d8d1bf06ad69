// "&Faktoren": the factors, the MC houses and the main data of the moment.
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "evaluation/evaluation_lists.h"

namespace gyrolux {

namespace {

// What the twelve MC houses stand for, as the list explains them below the factors.
const char* const kHouseAreaLines[] = {
    "  Bedeutungsbereiche der MC-Häuser:",
    "  01: Anlagen aus Herkunft, Vererbung und Abstammung",
    "  02: Materieller und ideeller Besitz, Geldangelegenheiten",
    "  03: Alltag, das Praktische, Nachbarschaft, kleine Wege und",
    "      kurze Reisen, Nachrichten, Briefe, Dokumente, Absprachen",
    "  04: Haus und Heim, Häuslichkeit, Kinderstube, Elternhaus,",
    "      Grund und Boden, Innendarstellung",
    "  05: Unternehmungen in der Freizeit, Familie, Kinder, Geschwister,",
    "      kleine Gesellschaften, Vergnügungen",
    "  06: Arbeit, Tätigkeiten, Beschäftigung, Dienste, Krankheitsdisposition",
    "  07: Bevorzugter Gegenüber, gewünschter Mensch als Vorbild, Partner,",
    "      Mitarbeiter, Kamerad ",
    "  08: Abgeben, Weggeben, Loslassen, Verlieren, daraus Kummer, Betrübnis,",
    "      Leid, im Extremfall Tod und Beschäftigung mit Jenseitigem",
    "  09: Auswärtiges, weite Reisen, Kulturelles, höhere Vernunft,",
    "      Wissenschaft, Weltanschauung, Religion, Politik",
    "  10: Ziele und Höhen am Tage, im Monat, im Jahr, im Leben, im Beruf",
    "      in der Öffentlichkeit, in der Außendarstellung",
    "  11: Bekanntenkreis, Freundschaften, Reserven",
    "  12: Innerlichkeit, Zurückgezogenheit, Feierabendsituation,",
    "      geschlossene Gesellschaften und Räumlichkeiten",
};

// A longitude in its sign with the sign's name.
QString InSign(double longitude) { return FormatAngle(2, 30, longitude) + u' ' + SignOfLongitude(longitude); }

// What follows a factor's place in row i: the MC house of the row beside the first twelve
// (houses 10, 11, 12, 1, ..., 9), the main data beside the last five.
QString RowAddition(const Chart& chart, int i) {
  const ChartTexts& texts = chart.texts;
  if (i < 12) {
    const int house = i + 10 > 12 ? i - 2 : i + 10;
    const double cusp = MeridianHouseCusp(chart.state.ramc, chart.state.negObliquity, i);
    return QStringLiteral("      MC-Haus: ") + ZeroPad(static_cast<unsigned>(house), 2) + QStringLiteral("  ") +
           InSign(cusp);
  }
  switch (i) {
    case 18: return QStringLiteral("      Hauptdaten:");
    case 19: return QStringLiteral("      Stz:         ") + texts.siderealText;
    case 20: return QStringLiteral("      RA:          ") + texts.ramcText;
    case 21: return QStringLiteral("      Index Stz:   ") + texts.indexSiderealText;
    case 22: return QStringLiteral("      Index Dat:   ") + texts.indexDateText;
    default: return QString();
  }
}

}  // namespace

QStringList FactorsList(const Chart& chart) {
  QStringList lines = {ListHeaderLine(FactorsTitle(), chart), QStringLiteral("  ")};
  for (int i = 0; i < kFactorCount; ++i) {
    const double longitude = chart.state.factorLongitude[static_cast<size_t>(i)];
    lines << QStringLiteral("  ") + QLatin1String(FactorAbbrev[static_cast<size_t>(i)]) + QStringLiteral("  ") +
                 InSign(longitude) + QStringLiteral(" (") + FormatAngle(2, 22, longitude) + u')' +
                 RowAddition(chart, i);
  }
  lines << QStringLiteral(" ");
  for (const char* line : kHouseAreaLines) lines << QString::fromUtf8(line);
  return lines;
}

}  // namespace gyrolux
