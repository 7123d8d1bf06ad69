#pragma once

#include <array>

#include <QString>
#include <QStringList>

#include "engine/dial_mode.h"
#include "engine/factors.h"
#include "midpoints/picture_orb.h"

namespace gyrolux {

// The four main axes in the order of the main window's lists: MC/MC, SO/SO, AS/AS, MO/MO.
inline constexpr std::array<int, 4> kMainAxes = {MC, SO, AS, MO};

// The list of the axis of factor k: the header " MC/MC = 12°34'", then the pairs i/j of
// the factors k..PO (i <= j, the pair k/k left out) whose midpoint stands in the axis, as
// "SO/MA07" with the house in the circle of i, three to a line.
QStringList AxisList(const FactorLongitudes& longitudes, int k, Orb orb);

// The lists of the four main axes.
std::array<QStringList, 4> MainAxisLists(const FactorLongitudes& longitudes, Orb orb);

}  // namespace gyrolux
