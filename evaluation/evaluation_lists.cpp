#include "evaluation/evaluation_lists.h"

#include "engine/formatting.h"

namespace gyrolux {

QString ListHeaderLine(const QString& title, const Chart& chart) {
  const ChartTexts& texts = chart.texts;
  const QString dated = (title + texts.dateText + QStringLiteral(", ")).left(title.size() + 12);
  return dated + FormatClock(chart.moment.hours) + QStringLiteral(" WZ/GMT, L:") + texts.longitudeText +
         QStringLiteral(", B:") + texts.latitudeText;
}

QString FactorsTitle() { return QStringLiteral("  Faktoren vom "); }
QString AlphaCodeTitle() { return QStringLiteral(" Alpha-Code "); }
QString WinkelCodeTitle() { return QStringLiteral(" Winkel-Code "); }
QString MidpointsTitle() { return QStringLiteral(" Halbsummen "); }
QString McTextsTitle() { return QStringLiteral("  MC/MC-Achsen-Texte "); }

}  // namespace gyrolux
