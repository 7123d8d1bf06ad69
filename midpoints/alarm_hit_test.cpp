#include "midpoints/alarm_hit_test.h"

#include <algorithm>
#include <cmath>

#include "engine/angles.h"

namespace gyrolux {

double SearchLongitude(const FactorLongitudes& longitudes, int factor) {
  return factor >= 0 && factor < kFactorCount ? longitudes[factor] : 0.0;
}

double Midpoint22_5(const FactorLongitudes& longitudes, int a, int b) {
  return Mod22_5((SearchLongitude(longitudes, a) + SearchLongitude(longitudes, b)) / 2.0);
}

double AlarmDistance(const AlarmQuery& query, const FactorLongitudes& longitudes) {
  const auto& f = query.factors;
  const double m1 = Midpoint22_5(longitudes, f[0], f[1]);
  if (query.kind == AlarmKind::MidpointAngle) return std::abs(m1 - query.angle);
  return std::abs(m1 - Midpoint22_5(longitudes, f[2], f[3]));
}

bool IsWithinOrb(double distance, double orb) {
  return distance < orb || distance > 22.5 - orb;
}

double CircularDistance22_5(double distance) {
  return std::min(distance, std::abs(22.5 - distance));
}

}  // namespace gyrolux
