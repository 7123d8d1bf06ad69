#include "engine/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gyrolux {
namespace {

TEST(AnglesTest, ReductionsKeepTheSignOrLieInRange) {
  EXPECT_DOUBLE_EQ(Mod22_5(45.0), 0.0);
  EXPECT_DOUBLE_EQ(Mod30(-45.0), -15.0);
  EXPECT_DOUBLE_EQ(Mod360(-365.0), -5.0);
  EXPECT_DOUBLE_EQ(ModPositive(-5.0, 360.0), 355.0);
  // A tiny negative angle raised by m would round to m itself: it is the angle 0.
  EXPECT_EQ(ModPositive(-1e-20, 360.0), 0.0);
  EXPECT_EQ(ModPositive(-1e-300, kTwoPi), 0.0);
  for (double x : {-1e-17, -3e-15, 1e9 + 0.5, -7.25e5}) {
    const double r = ModPositive(x, 360.0);
    EXPECT_TRUE(r >= 0.0 && r < 360.0) << x;
  }
}

TEST(AnglesTest, PolarAndRectangularFormsCoverEveryQuadrant) {
  const struct {
    double x, y, angle;
  } quadrants[] = {{-1.0, 0.0, kPi},          {0.5, -0.5, 7 * kPi / 4}, {-1.0, 1.0, 3 * kPi / 4},
                   {-1.0, -1.0, 5 * kPi / 4}, {0.0, 2.0, kPi / 2},      {0.0, 0.0, kPi / 2}};
  for (const auto& q : quadrants) EXPECT_NEAR(RectToPolar(q.x, q.y).angle, q.angle, 2e-9) << q.x << " " << q.y;
  EXPECT_NEAR(RectToPolar(0.5, -0.5).r, std::sqrt(0.5), 1e-15);
  // A point on the positive x axis keeps an angle just above 0, never 2 pi.
  EXPECT_NEAR(RectToPolar(1.0, 0.0).angle, 1.754533e-09, 1e-20);
  EXPECT_NEAR(PlanetRectToPolar(1.0, 0.0).angle, 1.7e-09, 1e-20);
  EXPECT_EQ(PlanetPolarAngle(0.3, -0.7), PlanetRectToPolar(0.3, -0.7).angle);
  // The angle 0 is replaced before sine and cosine.
  EXPECT_EQ(PolarToRect(0.0, 2.0).y, std::sin(1.75453e-09) * 2.0);
  EXPECT_EQ(PlanetPolarToRect(0.0, 2.0).y, std::sin(1.7e-09) * 2.0);
  EXPECT_NEAR(PolarToRect(kPi / 2, 3.0).y, 3.0, 1e-15);
  EXPECT_FALSE(std::isnan(RectToPolar(std::numeric_limits<double>::infinity(), 1.0).angle));
}

}  // namespace
}  // namespace gyrolux
