#pragma once

#include <array>
#include <cmath>
#include <optional>

#include "engine/chart_core.h"
#include "engine/dial_mode.h"
#include "engine/factors.h"
#include "midpoints/picture_orb.h"

namespace gyrolux {

// One of the two positions a search compares, in a dial mode: the midpoint of two chart
// factors (FactorId, or kFillerAbbrevIndex for "--", which stands at 0), or a position
// that does not move (the target of the midpoint-angle search; a radix position).
struct WatchedPosition {
  std::array<int, 2> factors{kFillerAbbrevIndex, kFillerAbbrevIndex};
  std::optional<double> fixed;  // degrees of the mode; the factors are then unused
};

// What a search watches: the distance d = |p - q| of two positions of the mode, a hit
// while the orb holds it (Orb::Holds). Every search kind is a wrapper that fills one in.
struct Watch {
  WatchedPosition first;
  WatchedPosition second;
  DialMode mode = kMode22_5;
  Orb orb = kStartPictureOrb;
};

// The longitude a search reads for a factor: the chart's entry, 0 for "--".
double SearchLongitude(const FactorLongitudes& longitudes, int factor);

// The position in the mode: the plain mean of the two longitudes reduced, or the fixed one.
double PositionInMode(const WatchedPosition& position, const FactorLongitudes& longitudes, DialMode mode);

// d of the hit test.
double WatchedDistance(const Watch& watch, const FactorLongitudes& longitudes);

// The signed difference p - q reduced to half the mode's width either way.
double WatchedOffset(const Watch& watch, const FactorLongitudes& longitudes);

inline bool IsHit(const Watch& watch, double distance) { return watch.orb.Holds(distance, watch.mode); }

// Each factor's net share in p - q: +1/2 for a factor of the first midpoint, -1/2 for one
// of the second, summed where a factor stands on both sides ("--" and fixed positions
// have none). p - q equals the weighted sum of the longitudes up to whole multiples of
// the mode's width as long as the width divides 180.
using FactorWeights = std::array<double, kFactorCount>;
FactorWeights NetWeights(const Watch& watch);

// The period the skipping searches take p - q in: the mode's width where it divides 180.
// In the 360-degree mode a longitude's wrap from 360 to 0 moves a midpoint with it by
// half a turn, so there p - q equals the weighted sum only up to multiples of 180, and a
// moment is clear only when the sum keeps away from all of them. 0 for a width that is
// neither (no skipping).
inline double ClearanceWidth(DialMode mode) {
  const double width = mode.Width();
  if (std::fmod(180.0, width) == 0.0) return width;
  return std::fmod(width, 180.0) == 0.0 ? 180.0 : 0.0;
}

// The chart factors the positions read.
FactorMask WatchedFactors(const Watch& watch);

// The distance on the circle of the mode, min(d, |width - d|): how far the two positions
// are apart however the wrap falls between them.
inline double CircularDistance(const Watch& watch, double distance) {
  return std::fmin(distance, std::fabs(watch.mode.Width() - distance));
}

}  // namespace gyrolux
