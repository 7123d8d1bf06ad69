#include "midpoints/motion_bounds.h"

#include <cmath>
#include <cstdlib>
#include <random>

#include <gtest/gtest.h>

#include "engine/chart_core.h"
#include "engine/time_scale.h"
#include "midpoints/moment_sequence.h"

namespace gyrolux {
namespace {

double CircularDifference(double a, double b) {
  const double d = std::abs(std::remainder(a - b, 360.0));
  return d;
}

// Random moments of the years 1500 to 2299 and places up to the polar circles: no
// longitude moves faster over 10 minutes than its bound allows. GYROLUX_MOTION_SAMPLES
// sets the number of moments.
TEST(MotionBoundsTest, NoFactorOutrunsItsBoundOverTenMinutes) {
  const char* env = std::getenv("GYROLUX_MOTION_SAMPLES");
  const int samples = env != nullptr ? std::atoi(env) : 20000;
  std::mt19937 random(7);
  std::uniform_int_distribution<int> year(1500, 2299);
  std::uniform_int_distribution<int> month(1, 12);
  std::uniform_int_distribution<int> day(1, 28);
  std::uniform_real_distribution<double> hours(0.0, 23.8);
  std::uniform_real_distribution<double> latitude(-66.0, 66.0);
  std::array<double, kFactorCount> largestShare{};  // observed motion / bound
  for (int i = 0; i < samples; ++i) {
    ChartMoment m{day(random), month(random), year(random), hours(random), 0.0, latitude(random), false, false};
    ChartMoment later = m;
    later.hours += kAlarmStepHours;
    ChartResult a;
    ChartResult b;
    ComputeChart(m, a);
    ComputeChart(later, b);
    const double days = (b.state.centuriesT - a.state.centuriesT) * 36525.0;
    for (int f = 0; f < kFactorCount; ++f) {
      if (f == GZ) continue;
      const double moved = CircularDifference(b.state.factorLongitude[f], a.state.factorLongitude[f]);
      const double bound = MaxDailyMotion(f, m.latitude) * days;
      ASSERT_LE(moved, bound) << FactorAbbrev[f] << " " << m.day << "." << m.month << "." << m.year << " "
                              << m.hours << " latitude " << m.latitude;
      if (bound > 0.0) largestShare[f] = std::max(largestShare[f], moved / bound);
    }
  }
  for (int f = 0; f < kFactorCount; ++f) std::printf("%s %.3f  ", FactorAbbrev[f], largestShare[f]);
  std::printf("\n");
  // The sample reaches near the bounds of the fast factors.
  EXPECT_GT(largestShare[MO], 0.8);
  EXPECT_GT(largestShare[MC], 0.85);
  EXPECT_GT(largestShare[AS], 0.85);
}

TEST(MotionBoundsTest, AnglesFollowTheSiderealAngle) {
  // On the equator the ascendant turns at most as fast as the midheaven (1 / cos e).
  EXPECT_NEAR(MaxDailyMotion(AS, 0.0), MaxDailyMotion(MC, 0.0), 1e-4);
  EXPECT_NEAR(MaxDailyMotion(MC, 0.0), 360.9857 / std::cos(23.504344 * M_PI / 180.0) * 1.01, 1e-3);
  // North and south alike, faster towards the poles, without bound at the polar circles.
  EXPECT_EQ(MaxDailyMotion(AS, 52.5), MaxDailyMotion(AS, -52.5));
  EXPECT_GT(MaxDailyMotion(AS, 60.0), MaxDailyMotion(AS, 52.5));
  EXPECT_TRUE(std::isinf(MaxDailyMotion(AS, 66.5)));
  EXPECT_TRUE(std::isinf(MaxDailyMotion(AS, -80.0)));
  EXPECT_TRUE(std::isinf(MaxDailyMotion(AS, std::nan(""))));
  EXPECT_EQ(MaxDailyMotion(WI, 0.0), 0.0);
  EXPECT_EQ(MaxDailyMotion(kFillerAbbrevIndex, 0.0), 0.0);
}

TEST(MotionBoundsTest, FactorsOnBothSidesCancel) {
  const double step = kRegularStepDays;
  const struct {
    const char* name;
    AlarmQuery query;
    double latitude;
    double perStep;
  } cases[] = {
      {"SA/KR = SA/ZE moves as KR against ZE", PictureQuery(SA, KR, SA, ZE), 50.0,
       (kMaxBodyDailyMotion[KR] + kMaxBodyDailyMotion[ZE]) / 2.0 * step},
      {"MO/MO = MO/MO stands", PictureQuery(MO, MO, MO, MO), 50.0, 0.0},
      {"MO/MO = MO/SO moves as half the Moon and the Sun", PictureQuery(MO, MO, MO, SO), 50.0,
       (kMaxBodyDailyMotion[MO] + kMaxBodyDailyMotion[SO]) / 2.0 * step},
      {"the ascendant cancels even beyond the polar circle", PictureQuery(AS, MO, AS, SO), 80.0,
       (kMaxBodyDailyMotion[MO] + kMaxBodyDailyMotion[SO]) / 2.0 * step},
      {"the midpoint angle search", MidpointAngleQuery(JU, kFillerAbbrevIndex, 3.0), 0.0,
       kMaxBodyDailyMotion[JU] / 2.0 * step},
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(AlarmMotionPerStep(c.query, c.latitude).total(), c.perStep) << c.name;
  }
  const AlarmMotion polar = AlarmMotionPerStep(PictureQuery(AS, MO, MC, SO), 80.0);
  EXPECT_TRUE(std::isinf(polar.angles));
  EXPECT_DOUBLE_EQ(polar.bodies, (kMaxBodyDailyMotion[MO] + kMaxBodyDailyMotion[SO]) / 2.0 * step);
  EXPECT_EQ(polar.angleFactors, FactorBit(MC) | FactorBit(AS));
}

}  // namespace
}  // namespace gyrolux
