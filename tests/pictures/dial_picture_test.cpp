// The main window's wheel. Its rings share their rule with the enlarged dial
// (enlarged_dial_test.cpp); here the wheel's own radii, colours and letters.
#include <gtest/gtest.h>

#include <cmath>

#include "pictures/dial_picture.h"
#include "platform/colors.h"
#include "tests/test_support/charts.h"

namespace gyrolux {
namespace {

// Every factor 15 degrees on from the last (cells 5 apart: no crowding), MC at 0.5.
ChartState Spread() {
  ChartState state;
  for (int i = 0; i < kFactorCount; ++i) state.factorLongitude[i] = 0.5 + 15.0 * i;
  return state;
}

using testing::FindText;

// The radius of a glyph's corner; the horizontal is shrunk back by 99/100.
double GlyphRadius(const PictureOp* op) { return std::hypot((op->x1 - 260) * 0.99, 260 - op->y1); }

TEST(DialPictureTest, CrowdedCellsPushTheGlyphsOutwardsAndInwards) {
  ChartState state = Spread();
  // Five factors of the outer ring in the cell 99..102 degrees, in the order they are drawn.
  const std::array<int, 5> crowd = {SO, AS, MO, KN, ME};
  for (int n = 0; n < 5; ++n) state.factorLongitude[crowd[n]] = 99.2 + 0.5 * n;
  state.factorLongitude[CU] = 300.1;  // two of the inner ring in one cell
  state.factorLongitude[HA] = 301.9;
  state.factorLongitude[VE] = 359.5;  // cell 119: the first ring, not pushed by MC at 0.5
  const Picture picture = DrawDial(state, true, QImage());
  const std::pair<int, double> radii[] = {{SO, 235}, {AS, 250}, {MO, 265}, {KN, 280}, {CU, 200}, {HA, 185}, {VE, 235}};
  for (const auto& [factor, radius] : radii) EXPECT_NEAR(GlyphRadius(FindText(picture, FactorGlyph(factor))), radius, 2.0) << factor;
  // The fifth stands at the outer end of its tick, 220 at its own longitude 101.2, turned
  // along the circle: longitude in tenths plus 270 degrees.
  const PictureOp* fifth = FindText(picture, FactorGlyph(ME));
  EXPECT_EQ(QPoint(fifth->x1, fifth->y1), QPoint(260 + static_cast<int>(220 * std::cos(101.2 * M_PI / 180)),
                                                 260 - static_cast<int>(220 * std::sin(101.2 * M_PI / 180))));
  EXPECT_EQ(fifth->escapement, 1012 + 2700);
}

TEST(DialPictureTest, LettersWithoutTheFont) {
  const Picture picture = DrawDial(Spread(), true, QImage());
  EXPECT_EQ(FindText(picture, FactorGlyph(AS))->font.color, clRed);
  // Without the font the signs and factors as letters; WI and GZ get a glyph in neither form.
  const Picture without = DrawDial(Spread(), false, QImage());
  EXPECT_TRUE(FindText(without, QStringLiteral("WID")) && FindText(without, QStringLiteral("FIS")));
  EXPECT_TRUE(FindText(without, QStringLiteral("MC")) && !FindText(without, FactorGlyph(MC)));
  EXPECT_EQ(FindText(without, QStringLiteral("GZ")), nullptr);
  EXPECT_EQ(FindText(picture, FactorGlyph(WI)), nullptr);
  EXPECT_EQ(FindText(picture, FactorGlyph(GZ)), nullptr);
}

}  // namespace
}  // namespace gyrolux
