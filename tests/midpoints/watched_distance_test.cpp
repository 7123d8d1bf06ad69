#include "midpoints/alarm_query.h"

#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "midpoints/watched_stretch.h"

namespace gyrolux {
namespace {

TEST(WatchedDistanceTest, DistanceAndOrbAsTheClockDefinesThem) {
  const struct {
    const char* name;
    AlarmQuery query;
    std::vector<std::pair<int, double>> longitudes;  // factor, longitude; the rest 0
    double distance;
    bool hit;
  } cases[] = {
      {"midpoints 15 and 16.25", PictureQuery(SO, MO, MA, JU), {{SO, 10.0}, {MO, 20.0}, {JU, 32.5}}, 1.25, false},
      {"d equal to the orb is no hit", PictureQuery(SO, MO, MA, JU, 1.25), {{SO, 10.0}, {MO, 20.0}, {JU, 32.5}}, 1.25, false},
      {"d equal to 1.18 is no hit", PictureQuery(SO, SO, WI, WI), {{SO, 1.18}}, 1.18, false},
      {"just inside the orb", PictureQuery(SO, SO, WI, WI), {{SO, 1.1799}}, 1.1799, true},
      {"d of 22.4 is a hit across the wrap", PictureQuery(SO, SO, WI, WI), {{SO, 22.4}}, 22.4, true},
      {"d equal to 22.5 - orb is no hit", PictureQuery(SO, SO, WI, WI), {{SO, 22.5 - 1.18}}, 22.5 - 1.18, false},
      {"past 360 the mean moves by 180, 8 times 22.5", PictureQuery(SO, MO, VE, VE), {{SO, 359.0}, {MO, 3.0}, {VE, 2.0}}, 1.0, true},
      {"\"--\" and WI stand at 0", PictureQuery(kFillerAbbrevIndex, kFillerAbbrevIndex, WI, WI), {}, 0.0, true},
      {"a midpoint at 0.5 hits the target 22.5", MidpointAngleQuery(SO, MO, 22.5), {{SO, 0.25}, {MO, 0.75}}, 22.0, true},
      {"7 degrees 5 minutes, 8.2 is outside 1.1", MidpointAngleQuery(MC, AS, 7.0 + 5.0 / 60.0), {{MC, 8.2}, {AS, 8.2}}, 8.2 - 7.0 - 5.0 / 60.0, false},
      {"7 degrees 5 minutes, 8.18 is inside 1.1", MidpointAngleQuery(MC, AS, 7.0 + 5.0 / 60.0), {{MC, 8.18}, {AS, 8.18}}, 8.18 - 7.0 - 5.0 / 60.0, true},
      {"a midpoint of 22.5 reduces to 0", MidpointAngleQuery(PL, kFillerAbbrevIndex, 0.0), {{PL, 45.0}}, 0.0, true},
  };
  for (const auto& c : cases) {
    FactorLongitudes longitudes{};
    for (const auto& [factor, longitude] : c.longitudes) longitudes[factor] = longitude;
    const double d = AlarmDistance(c.query, longitudes);
    EXPECT_NEAR(d, c.distance, 1e-12) << c.name;
    EXPECT_EQ(IsHit(WatchOf(c.query), d), c.hit) << c.name;
  }
}

// The stretches' closed forms of MC and AS (with their own sine and arctangent) against
// the engine's angles, at random moments of the bounds' years and places up to 85
// degrees, the sidereal angle also taken whole turns on (as far as a stretch reaches).
TEST(WatchedStretchTest, ClosedFormAnglesMatchTheEngine) {
  std::mt19937 random(3);
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  double largest = 0.0;
  for (int i = 0; i < 20000; ++i) {
    const ChartMoment m{1 + i % 28, 1 + i % 12, 1500 + i % 800, real(0.0, 24.0), 0.0, real(-85.0, 85.0), false, false};
    ChartResult chart;
    ComputeFactors(m, FactorBit(MC) | FactorBit(AS), chart);
    const AngleTerms terms(1.0, 1.0, m.latitude);
    const AngleTerms::Angles angles = terms.At(chart.state.ramc + 2.0 * M_PI * (i % 15), -chart.state.negObliquity);
    for (const double error : {angles.mc - chart.state.factorLongitude[MC], angles.as - chart.state.factorLongitude[AS]}) {
      largest = std::max(largest, std::abs(std::remainder(error, 360.0)));
    }
  }
  EXPECT_LT(largest, 1e-7);
}

}  // namespace
}  // namespace gyrolux
