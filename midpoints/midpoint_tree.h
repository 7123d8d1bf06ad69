#pragma once

#include <vector>

#include <QString>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// One branch of the midpoint tree: a factor ("SO") or a midpoint ("SO/MO") of the moment,
// or of the radix ("r SO", "r SO/MO"), its place in the mode and its distance from the
// pointer there.
struct TreeEntry {
  QString name;
  double position = 0.0;
  double distance = 0.0;
  bool radix = false;
};

// The midpoint tree at the pointer: every factor MC..PO and every midpoint of two of them,
// of the moment and (when given) of the radix, whose place in the mode lies within the orb
// of the pointer (or of its place across the mode's wrap), the nearest first; equal
// distances keep the order moment before radix, factors before midpoints, by factor.
std::vector<TreeEntry> MidpointTree(const ChartState& moment, const ChartState* radix, DialMode mode,
                                    double pointer, Orb orb);

// The picture the tree forms, "SO = MA/JU = r SO/MO": its entries joined by " = "; empty
// for fewer than two entries.
QString TreePicture(const std::vector<TreeEntry>& tree);

// A place in the mode as degrees and minutes of the mode, "05°07'" (the minutes cut, not
// rounded, as the lists show them).
QString ModeDegreesText(double position);

}  // namespace gyrolux
