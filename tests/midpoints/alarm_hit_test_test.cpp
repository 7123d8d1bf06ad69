#include "midpoints/alarm_hit_test.h"

#include <vector>

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

constexpr int kFiller = kFillerAbbrevIndex;

struct HitCase {
  const char* name;
  AlarmQuery query;
  std::vector<std::pair<int, double>> longitudes;  // factor, longitude; the rest 0
  double distance;
  bool hit;
};

TEST(AlarmHitTest, DistanceAndOrbAsTheClockDefinesThem) {
  const HitCase cases[] = {
      {"midpoints 15 and 16.25 lie 1.25 apart", PictureQuery(SO, MO, MA, JU),
       {{SO, 10.0}, {MO, 20.0}, {MA, 0.0}, {JU, 32.5}}, 1.25, false},
      {"d equal to the orb is no hit", PictureQuery(SO, MO, MA, JU, 1.25),
       {{SO, 10.0}, {MO, 20.0}, {MA, 0.0}, {JU, 32.5}}, 1.25, false},
      {"d equal to 1.18 is no hit", PictureQuery(SO, SO, WI, WI), {{SO, 1.18}}, 1.18, false},
      {"just inside the orb", PictureQuery(SO, SO, WI, WI), {{SO, 1.1799}}, 1.1799, true},
      {"d of 22.4 is a hit across the wrap", PictureQuery(SO, SO, WI, WI), {{SO, 22.4}}, 22.4, true},
      {"d equal to 22.5 - orb is no hit", PictureQuery(SO, SO, WI, WI), {{SO, 22.5 - 1.18}},
       22.5 - 1.18, false},
      {"a longitude past 360 moves the mean by 180, a multiple of 22.5",
       PictureQuery(SO, MO, VE, VE), {{SO, 359.0}, {MO, 3.0}, {VE, 2.0}}, 1.0, true},
      {"the mode reduces 180 + 5 to 5", PictureQuery(SO, MO, VE, VE),
       {{SO, 350.0}, {MO, 20.0}, {VE, 15.0}}, 10.0, false},
      {"\"--\" and WI stand at 0", PictureQuery(kFiller, kFiller, WI, WI), {}, 0.0, true},
      {"a midpoint at 0.5 hits the target 22.5", MidpointAngleQuery(SO, MO, 22.5),
       {{SO, 0.25}, {MO, 0.75}}, 22.0, true},
      {"7 degrees 5 minutes: 8.2 lies outside 1.1", MidpointAngleQuery(MC, AS, 7.0 + 5.0 / 60.0),
       {{MC, 8.2}, {AS, 8.2}}, 8.2 - (7.0 + 5.0 / 60.0), false},
      {"7 degrees 5 minutes: 8.18 lies inside 1.1", MidpointAngleQuery(MC, AS, 7.0 + 5.0 / 60.0),
       {{MC, 8.18}, {AS, 8.18}}, 8.18 - (7.0 + 5.0 / 60.0), true},
      {"the target 0 meets a midpoint of 22.5 reduced to 0", MidpointAngleQuery(PL, kFiller, 0.0),
       {{PL, 45.0}}, 0.0, true},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.name);
    FactorLongitudes longitudes{};
    for (const auto& [factor, longitude] : c.longitudes) longitudes[factor] = longitude;
    const double d = AlarmDistance(c.query, longitudes);
    EXPECT_NEAR(d, c.distance, 1e-12);
    EXPECT_EQ(IsWithinOrb(d, c.query.orb), c.hit);
  }
}

TEST(AlarmHitTest, QueriesCheckTheirFactors) {
  EXPECT_TRUE(IsValidAlarmQuery(PictureQuery(MC, GZ, kFiller, PO)));
  EXPECT_FALSE(IsValidAlarmQuery(PictureQuery(MC, SO, 24, PO)));
  EXPECT_FALSE(IsValidAlarmQuery(PictureQuery(-1, SO, MO, PO)));
  // The angle search reads A and B only.
  EXPECT_TRUE(IsValidAlarmQuery(MidpointAngleQuery(SO, MO, 3.0)));
  EXPECT_EQ(MidpointAngleQuery(SO, MO, 3.0).orb, 1.1);
  EXPECT_EQ(PictureQuery(SO, MO, MA, JU).orb, 1.18);
  EXPECT_EQ(AlarmFactorMask(PictureQuery(MC, kFiller, SO, SO)), FactorBit(MC) | FactorBit(SO));
}

}  // namespace
}  // namespace gyrolux
