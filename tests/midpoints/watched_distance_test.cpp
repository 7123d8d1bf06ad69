#include "midpoints/alarm_query.h"

#include <vector>

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace gyrolux
