#include "engine/houses.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "engine/angles.h"
#include "engine/factors.h"

namespace gyrolux {
namespace {

TEST(HousesTest, MidpointHouseCountsThirtyDegreeSectorsFromTheBase) {
  EXPECT_EQ(MidpointHouse(MC, MC, 100.0, 100.0), 10);
  EXPECT_EQ(MidpointHouse(MC, SO, 100.0, 100.0), 10);
  EXPECT_EQ(MidpointHouse(MC, SO, 100.0, 130.0), 11);
  EXPECT_EQ(MidpointHouse(MC, SO, 100.0, 99.9), 9);
  EXPECT_EQ(MidpointHouse(AS, SO, 0.0, 359.5), 12);
  EXPECT_EQ(MidpointHouse(AS, SO, 350.0, 5.0), 1);
  // Exactly 30 degrees below the base: two houses before the base's house.
  EXPECT_EQ(MidpointHouse(AS, SO, 100.0, 70.0), 11);
  // The base factor itself stands on its cusp, wherever the longitude is.
  EXPECT_EQ(MidpointHouse(WI, WI, 0.0, 200.0), 7);
  EXPECT_EQ(MidpointHouse(KN, KN, 10.0, 10.0), 1);
  // A base above 5 counts as SO.
  EXPECT_EQ(MidpointHouse(CU, MO, 0.0, 0.0), 4);
  EXPECT_EQ(MidpointHouse(CU, SO, 50.0, 0.0), 4);
  EXPECT_EQ(MidpointHouse(CU, MO, 50.0, 200.0), 9);
}

TEST(HousesTest, MidpointHouseStaysWithinTwelveHouses) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (int base = 0; base < 6; ++base) {
    for (double bl : {0.0, 29.9, 180.0, 359.99, 360.01, -0.5, 1e9, nan}) {
      for (double l : {0.0, 15.0, 359.999, 725.0, -1e12, nan}) {
        const int h = MidpointHouse(base, base + 1, bl, l);
        ASSERT_GE(h, 1) << base << " " << bl << " " << l;
        ASSERT_LE(h, 12) << base << " " << bl << " " << l;
      }
    }
  }
  // A Sun a little above 360 is in the same house as the same Sun below 0.
  EXPECT_EQ(MidpointHouse(SO, MC, 360.5, 10.0), MidpointHouse(SO, MC, 0.5, 10.0));
}

TEST(HousesTest, MeaningTexts) {
  const auto& meaning = HouseMeaning();
  EXPECT_EQ(meaning[0], "  Bezieht sich auf Anlagen aus Herkunft, Vererbung und Abstammung");
  EXPECT_TRUE(meaning[6].startsWith("  Bezieht sich auf auf den"));
  EXPECT_TRUE(meaning[6].endsWith("\r\n  Mitarbeiter, Kamerad "));
  EXPECT_TRUE(meaning[11].contains(u"Gesellschaften \r\n  und Räumlichkeiten"));
  EXPECT_TRUE(meaning[3].contains(u"Häuslichkeit"));
  int twoLine = 0;
  for (const QString& text : meaning) {
    EXPECT_TRUE(text.startsWith("  Bezieht sich auf "));
    if (text.contains("\r\n  ")) ++twoLine;
  }
  EXPECT_EQ(twoLine, 8);  // houses 3, 4, 5, 7, 8, 9, 10 and 12
}

TEST(HousesTest, SignNames) {
  EXPECT_EQ(QString(SignAbbrev).size(), 38);
  EXPECT_EQ(SignOfLongitude(0.0), "WID");
  EXPECT_EQ(SignOfLongitude(29.999), "WID");
  EXPECT_EQ(SignOfLongitude(30.0), "STI");
  EXPECT_EQ(SignOfLongitude(95.0), "KRE");
  EXPECT_EQ(SignOfLongitude(200.0), "WAA");
  EXPECT_EQ(SignOfLongitude(359.99), "FIS");
  // Longitudes outside 0..360 name the sign of the same direction.
  EXPECT_EQ(SignOfLongitude(360.004), "WID");
  EXPECT_EQ(SignOfLongitude(-5.0), "FIS");
  EXPECT_EQ(SignOfLongitude(std::numeric_limits<double>::quiet_NaN()).size(), 3);
  EXPECT_EQ(SignNumber(150.0), 6);
}

TEST(HousesTest, MeridianCuspsFollowTheSiderealAngle) {
  const double eps = DegToRad(23.44);
  // At RAMC 0 the tenth cusp lies at 0, the fourth (k = 6) opposite.
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 0), 0.0, 1e-9);
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 6), 180.0, 1e-9);
  // RAMC 90 degrees: the ecliptic meets it at 90 as well.
  EXPECT_NEAR(MeridianHouseCusp(kPi / 2, -eps, 0), 90.0, 1e-9);
  // tan(cusp) = tan(30 degrees) / cos(eps) for k = 1 at RAMC 0.
  EXPECT_NEAR(MeridianHouseCusp(0.0, -eps, 1),
              RadToDeg(std::atan(std::tan(kPi / 6) / std::cos(eps))), 1e-9);
  // The cusps run once around the circle in order.
  const double ramc = DegToRad(280.46);
  for (int k = 0; k < 12; ++k) {
    const double cusp = MeridianHouseCusp(ramc, -eps, k);
    EXPECT_GE(cusp, 0.0);
    EXPECT_LT(cusp, 360.0);
    const double next = MeridianHouseCusp(ramc, -eps, (k + 1) % 12);
    const double step = std::fmod(next - cusp + 360.0, 360.0);
    EXPECT_GT(step, 20.0);
    EXPECT_LT(step, 40.0);
  }
}

}  // namespace
}  // namespace gyrolux
