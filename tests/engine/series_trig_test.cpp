#include "engine/series_trig.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

namespace gyrolux {
namespace {

constexpr long double kPiLong = 3.14159265358979323846264338327950288L;

TEST(SeriesTrigTest, DegreesAgreeWithTheLibraryOverTheWholeRange) {
  std::mt19937 random(5);
  std::uniform_real_distribution<double> wide(-600000.0, 600000.0);
  std::uniform_real_distribution<double> near(-400.0, 400.0);
  double worst = 0.0;
  for (int i = 0; i < 200000; ++i) {
    const double x = i % 2 ? wide(random) : near(random);
    const SineCosine k = SinCosOfDegrees(x);
    // The long double reference reduces the angle more exactly than a double product.
    const long double r = static_cast<long double>(x) * (kPiLong / 180.0L);
    worst = std::max(worst, static_cast<double>(std::fabs(k.sin - std::sin(r))));
    worst = std::max(worst, static_cast<double>(std::fabs(k.cos - std::cos(r))));
  }
  EXPECT_LT(worst, 2e-15);
  // Whole quarter turns come out exact.
  EXPECT_TRUE(SinCosOfDegrees(90.0).sin == 1.0 && SinCosOfDegrees(90.0).cos == 0.0);
  EXPECT_TRUE(SinCosOfDegrees(-180.0).cos == -1.0 && SinCosOfDegrees(270.0).sin == -1.0);
}

TEST(SeriesTrigTest, RadiansAgreeWithTheLibrary) {
  std::mt19937 random(6);
  std::uniform_real_distribution<double> angle(-50.0, 50.0);
  double worst = 0.0;
  for (int i = 0; i < 200000; ++i) {
    const double x = angle(random);
    const SineCosine k = SinCosOfRadians(x);
    worst = std::max({worst, std::fabs(k.sin - std::sin(x)), std::fabs(k.cos - std::cos(x))});
  }
  EXPECT_LT(worst, 1e-15);
  EXPECT_NEAR(SinCosOfRadians(1e4 + 0.5).sin, std::sin(1e4 + 0.5), 1e-15);
}

TEST(SeriesTrigTest, TwoCosinesAtOnceHaveTheBitsOfOne) {
  std::mt19937 random(8);
  std::uniform_real_distribution<double> wide(-600000.0, 600000.0);
  for (int i = 0; i < 100000; ++i) {
    const double x[2] = {wide(random), i % 3 ? wide(random) : std::round(wide(random) / 90) * 90};
    double pair[2];
    CosOfDegreesPair(x, pair);
    for (int lane = 0; lane < 2; ++lane) {
      const double one = CosOfDegrees(x[lane]);
      ASSERT_EQ(std::memcmp(&pair[lane], &one, sizeof one), 0) << x[lane];
    }
  }
  // Beyond the range of the exact reduction, and NaN, both take the library's way.
  const double odd[2] = {1e15, std::numeric_limits<double>::quiet_NaN()};
  double out[2];
  CosOfDegreesPair(odd, out);
  EXPECT_EQ(out[0], std::cos(1e15 * 3.141592653589793 / 180.0));
  EXPECT_TRUE(std::isnan(out[1]));
}

TEST(SeriesTrigTest, KeplerRoundsMatchThePlainRounds) {
  std::mt19937 random(9);
  std::uniform_real_distribution<double> anomaly(0.0, 6.283185307179586);
  std::uniform_real_distribution<double> eccentricity(0.0, 0.5);
  double worst = 0.0;
  for (int i = 0; i < 100000; ++i) {
    const double m = anomaly(random);
    const double e = eccentricity(random);
    double plain = m;
    for (int round = 0; round < 5; ++round) plain = e * std::sin(plain) + m;
    const KeplerSolution k = FiveKeplerRounds(m, e);
    worst = std::max({worst, std::fabs(k.eccentricAnomaly - plain), std::fabs(k.sinE - std::sin(plain)),
                      std::fabs(k.cosE - std::cos(plain))});
  }
  EXPECT_LT(worst, 1e-14);
  // Five rounds are not the root for a large eccentricity: the result is the fifth round.
  const KeplerSolution k = FiveKeplerRounds(1.0, 0.9);
  double plain = 1.0;
  for (int round = 0; round < 5; ++round) plain = 0.9 * std::sin(plain) + 1.0;
  EXPECT_NEAR(k.eccentricAnomaly, plain, 1e-14);
  EXPECT_GT(std::fabs(plain - 0.9 * std::sin(plain) - 1.0), 1e-4);
  // An eccentricity beyond any orbit still gives numbers.
  EXPECT_TRUE(std::isfinite(FiveKeplerRounds(2.0, 5.0).eccentricAnomaly));
}

}  // namespace
}  // namespace gyrolux
