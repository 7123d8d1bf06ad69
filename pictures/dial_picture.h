#pragma once

#include <array>

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QString>

#include "engine/chart.h"
#include "platform/picture.h"

namespace gyrolux {

inline constexpr int kDialSize = 520;

// The character of factor i (0 = MC .. 22 = GZ) and of sign k (0 = Aries .. 11 = Pisces)
// in the symbol font, as texts to draw.
QString FactorGlyph(int factor);
QString SignGlyph(int sign);
// "WID", "STI", ... "FIS": the sign names used without the symbol font.
QString SignFallbackText(int sign);
// The face of the symbol font, as the drawings ask for it.
QString SymbolFace();
// The colour of a factor in every drawing: MC green, AS red, the others navy.
QRgb FactorColor(int factor);

// The point at angle degrees and radius r about (cx, cy), each coordinate cut toward
// zero: x = cx + trunc(r cos a), y = cy - trunc(r sin a).
QPoint DialPoint(double angleDegrees, double r, int cx = 260, int cy = 260);

// The radii of the factor glyphs by the occupancy of their 3-degree cell (0..3; from 4
// on a glyph stands at the outer end of its tick).
inline constexpr std::array<int, 4> kOuterRingRadius = {235, 250, 265, 280};
inline constexpr std::array<int, 4> kInnerRingRadius = {200, 185, 170, 155};

// The round dial of the main window for a computed chart: the zodiac wheel with its
// sign lines, the fixed house ring, the window icon in the middle (icon may be null),
// the meridian house cusps of the moment and the factors MC..GZ (WI left out) with their
// ticks and tangential glyphs, pushed outwards (MC..PL) or inwards (CU..GZ) where they
// crowd. Without the symbol font the signs and factors are written as letters.
Picture DrawDial(const ChartState& state, bool symbolFontPresent, const QImage& icon);

}  // namespace gyrolux
