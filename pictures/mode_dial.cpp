#include "pictures/mode_dial.h"

#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "midpoints/midpoint_tree.h"
#include "pictures/dial_picture.h"
#include "pictures/occupancy.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"

namespace gyrolux {

namespace {

constexpr int kCentre = 370;
constexpr int kScale = 270;
constexpr std::array<int, 4> kGlyphRadius = {300, 318, 336, 354};

QPoint At(double angle, double r) { return DialPoint(angle, r, kCentre, kCentre); }

struct ScaleSteps {
  double tick;
  double label;
};
ScaleSteps ScaleStepsOf(DialMode mode) {
  if (mode.Width() > 45) return {1, 5};
  if (mode.Width() > 22.5) return {0.5, 5};
  return {0.25, 1};
}

QString ScaleText(double degree) {
  return QString::number(degree, 'f', degree == std::trunc(degree) ? 0 : 1).replace(u'.', u',') + u'\u00B0';
}

void DrawScale(Picture& picture, DialMode mode) {
  const ScaleSteps steps = ScaleStepsOf(mode);
  picture.setPen(clBlack, 1);
  picture.ellipse(kCentre - kScale, kCentre - kScale, kCentre + kScale, kCentre + kScale);
  picture.ellipse(kCentre - 4, kCentre - 4, kCentre + 5, kCentre + 5);
  picture.setFont(QStringLiteral("Arial"), 8, false, clBlack);
  const int ticks = static_cast<int>(std::lround(mode.Width() / steps.tick));
  const int perLabel = static_cast<int>(std::lround(steps.label / steps.tick));
  for (int k = 0; k < ticks; ++k) {
    const double angle = DialScreenAngle(mode, k * steps.tick);
    const bool labelled = k % perLabel == 0;
    const int length = labelled ? 14 : (perLabel % 2 == 0 && k % (perLabel / 2) == 0 ? 9 : 5);
    const QPoint outer = At(angle, kScale);
    const QPoint inner = At(angle, kScale - length);
    picture.line(outer.x(), outer.y(), inner.x(), inner.y());
    if (labelled) {
      const QPoint at = At(angle, kScale - 30);
      picture.text(at.x() - 10, at.y() - 7, ScaleText(k * steps.tick));
    }
  }
}

void DrawFactors(Picture& picture, const ChartState& state, DialMode mode, bool symbolFontPresent) {
  Occupancy ring;
  for (int i = 0; i < kMidpointFactorCount; ++i) {
    if (i == WI) continue;
    const double lon = state.factorLongitude[static_cast<size_t>(i)];
    if (!std::isfinite(lon)) continue;
    const double angle = DialScreenAngle(mode, mode.Reduce(std::fmod(lon, 360.0)));
    picture.setPen(FactorColor(i), 1);
    const QPoint outer = At(angle, kScale + 18);
    const QPoint inner = At(angle, kScale);
    picture.line(inner.x(), inner.y(), outer.x(), outer.y());
    const int whole = TruncClamped(std::fmod(angle + 360.0, 360.0), 0, 359);
    const int crowd = std::min(ring.count(whole / 3), 3);
    const QPoint at = At(angle, kGlyphRadius[static_cast<size_t>(crowd)]);
    if (symbolFontPresent) {
      picture.setFont(SymbolFace(), 12, i == MC, FactorColor(i));
      picture.text(at.x() - 7, at.y() - 9, FactorGlyph(i));
    } else {
      picture.setFont(QStringLiteral("Arial"), 8, true, FactorColor(i));
      picture.text(at.x() - 7, at.y() - 6, QLatin1String(FactorAbbrev[static_cast<size_t>(i)]));
    }
    ring.markAround(whole);
  }
}

void DrawPointer(Picture& picture, DialMode mode, double pointer, int radius) {
  const double angle = DialScreenAngle(mode, pointer);
  const QPoint from = At(angle, radius);
  const QPoint to = At(angle + 180.0, radius);
  picture.setPen(clRed, 2);
  picture.line(from.x(), from.y(), to.x(), to.y());
  picture.setFont(QStringLiteral("Ariel"), 9, true, clRed);
  picture.text(600, 30, QStringLiteral("Zeiger ") + ModeDegreesText(pointer));
}

}  // namespace

double DialScreenAngle(DialMode mode, double position) {
  if (mode == kMode360) return position;
  return 90.0 + position * 360.0 / mode.Width();
}

double DialPositionAt(DialMode mode, double screenAngle) {
  const double turn = mode == kMode360 ? screenAngle : (screenAngle - 90.0);
  double p = std::fmod(turn, 360.0);
  if (p < 0) p += 360.0;
  p = p * mode.Width() / 360.0;
  return p >= mode.Width() ? 0.0 : p;
}

std::optional<double> DialPositionAtPoint(DialMode mode, double x, double y) {
  const double dx = x - kCentre, dy = kCentre - y;
  if (dx == 0 && dy == 0) return std::nullopt;
  return DialPositionAt(mode, RadToDeg(std::atan2(dy, dx)));
}

Picture DrawDialInMode(const Chart& chart, const HouseCircle& circle, bool symbolFontPresent,
                       const QString& placeLabel, const ChartState* radix, const DialDrawing& drawing) {
  const DialMode mode = drawing.mode;
  if (mode == kMode360) {
    Picture picture = DrawEnlargedDial(chart, circle, symbolFontPresent, placeLabel, radix);
    if (drawing.pointer) DrawPointer(picture, mode, *drawing.pointer, 270);
    return picture;
  }
  Picture picture(kEnlargedDialSize, kEnlargedDialSize);
  picture.setBrush(clWhite);
  picture.setPen(clBlack, 1);
  picture.rectangle(0, 0, kEnlargedDialSize, kEnlargedDialSize);
  picture.setFont(QStringLiteral("Ariel"), 9, false, clBlack);
  picture.text(10, 10, QStringLiteral("Datum / Zeit: ") + DateLabel(chart) + QStringLiteral(" / ") +
                           ShownClock(chart.moment.hours) + QStringLiteral(" WZ/GMT"));
  picture.text(300, 10, QStringLiteral("Ort: ") + placeLabel);
  picture.setFont(QStringLiteral("Ariel"), 12, true, clNavy);
  picture.text(12, 700, ScaleText(mode.Width()) + QStringLiteral("-Scheibe"));
  DrawScale(picture, mode);
  DrawFactors(picture, chart.state, mode, symbolFontPresent);
  if (radix) {
    // The radix ring takes screen angles: each factor's place turned into the mode's dial.
    ChartState turned = *radix;
    for (double& lon : turned.factorLongitude) {
      if (std::isfinite(lon)) lon = DialScreenAngle(mode, mode.Reduce(std::fmod(lon, 360.0)));
    }
    DrawRadixRing(picture, turned, symbolFontPresent, {kCentre, kCentre, 190, 200, 170});
  }
  if (drawing.pointer) DrawPointer(picture, mode, *drawing.pointer, kScale + 60);
  return picture;
}

}  // namespace gyrolux
