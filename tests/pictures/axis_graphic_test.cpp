#include <gtest/gtest.h>

#include "pictures/axis_graphic.h"
#include "pictures/dial_picture.h"
#include "platform/colors.h"
#include "tests/test_support/charts.h"

namespace gyrolux {
namespace {

using testing::FindText;

// The red mark's column and rows.
std::vector<int> MarkRows(const Picture& picture, int column) {
  std::vector<int> rows;
  for (const PictureOp& op : picture.ops()) {
    if (op.kind == PictureOp::Kind::Pixel && op.x1 == column && op.color == clRed) rows.push_back(op.y1);
  }
  return rows;
}

Chart Moment() {
  Chart chart = testing::ChartOn(5, 12, 2026, testing::kMorning);
  // Every factor on a degree of its own from 10 on, away from the cases below.
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[i] = 22.5 * i + 10.25 + 0.5 * (i % 12);
  chart.state.factorLongitude[WI] = 0.0;
  return chart;
}

TEST(AxisGraphicTest, GlyphsStackOnTheirDegreeAndHandTheirDepthToTheNeighbour) {
  Chart chart = Moment();
  auto& lon = chart.state.factorLongitude;
  lon[SO] = 5.2;              // fraction 0.2: degree 4 takes its depth
  lon[MO] = 5.9;              // below SO, and degree 6 takes the new depth 40
  lon[ME] = 6.1;              // 6.1: 40 pixels down on degree 6
  lon[VE] = 4.7;              // 4.7: on degree 4 at the depth SO left, 20
  lon[PO] = 22.49;            // x = 674
  const Picture picture = DrawAxisGraphic(chart);
  struct Place {
    int factor, x, depth;
  };
  for (const Place& p : {Place{SO, 156, 0}, Place{MO, 177, 20}, Place{ME, 183, 40}, Place{VE, 141, 20},
                         Place{PO, 674, 0}, Place{WI, 0, 0}}) {
    const PictureOp* glyph = FindText(picture, FactorGlyph(p.factor));
    ASSERT_NE(glyph, nullptr) << p.factor;
    EXPECT_EQ(QPoint(glyph->x1, glyph->y1), QPoint(p.x + 12, 50 + p.depth)) << FactorAbbrev[p.factor];
    // The mark right above the glyph in the factor's exact column (0 degrees at x = 17).
    std::vector<int> rows = MarkRows(picture, p.x + 17);
    std::vector<int> expected;
    for (int y = 45 + p.depth; y <= 50 + p.depth; ++y) expected.push_back(y);
    EXPECT_TRUE(std::search(rows.begin(), rows.end(), expected.begin(), expected.end()) != rows.end())
        << FactorAbbrev[p.factor];
  }
  EXPECT_EQ(FindText(picture, FactorGlyph(AS))->font.color, clRed);
  EXPECT_EQ(FindText(picture, FactorGlyph(GZ)), nullptr);
}

TEST(AxisGraphicTest, TheListInTheFactorsColoursAndTheMomentLine) {
  const Picture picture = DrawAxisGraphic(Moment());
  int listed = 0;
  for (const PictureOp& op : picture.ops()) {
    if (op.kind != PictureOp::Kind::Text || op.font.face != QStringLiteral("Ariel") || !op.font.bold) continue;
    for (int i = 0; i < 22; ++i) {
      if (!op.text.startsWith(QLatin1String(FactorAbbrev[i]) + u' ')) continue;
      ++listed;
      EXPECT_EQ(op.font.color, i == MC ? clGreen : i == AS ? clRed : clNavy) << i;
    }
  }
  EXPECT_EQ(listed, 22);
  EXPECT_NE(FindText(picture, QStringLiteral("WI 00°00'")), nullptr);
  EXPECT_NE(FindText(picture, QStringLiteral("Sa, 05.12.2026, 10:29:50, L:+010°00', B:+50°00'")), nullptr);
}

}  // namespace
}  // namespace gyrolux
