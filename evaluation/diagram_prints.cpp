#include "evaluation/diagram_prints.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/formatting.h"
#include "pictures/calculating_dial.h"
#include "pictures/factor_table.h"
#include "platform/colors.h"
#include "platform/font_faces.h"

namespace gyrolux {

namespace {

// A page wider than this gets the larger table and the taller axis graphic.
constexpr int kWidePage = 3000;

}  // namespace

QString CalculatingDialQuestion() {
  return QStringLiteral(
      "Sollen die Faktoren-Peillinien bei dem\r"
      "Rechenscheiben-Diagramm nach innen\r"
      "verlängert werden?\r"
      "\r"
      "Beim Arbeiten ohne zweites Diagramm             \r"
      "sind sie für manchen evtl. angenehmer.");
}

QString HouseCircleTitle(int circle) {
  static const std::array<const char16_t*, 6> kNames = {u"MC", u"Widder", u"Sonnen", u"Aszendenten", u"Mond", u"Knoten"};
  return QString::fromUtf16(kNames[std::clamp(circle, 0, 5)]) + QStringLiteral("-Häuser");
}

QPoint FactorTableSteps(int rowStep, int columnStep, int pointSize, int printerDpi) {
  const int em = FontPixelHeight(pointSize, printerDpi);
  return {std::max(rowStep, (12 * em + 9) / 10), std::max(columnStep, (21 * 6 * em + 9) / 10)};
}

PrintedPage DialPrintPage(const Chart& chart, const HouseCircle& circle, const QString& placeLabel, int pageWidth,
                          int pageHeight, int printerDpi) {
  PrintedPage page;
  page.pictureTarget = QRect(0, 0, pageWidth, pageWidth);
  if (circle.rotation == 0) {
    // Below the dial's moment line, which grows with the page's resolution.
    const int belowMoment = static_cast<int>(
        (static_cast<long long>(kEnlargedDialMomentBottom) * pageWidth + kEnlargedDialSize - 1) / kEnlargedDialSize);
    page.texts.push_back({{35, std::max(120, belowMoment)},
                          HouseCircleTitle(circle.factor),
                          {QStringLiteral("arial"), 12, false, clBlack}});
  }
  const bool wide = pageWidth > kWidePage;
  const PictureFont tableFont{QStringLiteral("courier new"), wide ? 10 : 8, false, clBlack};
  page.texts.push_back({{180, 3 * pageHeight / 4},
                        QStringLiteral("   Datum / Zeit: ") + DateLabel(chart) + QStringLiteral(" / ") +
                            ShownClock(chart.moment.hours) + QStringLiteral(" WZ/GMT") + QStringLiteral("    Ort: ") +
                            placeLabel,
                        tableFont});
  const QPoint steps = FactorTableSteps(wide ? 80 : 40, wide ? 800 : 500, tableFont.pointSize, printerDpi);
  const QStringList rows = FactorTableRows(chart.state);
  for (int row = 0; row < rows.size(); ++row) {
    const QPoint at = FactorTablePlace(row, QPoint(180, 4 * pageHeight / 5), steps.x(), steps.y());
    page.texts.push_back({at, rows[row], tableFont});
  }
  return page;
}

PrintedPage CalculatingDialPrintPage(int pageWidth) {
  const double scale = pageWidth / static_cast<double>(kCalculatingDialWidth);
  return {QRect(0, 0, pageWidth, static_cast<int>(std::lround(kCalculatingDialHeight * scale))), {}};
}

PrintedPage AxisGraphicPrintPage(int pageWidth) {
  const int bottom = pageWidth > kWidePage ? 2000 : 1000;
  return {QRect(10, 10, pageWidth - 10, bottom - 10), {}};
}

}  // namespace gyrolux
