#include "pictures/axis_strip.h"

#include "engine/angles.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "pictures/dial_picture.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"

namespace gyrolux {

namespace {

// Legend entries run down in columns of three, 70 pixels apart.
class LegendCursor {
 public:
  QPoint next() {
    const QPoint at(left_, top_);
    top_ += 12;
    if (top_ > 430) {
      left_ += 70;
      top_ = 400;
    }
    return at;
  }

 private:
  int left_ = 20;
  int top_ = 400;
};

}  // namespace

bool AxisStripShows(int factor, const AxisStripOptions& options) {
  if (factor == MC) return options.withMc;
  if (factor == AS) return options.withAs;
  if (factor >= kFirstHypothetical) return options.withTranspluto;
  return true;
}

Picture DrawAxisStrip(const Chart& chart, const AxisStripOptions& options, const ChartState* radix) {
  Picture picture(kAxisStripPictureWidth, kAxisStripHeight);
  picture.setBrush(clWhite);
  picture.setPen(clBlack, 1);
  picture.rectangle(5, 5, kAxisStripWidth, kAxisStripHeight);

  picture.setFont(QStringLiteral("Ariel"), 8, false, clBlack);
  for (int k = 0; 17 + 22 * k < 520; ++k) {
    const int x = 17 + 22 * k;
    picture.text(x - 5, 15, QString::number(k) + u'\u00B0');
    picture.line(x, 40, x, 400);
  }

  picture.setFontBold(true);
  picture.setFontSize(10);
  int rowTop = 30;
  LegendCursor legend;
  for (const int factor : kAxisStripOrder) {
    const double lon = chart.state.factorLongitude[factor];
    const int x = 12 + TruncClamped(22.0 * kMode22_5.Reduce(lon), -1000000, 1000000);
    if (AxisStripShows(factor, options)) {
      picture.setFont(SymbolFace(), 10, true, FactorColor(factor));
      picture.text(x, rowTop + 10, FactorGlyph(factor));
      for (int y = rowTop + 5; y <= rowTop + 10; ++y) picture.pixel(x + 5, y, clRed);
    }
    picture.setFont(QStringLiteral("Ariel"), 8, true, clBlack);
    const QPoint at = legend.next();
    picture.text(at.x(), at.y(),
                 QLatin1String(FactorAbbrev[factor]) + u' ' + FormatAngle(2, 22, lon));
    rowTop += 17;
  }

  const ChartMoment& m = chart.moment;
  picture.setFont(QStringLiteral("Ariel"), 8, true, clBlack);
  picture.text(20, 440,
               DateLabel(chart) + QStringLiteral(", ") + ShownClock(m.hours) +
                   QStringLiteral(", L:") + chart.texts.longitudeText + QStringLiteral(", B:") +
                   chart.texts.latitudeText);
  if (radix) {
    picture.setFont(QStringLiteral("Ariel"), 8, true, kRadixColor);
    picture.text(20, 452, QStringLiteral("Radix"));
    picture.setPen(kRadixColor, 1);
    picture.line(17, 470, 17 + 22 * 45 / 2, 470);
    DrawRadixAxisMarks(picture, *radix, {17, 22, 464, 477, 480, 12});
  }
  return picture;
}

}  // namespace gyrolux
