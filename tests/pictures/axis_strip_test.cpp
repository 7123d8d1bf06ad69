#include <gtest/gtest.h>

#include "pictures/axis_strip.h"
#include "pictures/dial_picture.h"
#include "platform/colors.h"

namespace gyrolux {
namespace {

int CountText(const Picture& picture, const QString& text) {
  int n = 0;
  for (const PictureOp& op : picture.ops()) {
    n += op.kind == PictureOp::Kind::Text && op.text == text;
  }
  return n;
}

TEST(AxisStripTest, ScaleRowsAndOptions) {
  Chart chart;
  for (int i = 0; i < kFactorCount; ++i) chart.state.factorLongitude[i] = 3.0 * i;
  const Picture bare = DrawAxisStrip(chart, {});
  // The scale 0° to 22° every 22 pixels from 17 on, each with its line 40..400.
  EXPECT_EQ(CountText(bare, QStringLiteral("22\u00B0")), 1);
  EXPECT_EQ(CountText(bare, QStringLiteral("23\u00B0")), 0);
  int scaleLines = 0;
  for (const PictureOp& op : bare.ops()) {
    scaleLines += op.kind == PictureOp::Kind::Line && op.y1 == 40 && op.y2 == 400 &&
                  op.x1 == op.x2 && (op.x1 - 17) % 22 == 0;
  }
  EXPECT_EQ(scaleLines, 23);
  // Without options: no MC, AS or hypothetical rows; the planets are there.
  EXPECT_EQ(CountText(bare, FactorGlyph(MC)) + CountText(bare, FactorGlyph(AS)) + CountText(bare, FactorGlyph(CU)), 0);
  EXPECT_EQ(CountText(bare, FactorGlyph(SO)) + CountText(bare, FactorGlyph(PL)), 2);

  const Picture all = DrawAxisStrip(chart, {true, true, true});
  for (int f : kAxisStripOrder) EXPECT_EQ(CountText(all, FactorGlyph(f)), 1) << f;
  // Each row's red marker: six pixels below the glyph's left part.
  int red = 0;
  for (const PictureOp& op : all.ops()) red += op.kind == PictureOp::Kind::Pixel && op.color == clRed;
  EXPECT_EQ(red, 6 * 21);

}

}  // namespace
}  // namespace gyrolux
