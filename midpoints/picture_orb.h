#pragma once

#include <array>
#include <cmath>

#include "engine/factors.h"

namespace gyrolux {

// The 23 longitudes of a chart by FactorId.
using FactorLongitudes = std::array<double, kFactorCount>;

// The orb of the pictures at start-up; the midpoint-angle search narrows it to 1.1.
inline constexpr double kStartPictureOrb = 1.18;
inline constexpr double kMidpointSearchOrb = 1.1;

// Two positions p and q of the 22.5-degree mode count as equal within the orb: closer
// than the orb, or closer across the 22.5-degree wrap (both strict).
inline bool WithinPictureOrb(double p, double q, double orb) {
  const double d = std::fabs(p - q);
  return d < orb || d > 22.5 - orb;
}

}  // namespace gyrolux
