#pragma once

#include <optional>

#include <QString>

#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "pictures/enlarged_dial.h"
#include "platform/picture.h"

namespace gyrolux {

// The enlarged dial in a dial mode. In the 360-degree mode it is the enlarged dial as
// defined (the zodiac from 0° Aries at the left-hand horizontal, counter-clockwise); the
// 90-, 45- and 22.5-degree dials run counter-clockwise from 0° at the top, a turn of the
// dial being the mode's width.
struct DialDrawing {
  DialMode mode = kMode360;
  std::optional<double> pointer;  // degrees of the mode
};

// The angle on the screen (degrees counter-clockwise from the right-hand horizontal) of a
// place in the mode, and back (the place in 0 up to below the width).
double DialScreenAngle(DialMode mode, double position);
double DialPositionAt(DialMode mode, double screenAngle);

// The place in the mode under a point of the enlarged dial's picture (its centre at
// (370, 370)); nothing at the centre itself.
std::optional<double> DialPositionAtPoint(DialMode mode, double x, double y);

// The enlarged dial in the drawing's mode with the radix (when given) and the pointer
// (when set): for 360 degrees DrawEnlargedDial with the house circle; for the other
// modes the mode's scale on a circle of radius 270, labelled inside, each factor MC..PO
// (WI left out) with a tick outward and its upright glyph, pushed outwards where glyphs
// crowd, the radix ring inside, the moment on top and the mode named in the corner.
// The pointer is a red line through the centre from its place to the opposite one, its
// place written as "Zeiger 05°07'" in the top right-hand corner.
Picture DrawDialInMode(const Chart& chart, const HouseCircle& circle, bool symbolFontPresent,
                       const QString& placeLabel, const ChartState* radix, const DialDrawing& drawing);

}  // namespace gyrolux
