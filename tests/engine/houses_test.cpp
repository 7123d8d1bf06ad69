#include "engine/houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/angles.h"
#include "engine/factors.h"

namespace gyrolux {
namespace {

// The house numbers of every list are held against the independent implementation
// (reference_lists_compare, reference_axes_compare); here the numbers no chart gives.
TEST(HousesTest, MidpointHouseCountsThirtyDegreeSectorsFromTheBase) {
  EXPECT_EQ(MidpointHouse(AS, SO, 100.0, 70.0), 11);  // exactly 30 degrees below: two houses before the base's
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int base = 0; base < 6; ++base) {
    for (double bl : {0.0, 359.99, 360.01, -0.5, 1e9, nan}) {
      for (double l : {0.0, 359.999, 725.0, -1e12, nan}) {
        const int h = MidpointHouse(base, base + 1, bl, l);
        ASSERT_TRUE(h >= 1 && h <= 12) << base << " " << bl << " " << l;
      }
    }
  }
  // A Sun a little above 360 is in the same house as the same Sun below 0.
  EXPECT_EQ(MidpointHouse(SO, MC, 360.5, 10.0), MidpointHouse(SO, MC, 0.5, 10.0));
}

TEST(HousesTest, MeaningTextsAndSignNames) {
  EXPECT_EQ(HouseMeaning()[0], "  Bezieht sich auf Anlagen aus Herkunft, Vererbung und Abstammung");
  EXPECT_TRUE(HouseMeaning()[11].contains(u"Gesellschaften \r\n  und Räumlichkeiten"));
  const std::pair<double, const char*> signs[] = {
      {0.0, "WID"}, {29.999, "WID"}, {30.0, "STI"}, {200.0, "WAA"}, {359.99, "FIS"},
      {360.004, "WID"}, {-5.0, "FIS"}};  // outside 0..360: the sign of the same direction
  for (const auto& [longitude, name] : signs) EXPECT_EQ(SignOfLongitude(longitude), name) << longitude;
  EXPECT_EQ(SignOfLongitude(std::numeric_limits<double>::quiet_NaN()).size(), 3);
}

TEST(HousesTest, MeridianCuspsFollowTheSiderealAngle) {
  const double eps = DegToRad(23.44);
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 0), 0.0, 1e-9);
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 6), 180.0, 1e-9);
  EXPECT_NEAR(MeridianHouseCusp(kPi / 2, -eps, 0), 90.0, 1e-9);
  // tan(cusp) = tan(30 degrees) / cos(eps) for k = 1 at RAMC 0.
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 1), RadToDeg(std::atan(std::tan(kPi / 6) / std::cos(eps))), 1e-9);
  // The cusps run once around the circle in order.
  const double ramc = DegToRad(280.46);
  for (int k = 0; k < 12; ++k) {
    const double cusp = MeridianHouseCusp(ramc, -eps, k);
    const double step = std::fmod(MeridianHouseCusp(ramc, -eps, (k + 1) % 12) - cusp + 360.0, 360.0);
    EXPECT_TRUE(cusp >= 0.0 && cusp < 360.0) << k;
    EXPECT_TRUE(step > 20.0 && step < 40.0) << k;
  }
}

}  // namespace
}  // namespace gyrolux
