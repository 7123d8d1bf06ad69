#include "midpoints/motion_bounds.h"

#include <cmath>
#include <random>

#include <gtest/gtest.h>

#include "engine/chart_core.h"
#include "midpoints/moment_sequence.h"
#include "tests/midpoints/search_test_support.h"

namespace gyrolux {
namespace {

// Random moments of the years 1500 to 2299 at places up to the polar circles: no
// longitude moves faster over 10 minutes than its bound allows, and the sample comes
// near the bounds (1 / 1.1 of the bodies', 1 / 1.01 of the angles'). GYROLUX_MOTION_SAMPLES
// sets the number of moments.
TEST(MotionBoundsTest, NoFactorOutrunsItsBoundOverTenMinutes) {
  const long long samples = testing::EnvironmentNumber("GYROLUX_MOTION_SAMPLES", 20000);
  std::mt19937 random(7);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  std::array<double, kFactorCount> largestShare{};  // observed motion / bound
  for (long long i = 0; i < samples; ++i) {
    ChartMoment m{pick(1, 28), pick(1, 12), pick(1500, 2299), real(0.0, 23.8), 0.0, real(-66.0, 66.0), false, false};
    ChartMoment later = m;
    later.hours += kAlarmStepHours;
    ChartResult a;
    ChartResult b;
    ComputeChart(m, a);
    ComputeChart(later, b);
    const double days = (b.state.centuriesT - a.state.centuriesT) * 36525.0;
    for (int f = 0; f < GZ; ++f) {
      const double moved = std::abs(std::remainder(b.state.factorLongitude[f] - a.state.factorLongitude[f], 360.0));
      const double bound = MaxDailyMotion(f, m.latitude) * days;
      ASSERT_LE(moved, bound) << FactorAbbrev[f] << " " << m.day << "." << m.month << "." << m.year << " " << m.hours;
      if (bound > 0.0) largestShare[f] = std::max(largestShare[f], moved / bound);
    }
  }
  for (int f = 0; f < GZ; ++f) std::printf("%s %.3f ", FactorAbbrev[f], largestShare[f]);
  std::printf("\n");
  EXPECT_GT(largestShare[MO], 0.8);
  EXPECT_GT(largestShare[MC], 0.85);
  EXPECT_GT(largestShare[AS], 0.85);
}

TEST(MotionBoundsTest, AnglesFollowTheSiderealAngleAndTheLatitude) {
  // 360.9857 degrees a day over cos 23.504344 (the largest obliquity), 1 % margin.
  EXPECT_NEAR(MaxDailyMotion(MC, 0.0), 397.58, 0.01);
  // On the equator the ascendant turns as fast as the midheaven at most.
  EXPECT_NEAR(MaxDailyMotion(AS, 0.0), MaxDailyMotion(MC, 0.0), 1e-4);
  EXPECT_EQ(MaxDailyMotion(AS, 52.5), MaxDailyMotion(AS, -52.5));
  EXPECT_GT(MaxDailyMotion(AS, 60.0), MaxDailyMotion(AS, 52.5));
  for (const double latitude : {66.5, -80.0, std::nan("")}) EXPECT_TRUE(std::isinf(MaxDailyMotion(AS, latitude)));
}

TEST(MotionBoundsTest, FactorsOnBothSidesCancel) {
  const auto perStep = [](int a, int b) { return (kMaxBodyDailyMotion[a] + kMaxBodyDailyMotion[b]) / 2.0 * kRegularStepDays; };
  EXPECT_DOUBLE_EQ(AlarmMotionPerStep(PictureQuery(SA, KR, SA, ZE), 50.0).Total(), perStep(KR, ZE));
  EXPECT_DOUBLE_EQ(AlarmMotionPerStep(PictureQuery(MO, MO, MO, MO), 50.0).Total(), 0.0);
  EXPECT_DOUBLE_EQ(AlarmMotionPerStep(PictureQuery(MO, MO, MO, SO), 50.0).Total(), perStep(MO, SO));
  EXPECT_DOUBLE_EQ(AlarmMotionPerStep(PictureQuery(AS, MO, AS, SO), 80.0).Total(), perStep(MO, SO));
  const AlarmMotion polar = AlarmMotionPerStep(PictureQuery(AS, MO, MC, SO), 80.0);
  EXPECT_TRUE(std::isinf(polar.angles));
  EXPECT_DOUBLE_EQ(polar.bodies, perStep(MO, SO));
}

}  // namespace
}  // namespace gyrolux
