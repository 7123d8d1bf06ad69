#include "pictures/dial_picture.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/factors.h"
#include "engine/houses.h"
#include "engine/integer_conversion.h"
#include "platform/colors.h"
#include "pictures/occupancy.h"
#include "platform/symbol_font.h"

namespace gyrolux {

namespace {

// Pixel coordinates stay within this bound whatever the input, so no conversion fails.
int TruncPixel(double v) { return TruncClamped(v, -1000000, 1000000); }

void DrawWheel(Picture& picture, const QImage& icon) {
  picture.setBrush(clWhite);
  picture.setPen(clBlack, 1);
  picture.setFont(QStringLiteral("ms sans serif"), 8, false, clBlack);
  picture.rectangle(5, 5, 550, 520);
  picture.ellipse(50, 50, 470, 470);
  picture.text(480, 240, QStringLiteral("0\u00B0"));
  picture.text(480, 265, QStringLiteral("WI"));
  for (int k = 0; k < 12; ++k) {
    const double a = 30.0 * k;
    picture.line(260 + TruncPixel(76 * CosDeg(a)), 260 - TruncPixel(77 * SinDeg(a)),
                 260 + TruncPixel(212 * CosDeg(a)), 260 - TruncPixel(213 * SinDeg(a)));
  }
  picture.ellipse(155, 155, 365, 365);
  picture.ellipse(185, 185, 335, 335);
  picture.ellipse(215, 215, 305, 305);
  if (!icon.isNull()) picture.image(243, 243, icon);

  // The fixed house ring, numbered counter-clockwise from just below the left horizontal.
  picture.setFontFace(QStringLiteral("ariel"));
  picture.setFontSize(8);
  for (int k = 0; k < 12; ++k) {
    const QPoint inner = DialPoint(30.0 * k, 46, 259, 259);
    const QPoint outer = DialPoint(30.0 * k, 76, 259, 259);
    picture.line(inner.x(), inner.y(), outer.x(), outer.y());
    const QPoint number = DialPoint(30.0 * k + 195.0, 60, 256, 255);
    picture.text(number.x(), number.y(), QString::number(k + 1));
  }
  picture.line(20, 260, 50, 260);
  picture.line(470, 260, 500, 260);
  picture.line(260, 20, 260, 50);
  picture.line(260, 470, 260, 500);
}

void DrawSigns(Picture& picture, bool symbolFontPresent) {
  picture.setFontColor(clBlack);
  if (symbolFontPresent) {
    picture.setFontFace(SymbolFace());
    picture.setFontSize(11);
  } else {
    picture.setFontFace(QStringLiteral("Ariel"));
    picture.setFontSize(7);
  }
  for (int k = 0; k < 12; ++k) {
    if (symbolFontPresent) {
      const QPoint p = DialPoint(30.0 * k + 14.0, 130);
      picture.text(p.x() - 8, p.y() - 12, SignGlyph(k));
    } else {
      const QPoint p = DialPoint(30.0 * k + 15.0, 130, 260, 266);
      picture.text(p.x() - 11, p.y() - 7, SignFallbackText(k));
    }
  }
}

void DrawHouseCusps(Picture& picture, const ChartState& state) {
  picture.setFontSize(9);
  picture.setFontColor(clNavy);
  for (int k = 0; k < 12; ++k) {
    const double cusp = MeridianHouseCusp(state.ramc, state.negObliquity, k);
    picture.setPenColor(k == 0 ? clGreen : clNavy);
    const QPoint from = DialPoint(cusp, 75);
    const QPoint to = DialPoint(cusp, 210);
    picture.line(from.x(), from.y(), to.x(), to.y());
    const int house = k + 10 > 12 ? k + 10 - 12 : k + 10;
    const QPoint number = DialPoint(cusp + 15.0, 90);
    picture.text(number.x() - 5, number.y() - 6, QString::number(house));
  }
}

void DrawFactors(Picture& picture, const ChartState& state, bool symbolFontPresent) {
  Occupancy outerRing;
  Occupancy innerRing;
  for (int i = 0; i < kFactorCount; ++i) {
    if (i == WI) continue;
    const double lon = state.factorLongitude[i];
    const int wholeDegrees = TruncPixel(lon);
    const int cell = wholeDegrees / 3;
    const bool inner = i >= kFirstHypothetical;
    Occupancy& ring = inner ? innerRing : outerRing;

    if (symbolFontPresent) {
      picture.setFontFace(SymbolFace());
      picture.setFontSize(10);
    }
    picture.setPenColor(FactorColor(i));
    picture.setFontColor(FactorColor(i));
    const QPoint tickOuter = DialPoint(lon, 220);
    const QPoint tickInner = DialPoint(lon, 200);
    picture.line(tickOuter.x(), tickOuter.y(), tickInner.x(), tickInner.y());

    const double g = lon + 1.4;
    picture.setFontBold(true);
    const int occupied = ring.count(cell);
    QPoint at = tickOuter;
    if (occupied < 4) {
      const double r = inner ? kInnerRingRadius[occupied] : kOuterRingRadius[occupied];
      // The horizontal radius is stretched by 100/99.
      at = QPoint(260 + TruncPixel(r * CosDeg(g) * 100) / 99, 260 - TruncPixel(r * SinDeg(g)));
    }
    const int escapement = TruncPixel(lon * 10) + 2700;
    if (i != GZ) {
      if (symbolFontPresent) {
        picture.text(at.x(), at.y(), FactorGlyph(i), escapement);
      } else {
        picture.text(at.x() - 6, at.y() - 5, QLatin1String(FactorAbbrev[i]), escapement);
      }
    }
    if (inner) picture.setFontBold(false);

    ring.markAround(wholeDegrees);
  }
}

}  // namespace

QString FactorGlyph(int factor) { return QString(SymbolFontFactorGlyph(factor)); }

QString SignGlyph(int sign) { return QString(SymbolFontSignGlyph(sign)); }

QString SignFallbackText(int sign) {
  // Sign k + 1 starts at character 3(k + 1) (1-based) of SignAbbrev.
  return QString::fromLatin1(SignAbbrev).mid(3 * (sign + 1) - 1, 3);
}

QString SymbolFace() { return QString::fromLatin1(kSymbolFontFamily); }

QRgb FactorColor(int factor) {
  if (factor == MC) return clGreen;
  if (factor == AS) return clRed;
  return clNavy;
}


QPoint DialPoint(double angleDegrees, double r, int cx, int cy) {
  return {cx + TruncPixel(r * CosDeg(angleDegrees)), cy - TruncPixel(r * SinDeg(angleDegrees))};
}

Picture DrawDial(const ChartState& state, bool symbolFontPresent, const QImage& icon) {
  Picture picture(kDialSize, kDialSize);
  DrawWheel(picture, icon);
  DrawSigns(picture, symbolFontPresent);
  DrawHouseCusps(picture, state);
  DrawFactors(picture, state, symbolFontPresent);
  return picture;
}

}  // namespace gyrolux
