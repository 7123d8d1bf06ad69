// The dials of 90, 45 and 22.5 degrees: 0° at the top, counter-clockwise, a turn the
// mode's width (places worked by hand about the centre (370, 370)).
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/factors.h"
#include "pictures/dial_picture.h"
#include "pictures/mode_dial.h"
#include "platform/colors.h"

namespace gyrolux {
namespace {

TEST(ModeDial, PlacesPointerAndFactors) {
  const struct {
    DialMode mode;
    QPoint point;
    double position;
  } kPoints[] = {{kMode90, {370, 100}, 0.0}, {kMode90, {100, 370}, 22.5}, {kMode22_5, {640, 370}, 16.875},
                 {kMode45, {370, 640}, 22.5},  {kMode360, {100, 370}, 180.0}};
  for (const auto& p : kPoints) {
    EXPECT_NEAR(*DialPositionAtPoint(p.mode, p.point.x(), p.point.y()), p.position, 1e-9) << p.mode.Width();
  }
  EXPECT_FALSE(DialPositionAtPoint(kMode90, 370, 370));

  Chart chart;
  chart.state.factorLongitude.fill(0.0);
  chart.state.factorLongitude[SO] = 100.0;  // 10° in the mode: 130° on the screen
  const Picture picture = DrawDialInMode(chart, {}, false, QString(), nullptr, {kMode90, 22.5});
  const auto find = [&](auto predicate) { return std::find_if(picture.ops().begin(), picture.ops().end(), predicate); };
  const auto pointer = find([](const PictureOp& op) { return op.kind == PictureOp::Kind::Line && op.pen.color == clRed && op.pen.width == 2; });
  ASSERT_NE(pointer, picture.ops().end());
  EXPECT_EQ(QLine(pointer->x1, pointer->y1, pointer->x2, pointer->y2), QLine(40, 370, 700, 370));
  EXPECT_NE(find([](const PictureOp& op) { return op.text == QStringLiteral("Zeiger 22°30'"); }), picture.ops().end());
  const QPoint from = DialPoint(130, 270, 370, 370), to = DialPoint(130, 288, 370, 370);
  EXPECT_NE(find([&](const PictureOp& op) {
              return op.kind == PictureOp::Kind::Line && op.pen.color == FactorColor(SO) && QPoint(op.x1, op.y1) == from &&
                     QPoint(op.x2, op.y2) == to;
            }),
            picture.ops().end());
  // Without a pointer the 360-degree dial is the enlarged dial as defined.
  EXPECT_EQ(DrawDialInMode(chart, {}, false, QString(), nullptr, {}).ops().size(),
            DrawEnlargedDial(chart, {}, false, QString()).ops().size());
}

}  // namespace
}  // namespace gyrolux
