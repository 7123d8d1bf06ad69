#include <gtest/gtest.h>

#include <cmath>

#include "pictures/dial_picture.h"
#include "platform/colors.h"

namespace gyrolux {
namespace {

// Every factor 15 degrees on from the last (cells 5 apart: no crowding), MC at 0.5.
ChartState Spread() {
  ChartState state;
  for (int i = 0; i < kFactorCount; ++i) state.factorLongitude[i] = 0.5 + 15.0 * i;
  return state;
}

const PictureOp* TextOp(const Picture& picture, const QString& text) {
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Text && op.text == text) return &op;
  }
  return nullptr;
}

// The radius of a glyph's corner; the horizontal is shrunk back by 99/100.
double GlyphRadius(const PictureOp& op) {
  return std::hypot((op.x1 - 260) * 0.99, 260 - op.y1);
}

TEST(DialPictureTest, CrowdedCellsPushTheGlyphsOutwardsAndInwards) {
  ChartState state = Spread();
  // Five factors of the outer ring in the cell 99..102 degrees, in the order they are drawn.
  const std::array<int, 5> crowd = {SO, AS, MO, KN, ME};
  for (int n = 0; n < 5; ++n) state.factorLongitude[crowd[n]] = 99.2 + 0.5 * n;
  // Two of the inner ring side by side in one cell.
  state.factorLongitude[CU] = 300.1;
  state.factorLongitude[HA] = 301.9;
  const Picture picture = DrawDial(state, true, QImage());

  const std::array<double, 4> outer = {235, 250, 265, 280};
  for (int n = 0; n < 4; ++n) {
    const PictureOp* op = TextOp(picture, FactorGlyph(crowd[n]));
    ASSERT_NE(op, nullptr);
    EXPECT_NEAR(GlyphRadius(*op), outer[n], 2.0) << n;
  }
  // The fifth stands at the outer end of its tick: 220 at its own longitude 101.2.
  const PictureOp* fifth = TextOp(picture, FactorGlyph(ME));
  ASSERT_NE(fifth, nullptr);
  EXPECT_EQ(fifth->x1, 260 + static_cast<int>(220 * std::cos(101.2 * M_PI / 180)));
  EXPECT_EQ(fifth->y1, 260 - static_cast<int>(220 * std::sin(101.2 * M_PI / 180)));
  // Turned along the circle: longitude in tenths plus 270 degrees.
  EXPECT_EQ(fifth->escapement, 1012 + 2700);

  EXPECT_NEAR(GlyphRadius(*TextOp(picture, FactorGlyph(CU))), 200, 2.0);
  EXPECT_NEAR(GlyphRadius(*TextOp(picture, FactorGlyph(HA))), 185, 2.0);
  // A lone factor stays on the first ring, glyph 1.4 degrees ahead of its tick.
  const PictureOp* ju = TextOp(picture, FactorGlyph(JU));
  ASSERT_NE(ju, nullptr);
  EXPECT_NEAR(GlyphRadius(*ju), 235, 2.0);
  EXPECT_NEAR(std::atan2(260 - ju->y1, (ju->x1 - 260) * 0.99) * 180 / M_PI, 135.5 + 1.4, 0.5);
}

TEST(DialPictureTest, NeighbouringCellsCountAndTheEndsOfTheCircleDoNotWrap) {
  ChartState state = Spread();
  state.factorLongitude[SO] = 100.0;  // cell 33, marks 32..34
  state.factorLongitude[AS] = 104.5;  // cell 34: one before it
  state.factorLongitude[MO] = 359.5;  // cell 119, marks 118..119 only
  state.factorLongitude[KN] = 0.5;    // cell 0: not a neighbour of 359.5
  const Picture picture = DrawDial(state, true, QImage());
  EXPECT_NEAR(GlyphRadius(*TextOp(picture, FactorGlyph(AS))), 250, 2.0);
  EXPECT_NEAR(GlyphRadius(*TextOp(picture, FactorGlyph(KN))), 250, 2.0);  // MC at 0.5
  EXPECT_NEAR(GlyphRadius(*TextOp(picture, FactorGlyph(MO))), 235, 2.0);
}

TEST(DialPictureTest, ColoursOfCuspsAndFactors) {
  ChartState state = Spread();
  state.ramc = 1.0;
  state.negObliquity = -0.409;
  const Picture picture = DrawDial(state, true, QImage());
  // The twelve cusp lines of the moment run from radius 75 to 210 in colour (the fixed
  // house ring is black): the first (the MC's) green.
  std::vector<QRgb> cuspColours;
  for (const PictureOp& op : picture.ops()) {
    if (op.kind != PictureOp::Kind::Line || op.pen.color == clBlack) continue;
    if (std::abs(std::hypot(op.x1 - 260, op.y1 - 260) - 75) < 1.5 &&
        std::abs(std::hypot(op.x2 - 260, op.y2 - 260) - 210) < 1.5) {
      cuspColours.push_back(op.pen.color);
    }
  }
  ASSERT_EQ(cuspColours.size(), 12u);
  EXPECT_EQ(cuspColours[0], clGreen);
  for (size_t k = 1; k < 12; ++k) EXPECT_EQ(cuspColours[k], clNavy) << k;
  const std::pair<int, QRgb> colours[] = {{MC, clGreen}, {AS, clRed}, {PL, clNavy}};
  for (const auto& [factor, colour] : colours) EXPECT_EQ(TextOp(picture, FactorGlyph(factor))->font.color, colour);
  EXPECT_EQ(TextOp(picture, FactorGlyph(MC))->font.face, QStringLiteral("RuduzodediRuvedur"));
}

// The glyph codes themselves are the symbol font's table (tests/platform/symbol_font_test.cpp).
TEST(DialPictureTest, GlyphsWithTheFontAndLettersWithoutIt) {
  EXPECT_EQ(SignFallbackText(0), QStringLiteral("WID"));
  EXPECT_EQ(SignFallbackText(11), QStringLiteral("FIS"));

  const ChartState state = Spread();
  const Picture withFont = DrawDial(state, true, QImage());
  const Picture without = DrawDial(state, false, QImage());
  for (int k = 0; k < 12; ++k) {
    EXPECT_NE(TextOp(withFont, SignGlyph(k)), nullptr) << k;
    EXPECT_EQ(TextOp(withFont, SignFallbackText(k)), nullptr) << k;
    EXPECT_NE(TextOp(without, SignFallbackText(k)), nullptr) << k;
  }
  EXPECT_TRUE(TextOp(without, QStringLiteral("MC")) && TextOp(without, QStringLiteral("PO")));
  EXPECT_EQ(TextOp(without, FactorGlyph(MC)), nullptr);
  // WI and GZ get a glyph in neither form.
  EXPECT_EQ(TextOp(withFont, FactorGlyph(WI)), nullptr);
  EXPECT_EQ(TextOp(withFont, FactorGlyph(GZ)), nullptr);
  EXPECT_EQ(TextOp(without, QStringLiteral("GZ")), nullptr);
}

}  // namespace
}  // namespace gyrolux
