#pragma once

#include <QString>

#include "engine/chart.h"
#include "platform/picture.h"

namespace gyrolux {

inline constexpr int kEnlargedDialSize = 740;
// The moment and place line at the top of the enlarged dial (9 points, from y 10) ends
// above this line of the picture.
inline constexpr int kEnlargedDialMomentBottom = 26;
// The enlarged dial as last drawn; print and save take the same picture.
inline constexpr const char* kEnlargedDialFileName = "img.wmf";

// The house circle drawn over the fixed zodiac: the circle of MC, WI, SO, AS, MO or KN
// (their FactorIds), turned by a whole number of degrees (-180..180).
struct HouseCircle {
  int factor = MC;
  int rotation = 0;
  bool operator==(const HouseCircle&) const = default;
};

// The rotation as the label under the scroll bar shows it: "±0", "+5", "-5".
QString RotationLabel(int rotation);

// The rotation of a scroll bar position 0..360 (180 is no rotation).
int RotationOfScrollPosition(int position);

// Cusp k (0..11) of the house circle in degrees: the unequal MC-house cusps of the moment
// for the MC circle not turned, otherwise twelve equal houses from the factor's longitude
// plus the rotation.
double HouseCircleCusp(const ChartState& state, const HouseCircle& circle, int k);

// The enlarged dial, 740 x 740: the fixed zodiac with its signs and the fixed house ring,
// the centre emblem, the house circle with its numbers, every factor (WI left out) with its
// tick and its tangential glyph in two occupancy rings, the degree scale, and the moment
// and place in the top line. Without the symbol font signs and factors are written as
// letters. placeLabel is the main window's place label. With a radix, its ring in the radix
// colour (kEnlargedDialRadixRing).
Picture DrawEnlargedDial(const Chart& chart, const HouseCircle& circle, bool symbolFontPresent,
                         const QString& placeLabel, const ChartState* radix = nullptr);

// The enlarged dial window's icon, 32 x 32: a small dial with a turned house circle.
Picture DrawEnlargedDialIcon();

}  // namespace gyrolux
