#include "engine/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gyrolux {
namespace {

TEST(AnglesTest, ReductionsKeepTheSignOrLieInRange) {
  EXPECT_DOUBLE_EQ(Mod22_5(45.0), 0.0);
  EXPECT_DOUBLE_EQ(Mod22_5(22.49), 22.49);
  EXPECT_NEAR(Mod30(359.9), 29.9, 1e-12);
  EXPECT_DOUBLE_EQ(Mod360(725.0), 5.0);
  EXPECT_DOUBLE_EQ(Mod360(-5.0), -5.0);
  EXPECT_DOUBLE_EQ(Mod360(-365.0), -5.0);
  EXPECT_DOUBLE_EQ(Mod30(-45.0), -15.0);
  EXPECT_DOUBLE_EQ(ModPositive(-5.0, 360.0), 355.0);
  EXPECT_NEAR(ModPositive(725.0, 360.0), 5.0, 1e-12);
  // A tiny negative angle raised by m would round to m itself: it is the angle 0.
  EXPECT_EQ(ModPositive(-1e-20, 360.0), 0.0);
  EXPECT_EQ(ModPositive(-1e-300, kTwoPi), 0.0);
  for (double x : {-1e-17, -3e-15, 1e9 + 0.5, -7.25e5}) {
    const double r = ModPositive(x, 360.0);
    EXPECT_GE(r, 0.0) << x;
    EXPECT_LT(r, 360.0) << x;
  }
}

TEST(AnglesTest, TrigonometricHelpers) {
  EXPECT_DOUBLE_EQ(DegToRad(180.0), kPi);
  EXPECT_DOUBLE_EQ(RadToDeg(kPi), 180.0);
  EXPECT_NEAR(SinDeg(30.0), 0.5, 1e-15);
  EXPECT_NEAR(CosDeg(60.0), 0.5, 1e-15);
  EXPECT_NEAR(TanRad(kPi / 4), 1.0, 1e-15);
}

TEST(AnglesTest, PolarAndRectangularFormsCoverEveryQuadrant) {
  EXPECT_NEAR(RectToPolar(-1.0, 0.0).angle, kPi, 2e-9);
  EXPECT_NEAR(RectToPolar(0.5, -0.5).angle, 7 * kPi / 4, 1e-12);
  EXPECT_NEAR(RectToPolar(0.5, -0.5).r, std::sqrt(0.5), 1e-15);
  EXPECT_NEAR(RectToPolar(-1.0, 1.0).angle, 3 * kPi / 4, 1e-12);
  EXPECT_NEAR(RectToPolar(-1.0, -1.0).angle, 5 * kPi / 4, 1e-12);
  EXPECT_NEAR(RectToPolar(0.0, 2.0).angle, kPi / 2, 1e-12);
  // A point on the positive x axis keeps an angle just above 0, never 2 pi.
  EXPECT_NEAR(RectToPolar(1.0, 0.0).angle, 1.754533e-09, 1e-20);
  EXPECT_NEAR(PlanetRectToPolar(1.0, 0.0).angle, 1.7e-09, 1e-20);
  EXPECT_NEAR(PlanetRectToPolar(-2.0, 0.0).angle, kPi, 1e-9);
  EXPECT_EQ(PlanetPolarAngle(-2.0, 0.0), PlanetRectToPolar(-2.0, 0.0).angle);
  EXPECT_EQ(PlanetPolarAngle(0.3, -0.7), PlanetRectToPolar(0.3, -0.7).angle);

  // The angle 0 is replaced before sine and cosine.
  EXPECT_EQ(PolarToRect(0.0, 2.0).y, std::sin(1.75453e-09) * 2.0);
  EXPECT_EQ(PlanetPolarToRect(0.0, 2.0).y, std::sin(1.7e-09) * 2.0);
  const RectPoint p = PolarToRect(kPi / 2, 3.0);
  EXPECT_NEAR(p.x, 0.0, 1e-15);
  EXPECT_NEAR(p.y, 3.0, 1e-15);

  // The origin and infinities give numbers or NaN, never a trap.
  EXPECT_NEAR(RectToPolar(0.0, 0.0).angle, kPi / 2, 1e-12);
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(std::isnan(RectToPolar(inf, 1.0).angle));
}

}  // namespace
}  // namespace gyrolux
