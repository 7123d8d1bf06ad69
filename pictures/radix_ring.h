#pragma once

#include <QRgb>

#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "platform/picture.h"

namespace gyrolux {

// The colour of the radix in the drawings: purple, apart from every factor colour.
inline constexpr QRgb kRadixColor = qRgb(0x80, 0x00, 0x80);

// Whether a factor of the radix is drawn: MC..PO, WI and GZ left out as on the wheel.
bool RadixFactorDrawn(int factor);

// A round dial's radix ring: the circle of radius ring about (cx, cy), for each drawn factor
// a tick from ring to tickEnd and its glyph (or its letters without the symbol font) at
// radius glyph, all in the radix colour.
struct RadixRingGeometry {
  int cx = 260, cy = 260;
  int ring = 140, tickEnd = 130, glyph = 118;
};
void DrawRadixRing(Picture& picture, const ChartState& radix, bool symbolFontPresent,
                   const RadixRingGeometry& geometry = {});

// The enlarged dial's ring: inside the sign ring, just outside the fixed houses (radius 138
// about (370, 370), ticks out to 148, glyphs at 118 where the house numbers leave room).
inline constexpr RadixRingGeometry kEnlargedDialRadixRing{370, 370, 138, 148, 118};

// The radix along a linear axis of a mode (22.5 degrees unless named): a factor's place in the mode at
// x = originX + trunc(pixelsPerDegree * position), marked by a tick from tickTop to
// tickBottom and its glyph (symbol font, 8 points) at labelTop. Glyphs closer than
// kRadixLabelGap pixels step away from the axis by levelStep (negative: upwards), in up to
// three levels; a fourth crowding glyph starts on the first level again.
struct RadixAxis {
  int originX = 17;
  double pixelsPerDegree = 22;
  int tickTop = 0, tickBottom = 0;
  int labelTop = 0, levelStep = 12;
};
inline constexpr int kRadixLabelGap = 12;
void DrawRadixAxisMarks(Picture& picture, const ChartState& radix, const RadixAxis& axis,
                        DialMode mode = kMode22_5);

}  // namespace gyrolux
