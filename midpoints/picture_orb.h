#pragma once

#include <array>
#include <cmath>

#include "engine/dial_mode.h"
#include "engine/factors.h"

namespace gyrolux {

// The 23 longitudes of a chart by FactorId.
using FactorLongitudes = std::array<double, kFactorCount>;

// The orb of the pictures at start-up; the midpoint-angle search narrows it to 1.1.
inline constexpr Orb kStartPictureOrb{1.18};
inline constexpr Orb kMidpointSearchOrb{1.1};

// A distance d = |p - q| of two positions of the 22.5-degree mode counts as a hit: closer
// than the orb, or closer across the mode's wrap (both strict; a distance equal to either
// bound is no hit).
inline bool IsWithinOrb(double distance, double orb) { return Orb{orb}.Holds(distance, kMode22_5); }

// Two positions p and q of the 22.5-degree mode count as equal within the orb.
inline bool WithinPictureOrb(double p, double q, double orb) { return IsWithinOrb(std::fabs(p - q), orb); }

}  // namespace gyrolux
