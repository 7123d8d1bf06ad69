#include "pictures/axis_graphic.h"

#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "midpoints/midpoint_tree.h"
#include "pictures/dial_picture.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"

namespace gyrolux {

double AxisGraphicLabelStep(DialMode mode) {
  if (mode.Width() > 90) return 20;
  if (mode.Width() > 45) return 5;
  if (mode.Width() > 22.5) return 2;
  return 1;
}

Picture DrawAxisGraphic(const Chart& chart, const ChartState* radix, DialMode mode) {
  const double pixelsPerDegree = 675.0 / mode.Width();
  const double labelStep = AxisGraphicLabelStep(mode);
  Picture picture(kAxisGraphicWidth, kAxisGraphicHeight);
  picture.setBrush(clWhite);
  picture.setPen(clBlack, 1);
  picture.rectangle(5, 5, 721, 300);

  picture.setFont(QStringLiteral("Ariel"), 8, false, clBlack);
  for (int n = 0; 17 + pixelsPerDegree * labelStep * n < 730; ++n) {
    const int x = 17 + static_cast<int>(pixelsPerDegree * labelStep * n);
    picture.text(x - 5, 15, QString::number(n * labelStep) + u'\u00B0');
    picture.line(x, 40, x, 240);
  }

  // The depth in pixels of the next glyph on each whole degree 0..23.
  std::array<int, 24> depth{};
  QRgb color = clNavy;
  for (int i = 0; i < kMidpointFactorCount; ++i) {
    const double lon = chart.state.factorLongitude[i];
    const double v = mode.Reduce(lon);
    const int x = TruncClamped(pixelsPerDegree * v, -1000000, 1000000);
    // The 30-pixel column the glyph stands in: the whole degree in the 22.5-degree mode.
    const double column = mode == kMode22_5 ? v : pixelsPerDegree * v / 30.0;
    const int d = TruncClamped(column, 0, 23);
    color = FactorColor(i);

    picture.setFont(SymbolFace(), 10, true, color);
    picture.text(x + 12, 50 + depth[d], FactorGlyph(i));
    for (int y = 45 + depth[d]; y <= 50 + depth[d]; ++y) picture.pixel(x + 17, y, clRed);

    depth[d] += 20;
    // The neighbour on the side the fraction leans to takes the same depth.
    const double fraction = column - std::trunc(column);
    if (fraction > 0.5 && d < 23) {
      depth[d + 1] = depth[d];
    } else if (fraction <= 0.5 && d >= 1) {
      depth[d - 1] = depth[d];
    }

    picture.setFont(QStringLiteral("Ariel"), 8, true, color);
    picture.text(40 + 85 * (i / 3), 240 + 12 * (i % 3),
                 QLatin1String(FactorAbbrev[i]) + u' ' +
                     (mode == kMode22_5 ? FormatAngle(2, 22, lon) : ModeDegreesText(v)));
  }

  picture.setFont(QStringLiteral("Ariel"), 8, true, color);
  picture.text(40, 280, DateLabel(chart) + QStringLiteral(", ") + ShownClock(chart.moment.hours) +
                            QStringLiteral(", L:") + chart.texts.longitudeText + QStringLiteral(", B:") +
                            chart.texts.latitudeText);
  if (radix) DrawRadixAxisMarks(picture, *radix, {17, pixelsPerDegree, 227, 240, 213, -13}, mode);
  return picture;
}

}  // namespace gyrolux
