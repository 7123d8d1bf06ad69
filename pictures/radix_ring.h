#pragma once

#include <QRgb>

#include "engine/chart.h"
#include "platform/picture.h"

namespace gyrolux {

// The colour of the radix in the drawings: purple, apart from every factor colour.
inline constexpr QRgb kRadixColor = qRgb(0x80, 0x00, 0x80);

// The radix's factors on a ring of their own inside the wheel, between the house ring and
// the inner factors: a circle of radius 140, for each factor MC..PO (WI and GZ left out) a
// tick from radius 140 to 130 and its glyph (or its letters without the symbol font) at
// radius 118, all in the radix colour.
void DrawRadixRing(Picture& picture, const ChartState& radix, bool symbolFontPresent);

}  // namespace gyrolux
