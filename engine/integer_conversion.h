#pragma once

#include <cmath>

namespace gyrolux {

// Whole part toward zero as an integer, safe for every double: NaN counts as 0 and the
// value is held within [low, high] before it is converted.
inline int TruncClamped(double x, int low, int high) {
  if (std::isnan(x)) return low <= 0 && 0 <= high ? 0 : low;
  if (x <= low) return low;
  if (x >= high) return high;
  return static_cast<int>(x);
}

// Trunc over the whole int range (NaN counting as 0).
inline int TruncToInt(double x) { return TruncClamped(x, -2147483647 - 1, 2147483647); }

}  // namespace gyrolux
