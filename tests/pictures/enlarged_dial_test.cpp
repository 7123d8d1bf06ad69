#include <gtest/gtest.h>

#include <cmath>

#include "engine/houses.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "platform/colors.h"
#include "tests/test_support/charts.h"

namespace gyrolux {
namespace {

// Factor i at 0.5 + 15 i degrees: no two share a cell or a neighbouring one.
Chart Spread() {
  Chart chart = testing::ChartOn(5, 12, 2026, testing::kMorning);
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[i] = 0.5 + 15.0 * i;
  chart.state.ramc = 1.0;
  chart.state.negObliquity = -0.409;
  return chart;
}

using testing::FindText;
// A factor's glyph (12 points; the centre emblem draws some of the same characters).
const PictureOp* GlyphOp(const Picture& picture, int factor) { return FindText(picture, FactorGlyph(factor), 12); }

double Radius(int x, int y, int centre) { return std::hypot(x - centre, y - centre); }
double Angle(int x, int y, int centre) { return std::fmod(std::atan2(centre - y, x - centre) * 180 / M_PI + 360, 360); }

TEST(EnlargedDialTest, CrowdedCellsStackOutwardsAndInwardsWithoutWrappingAtZero) {
  Chart chart = Spread();
  auto& lon = chart.state.factorLongitude;
  // Five of the outer ring in the cell 99..101 degrees, in drawing order: 302, 322, 342,
  // 362, then the end of the tick.
  const std::array<int, 5> crowd = {SO, AS, MO, KN, ME};
  for (int n = 0; n < 5; ++n) lon[crowd[n]] = 99.2 + 0.4 * n;
  lon[MC] = 300.0;
  lon[MA] = 358.5;  // marks its own cell and the one before, not cell 0
  lon[JU] = 356.0;  // the cell before 358.5: pushed out
  lon[UR] = 1.2;    // cell 0: pushed by neither
  lon[NE] = 3.4;    // the cell after 1.2: pushed out
  lon[CU] = 250.1;  // two of the inner ring in one cell
  lon[HA] = 251.9;
  const Picture picture = DrawEnlargedDial(chart, {}, true, QString());
  const std::vector<std::pair<int, double>> radii = {{SO, 302}, {AS, 322}, {MO, 342}, {KN, 362}, {MA, 302},
                                                     {JU, 322}, {UR, 302}, {NE, 322}, {CU, 252}, {HA, 232}};
  for (const auto& [factor, radius] : radii) {
    const PictureOp* op = GlyphOp(picture, factor);
    ASSERT_NE(op, nullptr) << factor;
    EXPECT_NEAR(Radius(op->x1, op->y1, 371), radius, 1.5) << FactorAbbrev[factor];
    EXPECT_NEAR(std::remainder(Angle(op->x1, op->y1, 371) - lon[factor] - 1.4, 360), 0, 0.3) << FactorAbbrev[factor];
    EXPECT_EQ(op->escapement, static_cast<int>(lon[factor] * 10) + 2700);
  }
  const PictureOp* fifth = GlyphOp(picture, ME);
  EXPECT_EQ(QPoint(fifth->x1, fifth->y1), QPoint(370 + static_cast<int>(280 * std::cos(lon[ME] * M_PI / 180)),
                                                 370 - static_cast<int>(280 * std::sin(lon[ME] * M_PI / 180))));
}

TEST(EnlargedDialTest, WiIsNeverDrawnGzHasATickWithoutALabelLettersWithoutTheFont) {
  Chart chart = Spread();
  chart.state.factorLongitude[WI] = 47.0;
  chart.state.factorLongitude[GZ] = 133.0;
  for (bool symbolFont : {true, false}) {
    const Picture picture = DrawEnlargedDial(chart, {}, symbolFont, QString());
    int wiTicks = 0, gzTicks = 0, wiTexts = 0;
    for (const PictureOp& op : picture.ops()) {
      // "WI" once, as the label of the Aries point.
      wiTexts += op.kind == PictureOp::Kind::Text && (op.text == QStringLiteral("WI") || op.text == FactorGlyph(WI));
      if (op.kind != PictureOp::Kind::Line || std::abs(Radius(op.x1, op.y1, 370) - 280) > 1.5) continue;
      wiTicks += std::abs(Angle(op.x1, op.y1, 370) - 47.0) < 0.3;
      gzTicks += std::abs(Angle(op.x1, op.y1, 370) - 133.0) < 0.3 && std::abs(Radius(op.x2, op.y2, 370) - 255) < 1.5;
    }
    EXPECT_EQ(wiTicks, 0);
    EXPECT_EQ(gzTicks, 1);
    EXPECT_EQ(wiTexts, 1);
    EXPECT_EQ(symbolFont ? GlyphOp(picture, GZ) : FindText(picture, QStringLiteral("GZ")), nullptr);
    // MC bold; AS bold only as letters.
    EXPECT_TRUE(FindText(picture, symbolFont ? FactorGlyph(MC) : QStringLiteral("MC"), symbolFont ? 12 : 8)->font.bold);
    EXPECT_EQ(FindText(picture, symbolFont ? FactorGlyph(AS) : QStringLiteral("AS"), symbolFont ? 12 : 8)->font.bold,
              !symbolFont);
  }
  EXPECT_EQ(FindText(DrawEnlargedDial(chart, {}, false, QString()), QStringLiteral("WID"))->font.face, QStringLiteral("Arial"));
}

TEST(EnlargedDialTest, HouseCirclesTheirColoursNumbersAndTurning) {
  const Chart chart = Spread();
  struct Case {
    HouseCircle circle;
    QRgb firstColour;
    int firstHouse;
  };
  const Case cases[] = {{{MC, 0}, clGreen, 10}, {{MC, 1}, clNavy, 10},  {{AS, 0}, clRed, 1},  {{SO, 0}, clMaroon, 4},
                        {{WI, -180}, clNavy, 7}, {{KN, 0}, clMaroon, 1}, {{MO, 25}, clNavy, 10}};
  for (const Case& c : cases) {
    const Picture picture = DrawEnlargedDial(chart, c.circle, true, QString());
    // The cusp lines from radius 90 to 270 in colour (the fixed spokes are black).
    std::vector<PictureOp> cusps;
    for (const PictureOp& op : picture.ops()) {
      if (op.kind == PictureOp::Kind::Line && op.pen.color != clBlack && std::abs(Radius(op.x1, op.y1, 370) - 90) < 1.5 &&
          std::abs(Radius(op.x2, op.y2, 370) - 270) < 1.5) {
        cusps.push_back(op);
      }
    }
    ASSERT_EQ(cusps.size(), 12u);
    for (int k = 0; k < 12; ++k) {
      EXPECT_EQ(cusps[k].pen, (PicturePen{k == 0 ? c.firstColour : clNavy, k == 0 ? 2 : 1})) << k;
      // The MC circle not turned has the unequal MC-house cusps, all others equal houses.
      const bool meridian = c.circle.factor == MC && c.circle.rotation == 0;
      const double cusp = meridian ? MeridianHouseCusp(1.0, -0.409, k)
                                   : std::fmod(30.0 * k + chart.state.factorLongitude[c.circle.factor] + c.circle.rotation + 720, 360);
      EXPECT_NEAR(Angle(cusps[k].x2, cusps[k].y2, 370), cusp, 0.3) << k;
      // The number 15 degrees on at radius 110 about (362, 362), navy and bold.
      const PictureOp* number = FindText(picture, QString::number((c.firstHouse + k - 1) % 12 + 1), 10);
      ASSERT_NE(number, nullptr);
      EXPECT_NEAR(Radius(number->x1, number->y1, 362), 110, 1.5);
      EXPECT_NEAR(std::fmod(Angle(number->x1, number->y1, 362) - cusp + 720, 360), 15, 0.5);
      EXPECT_EQ(number->font.color, clNavy);
    }
  }
  EXPECT_EQ(RotationLabel(RotationOfScrollPosition(175)), QStringLiteral("-5"));
  EXPECT_EQ(RotationLabel(RotationOfScrollPosition(360)), QStringLiteral("+180"));
}

}  // namespace
}  // namespace gyrolux
