// The search's bounds for the modern sky (motion_bounds.h) against its fitted values: the
// bodies' speeds every two hours and their accelerations by second differences (1 hour
// for SO, MO, KN, 6 hours for the others), within 12 degrees of the Sun those of the
// library's longitudes without the bending, whose size is measured there; the sidereal
// angle's and the obliquity's second differences, apart from the sidereal angle's steps
// (at most two, each within its bound). The accelerations times 1.5 must lie within
// the bounds, as for the model's table. Quick: 1998 to 2000; Long: 1600 to 2300.
#include <gtest/gtest.h>

#include <cmath>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ephemeris/fitted_sky.h"
#include "ephemeris/swiss_library.h"
#include "midpoints/motion_bounds.h"
#include "midpoints/watched_stretch.h"
#include "tests/midpoints/search_test_support.h"

namespace gyrolux {
namespace {

double Fitted(int channel, double jd) {
  const std::optional<FittedValue> v = channel < kSiderealChannel ? FittedBodyAt(channel, jd) : FittedChannelAt(channel, jd);
  EXPECT_TRUE(v);
  return v ? v->value : 0.0;
}
double Unbent(int body, double jd) { return SwissBodyAt(jd, body, true, false).value_or(SwissPosition{}).longitude; }
double Second(double a, double b, double c, double h) {
  return std::fabs(std::remainder(c - b, 360.0) - std::remainder(b - a, 360.0)) / (h * h);
}

class ModernSkyMotion : public ::testing::TestWithParam<int> {};

TEST_P(ModernSkyMotion, BodiesAndAnglesWithinTheSearchBounds) {
  const bool whole = GetParam() == 2;
  // A sanitized build samples fewer years of the long span (GYROLUX_MODERN_SKY_YEARS).
  const double years = static_cast<double>(testing::EnvironmentNumber("GYROLUX_MODERN_SKY_YEARS", 700));
  const double first = whole ? 2305447.5 : 2450814.5;
  const double last = whole ? std::min(2561117.5, first + years * 365.25) : 2451544.5;
  for (int body = 0; body < kSwissBodyCount; ++body) {
    const FactorId factor = kSwissBodyFactor[body];
    double fastest = 0.0, acceleration = 0.0, bending = 0.0;
    for (double jd = first; jd < last; jd += 1.0 / 12.0) {
      if (body < 3 || std::fabs(std::remainder(Fitted(body, jd) - Fitted(0, jd), 360.0)) > 12.0) {
        fastest = std::max(fastest, std::fabs(FittedBodyAt(body, jd)->rate));
      }
    }
    const double h = body < 3 ? 1.0 / 24.0 : 0.25;
    for (double jd = first; jd < last; jd += h) {
      const double near = std::fabs(std::remainder(Fitted(body, jd) - Fitted(0, jd), 360.0));
      if (body < 3 || near > 12.0) {
        acceleration = std::max(acceleration, Second(Fitted(body, jd - h), Fitted(body, jd), Fitted(body, jd + h), h));
        continue;
      }
      const double before = Unbent(body, jd - h), at = Unbent(body, jd), after = Unbent(body, jd + h);
      acceleration = std::max(acceleration, Second(before, at, after, h));
      fastest = std::max(fastest, std::fabs(std::remainder(after - before, 360.0)) / (2.0 * h));
      bending = std::max(bending, std::fabs(std::remainder(SwissBodyAt(jd, body)->longitude - at, 360.0)));
    }
    FactorWeights weights{};
    weights[factor] = 1.0;
    std::printf("%s: %.5f deg/day (bound %.5f), %.6f deg/day^2 (bound %.6f), bending %.3f\"\n", FactorAbbrev[factor],
                fastest, MaxDailyMotion(factor, 0.0, Ephemeris::Swiss), acceleration,
                BodiesAcceleration(weights, Ephemeris::Swiss), bending * 3600.0);
    EXPECT_LT(fastest, MaxDailyMotion(factor, 0.0, Ephemeris::Swiss)) << FactorAbbrev[factor];
    EXPECT_LT(1.5 * acceleration, BodiesAcceleration(weights, Ephemeris::Swiss)) << FactorAbbrev[factor];
    EXPECT_LT(bending, kModernDeflection) << FactorAbbrev[factor];
  }
  for (const auto& [channel, bound] : {std::pair{kSiderealChannel, kModernSiderealAcceleration},
                                       std::pair{kObliquityChannel, kModernObliquityAcceleration}}) {
    double acceleration = 0.0;
    std::vector<double> steps;  // a second difference 10 times the bound: a step
    for (double jd = first; jd < last; jd += 0.25) {
      const double second = Second(Fitted(channel, jd - 0.25), Fitted(channel, jd), Fitted(channel, jd + 0.25), 0.25);
      if (second < 10.0 * bound) acceleration = std::max(acceleration, second);
      if (second >= 10.0 * bound && (steps.empty() || jd > steps.back() + 1.0)) steps.push_back(jd);
    }
    for (const double jd : steps) {
      const double step = std::fabs(std::remainder(Fitted(channel, jd + 1.0) - 2.0 * Fitted(channel, jd) + Fitted(channel, jd - 1.0), 360.0));
      EXPECT_LT(step, kModernSiderealStep) << channel << " at " << jd;
    }
    EXPECT_LE(steps.size(), channel == kSiderealChannel ? 2u : 0u) << channel;
    std::printf("channel %d: %.3e deg/day^2 (bound %.3e), %zu steps\n", channel, acceleration, bound, steps.size());
    EXPECT_LT(1.5 * acceleration, bound) << channel;
  }
}
INSTANTIATE_TEST_SUITE_P(Quick, ModernSkyMotion, ::testing::Values(1));
INSTANTIATE_TEST_SUITE_P(Long, ModernSkyMotion, ::testing::Values(2));

}  // namespace
}  // namespace gyrolux
