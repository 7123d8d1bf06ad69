// The radix ring op by op, for a radix with SO at 0° and MO at 90° (positions worked by
// hand: the centre (260, 260), y downwards).
#include <gtest/gtest.h>

#include "pictures/radix_ring.h"

namespace gyrolux {
namespace {

TEST(RadixRing, TicksAndLettersOnARingOfItsOwn) {
  ChartState radix;
  radix.factorLongitude.fill(0.0);
  radix.factorLongitude[MO] = 90.0;
  Picture picture(520, 520);
  DrawRadixRing(picture, radix, false);
  const auto& ops = picture.ops();
  ASSERT_FALSE(ops.empty());
  EXPECT_EQ(ops[0].kind, PictureOp::Kind::Ellipse);
  EXPECT_EQ(QRect(QPoint(ops[0].x1, ops[0].y1), QPoint(ops[0].x2, ops[0].y2)), QRect(QPoint(120, 120), QPoint(400, 400)));
  int lines = 0, texts = 0;
  for (const PictureOp& op : ops) {
    if (op.kind == PictureOp::Kind::Line) {
      ++lines;
      EXPECT_EQ(op.pen.color, kRadixColor);
    }
    if (op.kind == PictureOp::Kind::Text) {
      ++texts;
      EXPECT_EQ(op.font.color, kRadixColor);
      if (op.text == u"SO") EXPECT_EQ(QPoint(op.x1, op.y1), QPoint(260 + 118 - 6, 260 - 5));
      if (op.text == u"MO") EXPECT_EQ(QPoint(op.x1, op.y1), QPoint(260 - 6, 260 - 118 - 5));
    }
  }
  // 23 factors without WI and GZ.
  EXPECT_EQ(lines, 21);
  EXPECT_EQ(texts, 21);
  const auto moTick = std::find_if(ops.begin(), ops.end(), [](const PictureOp& op) {
    return op.kind == PictureOp::Kind::Line && op.x1 == 260 && op.y1 == 260 - 140;
  });
  ASSERT_NE(moTick, ops.end());
  EXPECT_EQ(QPoint(moTick->x2, moTick->y2), QPoint(260, 260 - 130));
}

}  // namespace
}  // namespace gyrolux
