#pragma once

#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "platform/picture.h"

namespace gyrolux {

inline constexpr int kAxisGraphicWidth = 726;
inline constexpr int kAxisGraphicHeight = 300;
// The axis graphic as last drawn; print and save take the same picture.
inline constexpr const char* kAxisGraphicFileName = "dia.wmf";

// "Die Achsen 0° bis 22,5°": the factors MC..PO on one strip of the 22.5-degree mode, a
// degree 30 pixels wide from 0° at x = 17. Each glyph stands on its whole degree below
// those drawn there before, with a red mark above it at its exact place; a glyph also
// hands its depth on to the neighbouring degree on the side its fraction leans to. Below
// the strip the factors with their 22.5-degree angles in eight columns, and the moment.
// The glyphs are always those of the symbol font. With a radix its factors stand at the
// foot of the strip in the radix colour: a tick up from the strip's bottom edge at the
// exact place, the glyph above it.
//
// In another mode the strip is the mode's width on the same 675 pixels (22.5 degrees give
// the 30 pixels a degree above), labelled so that labels stand at least 30 pixels apart,
// glyphs stacking in 30-pixel columns, the legend giving the places in the mode.
Picture DrawAxisGraphic(const Chart& chart, const ChartState* radix = nullptr, DialMode mode = kMode22_5);

// The degrees between two labels of the axis graphic's scale in a mode (1 for 22.5).
double AxisGraphicLabelStep(DialMode mode);

}  // namespace gyrolux
