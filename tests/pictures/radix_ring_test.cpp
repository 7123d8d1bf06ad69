// The radix ring op by op, for a radix with SO at 0° and MO at 90° (positions worked by
// hand: the centre (260, 260), y downwards).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "pictures/axis_graphic.h"
#include "pictures/axis_strip.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
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

namespace gyrolux {
namespace {

// The radix on the 22.5-degree strip, the axis graphic and the enlarged dial: SO at 95.25°
// is 5.25° in the mode, MO at 5.5° stands 0.25° beside it (glyphs on two levels), the
// other factors at 20°. Places worked by hand from each picture's scale.
TEST(RadixRing, MarksOnEveryDiagramInTheRadixColour) {
  Chart chart;
  chart.moment = {1, 1, 2000, 12.0, 0.0, 0.0};
  RecomputeChart(chart);
  ChartState radix;
  radix.factorLongitude.fill(20.0);
  radix.factorLongitude[SO] = 95.25;
  radix.factorLongitude[MO] = 5.5;
  struct Case {
    const char* name;
    Picture with, without;
    QPoint soTick, soTickEnd, soGlyph, moGlyph;
  };
  const Case cases[] = {
      {"strip", DrawAxisStrip(chart, {}, &radix), DrawAxisStrip(chart, {}),
       {17 + 115, 464}, {17 + 115, 477}, {17 + 115 - 5, 480}, {17 + 121 - 5, 480 + 12}},
      {"axis graphic", DrawAxisGraphic(chart, &radix), DrawAxisGraphic(chart),
       {17 + 157, 227}, {17 + 157, 240}, {17 + 157 - 5, 213}, {17 + 165 - 5, 213 - 13}},
      {"enlarged dial", DrawEnlargedDial(chart, {}, true, QString(), &radix), DrawEnlargedDial(chart, {}, true, QString()),
       DialPoint(95.25, 138, 370, 370), DialPoint(95.25, 148, 370, 370),
       DialPoint(95.25, 118, 370, 370) - QPoint(5, 6), DialPoint(5.5, 118, 370, 370) - QPoint(5, 6)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const auto radixOps = [](const Picture& p) {
      std::vector<PictureOp> ops;
      for (const PictureOp& op : p.ops())
        if ((op.kind == PictureOp::Kind::Text ? op.font.color : op.pen.color) == kRadixColor) ops.push_back(op);
      return ops;
    };
    EXPECT_TRUE(radixOps(c.without).empty());
    const std::vector<PictureOp> ops = radixOps(c.with);
    const auto has = [&](PictureOp::Kind kind, QPoint a, QPoint b, const QString& text) {
      return std::any_of(ops.begin(), ops.end(), [&](const PictureOp& op) {
        return op.kind == kind && QPoint(op.x1, op.y1) == a && (kind == PictureOp::Kind::Text ? op.text == text : QPoint(op.x2, op.y2) == b);
      });
    };
    EXPECT_TRUE(has(PictureOp::Kind::Line, c.soTick, c.soTickEnd, {}));
    EXPECT_TRUE(has(PictureOp::Kind::Text, c.soGlyph, {}, FactorGlyph(SO)));
    EXPECT_TRUE(has(PictureOp::Kind::Text, c.moGlyph, {}, FactorGlyph(MO)));
    EXPECT_EQ(std::count_if(ops.begin(), ops.end(), [](const PictureOp& op) { return op.kind == PictureOp::Kind::Text; }),
              c.name == std::string("strip") ? 22 : 21);  // the strip names its radix axis
    // A ring lets the dial show through it.
    for (const PictureOp& op : ops)
      if (op.kind == PictureOp::Kind::Ellipse) EXPECT_EQ(op.brush, kNoBrush);
  }
}

}  // namespace
}  // namespace gyrolux
