#include "midpoints/watched_distance.h"

#include <cmath>

namespace gyrolux {

double SearchLongitude(const FactorLongitudes& longitudes, int factor) {
  return factor >= 0 && factor < kFactorCount ? longitudes[factor] : 0.0;
}

double PositionInMode(const WatchedPosition& position, const FactorLongitudes& longitudes, DialMode mode) {
  if (position.fixed) return *position.fixed;
  const auto& f = position.factors;
  return mode.Reduce((SearchLongitude(longitudes, f[0]) + SearchLongitude(longitudes, f[1])) / 2.0);
}

double WatchedDistance(const Watch& watch, const FactorLongitudes& longitudes) {
  return std::abs(PositionInMode(watch.first, longitudes, watch.mode) -
                  PositionInMode(watch.second, longitudes, watch.mode));
}

double WatchedOffset(const Watch& watch, const FactorLongitudes& longitudes) {
  return std::remainder(PositionInMode(watch.first, longitudes, watch.mode) -
                            PositionInMode(watch.second, longitudes, watch.mode),
                        watch.mode.Width());
}

FactorWeights NetWeights(const Watch& watch) {
  FactorWeights weights{};
  const auto add = [&](const WatchedPosition& position, double weight) {
    if (position.fixed) return;
    for (const int factor : position.factors) {
      if (factor >= 0 && factor < kFactorCount) weights[factor] += weight;
    }
  };
  add(watch.first, 0.5);
  add(watch.second, -0.5);
  return weights;
}

FactorMask WatchedFactors(const Watch& watch) {
  FactorMask mask = 0;
  for (const WatchedPosition* position : {&watch.first, &watch.second}) {
    if (position->fixed) continue;
    for (const int factor : position->factors) {
      if (factor >= 0 && factor < kFactorCount) mask |= FactorBit(factor);
    }
  }
  return mask;
}

}  // namespace gyrolux
