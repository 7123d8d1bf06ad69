#include "pictures/enlarged_dial.h"

#include <algorithm>
#include <array>

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "engine/integer_conversion.h"
#include "pictures/dial_picture.h"
#include "pictures/occupancy.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"

namespace gyrolux {

namespace {

constexpr int kCentre = 370;
constexpr std::array<int, 4> kOuterRadius = {302, 322, 342, 362};
constexpr std::array<int, 4> kInnerRadius = {252, 232, 212, 192};

// Pixel coordinates stay within this bound whatever the input, so no conversion fails.
int TruncPixel(double v) { return TruncClamped(v, -1000000, 1000000); }

QPoint At(double angle, double r) { return DialPoint(angle, r, kCentre, kCentre); }

void Line(Picture& picture, QPoint from, QPoint to) { picture.line(from.x(), from.y(), to.x(), to.y()); }

void Circle(Picture& picture, int r) {
  picture.ellipse(kCentre - r, kCentre - r, kCentre + r, kCentre + r);
}

// The colour of the first cusp: the circle's own colour while it is not turned.
QRgb FirstCuspColor(const HouseCircle& circle) {
  if (circle.rotation != 0) return clNavy;
  if (circle.factor == MC) return clGreen;
  if (circle.factor == AS) return clRed;
  return clMaroon;
}

void DrawFrameAndCircles(Picture& picture, bool symbolFontPresent) {
  picture.setBrush(clWhite);
  picture.setPen(clBlack, 1);
  picture.setFont(QStringLiteral("ms sans serif"), 8, false, clBlack);
  picture.rectangle(0, 0, kEnlargedDialSize, kEnlargedDialSize);
  picture.text(660, 355, QStringLiteral("0\u00B0"));
  picture.text(660, 375, QStringLiteral("WI"));
  for (int r : {270, 130, 90, 50}) Circle(picture, r);

  if (symbolFontPresent) {
    // SO, VE, KR, JU and MO of the symbol font as the centre emblem.
    picture.setFont(SymbolFace(), 18, false, clBlue);
    struct Emblem { const char* glyph; int x, y; };
    for (const Emblem& e : {Emblem{"c", 360, 356}, Emblem{"h", 335, 338}, Emblem{"r", 381, 338},
                            Emblem{"j", 341, 374}, Emblem{"e", 381, 374}}) {
      picture.text(e.x, e.y, QLatin1String(e.glyph));
    }
  }
}

// The twelve fixed houses between radius 51 and 90, numbered counter-clockwise from just
// below the left horizontal, their spokes going on outside radius 130.
void DrawFixedHouses(Picture& picture) {
  picture.setFont(QStringLiteral("ariel"), 8, false, clBlack);
  picture.setPen(clBlack, 1);
  for (int k = 0; k < 12; ++k) {
    const double phi = 30.0 * k;
    const double c = CosDeg(phi);
    const double s = SinDeg(phi);
    picture.line(kCentre + TruncPixel(51 * c), kCentre - TruncPixel(51 * s),
                 kCentre + TruncPixel(90 * c), kCentre - TruncPixel(91 * s));
    const QPoint number = DialPoint(phi + 195.0, 70, 365, 365);
    picture.text(number.x(), number.y(), QString::number(k + 1));
    Line(picture, QPoint(kCentre + TruncPixel(130 * c), kCentre - TruncPixel(131 * s)), At(phi, 270));
  }
  picture.line(665, 370, 640, 370);
  picture.line(370, 100, 370, 75);
  picture.line(100, 370, 75, 370);
  picture.line(370, 640, 370, 665);
}

void DrawSigns(Picture& picture, bool symbolFontPresent) {
  if (symbolFontPresent) {
    picture.setFont(SymbolFace(), 16, false, clBlack);
  } else {
    picture.setFont(QStringLiteral("Arial"), 7, false, clBlack);
  }
  for (int k = 0; k < 12; ++k) {
    const QPoint p = DialPoint(30.0 * k + (symbolFontPresent ? 14.0 : 15.0), 160, 357, 357);
    picture.text(p.x(), p.y(), symbolFontPresent ? SignGlyph(k) : SignFallbackText(k));
  }
}

// The house circle; its numbers keep the face of the signs.
void DrawHouseCircle(Picture& picture, const ChartState& state, const HouseCircle& circle) {
  const int base = HouseBaseCusp[std::clamp(circle.factor, 0, 5)];
  picture.setFontSize(10);
  picture.setFontBold(true);
  picture.setFontColor(clNavy);
  for (int k = 0; k < 12; ++k) {
    const double cusp = HouseCircleCusp(state, circle, k);
    picture.setPen(k == 0 ? FirstCuspColor(circle) : clNavy, k == 0 ? 2 : 1);
    Line(picture, At(cusp, 90), At(cusp, 270));
    const int house = base + k > 12 ? base + k - 12 : base + k;
    const QPoint number = DialPoint(cusp + 15.0, 110, 362, 362);
    picture.text(number.x(), number.y(), QString::number(house));
  }
}

void DrawFactors(Picture& picture, const ChartState& state, bool symbolFontPresent) {
  Occupancy outerRing;
  Occupancy innerRing;
  picture.setFontSize(8);
  if (symbolFontPresent) {
    picture.setFontFace(SymbolFace());
    picture.setFontSize(12);
  }
  for (int i = 0; i < kFactorCount; ++i) {
    if (i == WI) continue;
    const double lon = state.factorLongitude[i];
    const bool inner = i >= kFirstHypothetical;
    Occupancy& ring = inner ? innerRing : outerRing;
    picture.setPen(FactorColor(i), 1);
    picture.setFontColor(FactorColor(i));
    picture.setFontBold(i == MC || (i == AS && !symbolFontPresent));

    const QPoint tickOuter = At(lon, 280);
    picture.line(tickOuter.x(), tickOuter.y(), tickOuter.x() - TruncPixel(25 * CosDeg(lon)),
                 tickOuter.y() + TruncPixel(25 * SinDeg(lon)));

    const int wholeDegrees = TruncPixel(lon);
    const int crowd = ring.count(wholeDegrees / 3);
    const QPoint at = crowd < 4 ? DialPoint(lon + 1.4, inner ? kInnerRadius[crowd] : kOuterRadius[crowd], 371, 371)
                                : tickOuter;
    if (i != GZ) {
      const QString text = symbolFontPresent ? FactorGlyph(i) : QLatin1String(FactorAbbrev[i]);
      picture.text(at.x(), at.y(), text, TruncPixel(lon * 10) + 2700);
    }
    ring.markAround(wholeDegrees);
  }
}

// One tick inwards from radius 270 for every degree, longer ones every 5 and 10 degrees.
void DrawDegreeScale(Picture& picture) {
  picture.setPen(clBlack, 1);
  for (int d = 0; d < 360; ++d) {
    const QPoint p = At(d, 270);
    const double c = CosDeg(d);
    const double s = SinDeg(d);
    const auto tick = [&](int length) {
      picture.line(p.x(), p.y(), p.x() - TruncPixel(length * c), p.y() + TruncPixel(length * s));
    };
    tick(6);
    if (d % 10 == 0) {
      tick(18);
    } else if (d % 5 == 0) {
      tick(12);
    }
  }
}

void DrawMoment(Picture& picture, const Chart& chart, const QString& placeLabel) {
  picture.setFont(QStringLiteral("Ariel"), 9, false, clBlack);
  picture.text(10, 10, QStringLiteral("Datum / Zeit: ") + DateLabel(chart) + QStringLiteral(" / ") +
                           ShownClock(chart.moment.hours) + QStringLiteral(" WZ/GMT"));
  picture.text(300, 10, QStringLiteral("Ort: ") + placeLabel);
}

}  // namespace

QString RotationLabel(int rotation) {
  if (rotation == 0) return QStringLiteral("\u00B10");
  return (rotation > 0 ? QStringLiteral("+") : QStringLiteral("-")) + QString::number(std::abs(rotation));
}

int RotationOfScrollPosition(int position) { return std::clamp(position, 0, 360) - 180; }

double HouseCircleCusp(const ChartState& state, const HouseCircle& circle, int k) {
  if (circle.factor == MC && circle.rotation == 0) return MeridianHouseCusp(state.ramc, state.negObliquity, k);
  const int factor = std::clamp(circle.factor, 0, kFactorCount - 1);
  return 30.0 * k + state.factorLongitude[factor] + circle.rotation;
}

Picture DrawEnlargedDial(const Chart& chart, const HouseCircle& circle, bool symbolFontPresent,
                         const QString& placeLabel, const ChartState* radix) {
  Picture picture(kEnlargedDialSize, kEnlargedDialSize);
  DrawFrameAndCircles(picture, symbolFontPresent);
  DrawFixedHouses(picture);
  DrawSigns(picture, symbolFontPresent);
  DrawHouseCircle(picture, chart.state, circle);
  DrawFactors(picture, chart.state, symbolFontPresent);
  if (radix) DrawRadixRing(picture, *radix, symbolFontPresent, kEnlargedDialRadixRing);
  DrawDegreeScale(picture);
  DrawMoment(picture, chart, placeLabel);
  return picture;
}

Picture DrawEnlargedDialIcon() {
  Picture picture(32, 32);
  picture.setPen(clNavy, 1);
  picture.setBrush(clWhite);
  picture.rectangle(0, 0, 32, 32);
  picture.setPen(clBlack, 1);
  picture.ellipse(2, 2, 30, 30);
  picture.ellipse(11, 11, 21, 21);
  // The house circle turned a little against the zodiac, its first cusp in green.
  for (int k = 0; k < 12; ++k) {
    const double a = 30.0 * k + 20.0;
    const QPoint from = DialPoint(a, 5, 16, 16);
    const QPoint to = DialPoint(a, 14, 16, 16);
    picture.setPen(k == 0 ? clGreen : clNavy, k == 0 ? 2 : 1);
    picture.line(from.x(), from.y(), to.x(), to.y());
  }
  picture.setPen(clRed, 1);
  picture.ellipse(23, 6, 27, 10);
  return picture;
}

}  // namespace gyrolux
