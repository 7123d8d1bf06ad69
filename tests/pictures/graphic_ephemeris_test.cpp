// The graphic ephemeris as data. Expected places come from the page's scale worked by
// hand and from positions swetest gives (the Sun on 1 January 2027 at 0 h world time at
// 280.32°; Mercury turning backwards in 2026 on days 56, 180 and 296 of the year and
// forwards again on days 80, 205 and 318).
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/factors.h"
#include "pictures/graphic_ephemeris.h"
#include "pictures/radix_ring.h"

namespace gyrolux {
namespace {

std::vector<PictureOp> GroupLines(const Picture& picture, const QString& name) {
  std::vector<PictureOp> lines;
  for (const Picture::Group& g : picture.groups()) {
    if (g.name != name) continue;
    for (size_t i = g.first; i < g.end; ++i)
      if (picture.ops()[i].kind == PictureOp::Kind::Line) lines.push_back(picture.ops()[i]);
  }
  return lines;
}

TEST(GraphicEphemeris, LinesStandWhereTheFactorsAre) {
  // The Sun's first point in the 360-degree mode: x at the plot's left edge, y = 730 minus
  // 280.32 / 360 of 690 pixels.
  const Picture year = DrawGraphicEphemeris({{1, 1, 2027}, {31, 12, 2027}, kMode360, {SO}});
  const std::vector<PictureOp> sun = GroupLines(year, QStringLiteral("SO"));
  ASSERT_FALSE(sun.empty());
  EXPECT_EQ(sun.front().x1, 60);
  EXPECT_NEAR(sun.front().y1, 730 - 280.32 / 360 * 690, 1.0);

  // A month of the Sun in the 22.5-degree mode (about 30 degrees: one or two wraps): each
  // cut ends at one edge and goes on from the other at the same moment; no line crosses
  // the plot's height.
  const Picture month = DrawGraphicEphemeris({{1, 1, 2027}, {31, 1, 2027}, kMode22_5, {SO}});
  const std::vector<PictureOp> lines = GroupLines(month, QStringLiteral("SO"));
  int wraps = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    EXPECT_LT(std::abs(lines[i].y2 - lines[i].y1), 345);
    if (lines[i].y2 == 40) {
      ASSERT_LT(i + 1, lines.size());
      EXPECT_EQ(lines[i + 1].y1, 730);
      EXPECT_LE(std::abs(lines[i + 1].x1 - lines[i].x2), 1);
      ++wraps;
    }
  }
  EXPECT_GE(wraps, 1);
  EXPECT_LE(wraps, 2);

  // Mercury's thick (backward) stretches of 2026 lie within its three retrograde spans.
  const Picture mercury = DrawGraphicEphemeris({{1, 1, 2026}, {31, 12, 2026}, kMode360, {ME}});
  const auto x = [](double day) { return 60 + day / 365 * 990; };
  const double spans[3][2] = {{56, 80}, {180, 205}, {296, 318}};
  int seen[3] = {};
  for (const PictureOp& op : GroupLines(mercury, QStringLiteral("ME"))) {
    if (op.pen.width != 2) continue;
    bool inside = false;
    for (int s = 0; s < 3; ++s) {
      if (op.x1 >= x(spans[s][0] - 1) && op.x2 <= x(spans[s][1] + 1)) {
        inside = true;
        ++seen[s];
      }
    }
    EXPECT_TRUE(inside) << op.x1 << ".." << op.x2;
  }
  for (int s = 0; s < 3; ++s) EXPECT_GT(seen[s], 0) << s;
}

TEST(GraphicEphemeris, RadixLinesAndRefusedRequests) {
  ChartState radix;
  radix.factorLongitude.fill(0.0);
  radix.factorLongitude[SO] = 100.0;  // 10 degrees in the 90-degree mode
  radix.factorLongitude[MO] = 120.0;  // SO/MO at 110: 20 degrees
  GraphicEphemerisRequest request{{1, 1, 2027}, {31, 12, 2027}, kMode90, {SA}, &radix, QStringLiteral("X"), true};
  const Picture picture = DrawGraphicEphemeris(request);
  const struct {
    const char* group;
    int y;
    QRgb color;
  } kLines[] = {{"r-SO", 653, kRadixColor}, {"r-SO-MO", 577, qRgb(0xC8, 0x90, 0xC8)}, {"r-MC", 730, kRadixColor}};
  for (const auto& row : kLines) {
    const std::vector<PictureOp> lines = GroupLines(picture, QLatin1String(row.group));
    ASSERT_EQ(lines.size(), 1u) << row.group;
    EXPECT_EQ(QLine(lines[0].x1, lines[0].y1, lines[0].x2, lines[0].y2), QLine(60, row.y, 1050, row.y)) << row.group;
    EXPECT_EQ(lines[0].pen.color, row.color);
  }
  EXPECT_TRUE(GroupLines(picture, QStringLiteral("r-WI")).empty());
  EXPECT_FALSE(GroupLines(picture, QStringLiteral("SA")).empty());

  const GraphicEphemerisRequest refused[] = {
      {{2, 1, 2027}, {1, 1, 2027}},          // reversed
      {{1, 1, 2000}, {2, 1, 2101}},          // beyond 100 years
      {{1, 1, 2027}, {2, 1, 2027}, kMode90, {MC}},
  };
  for (const GraphicEphemerisRequest& r : refused) {
    EXPECT_FALSE(CheckEphemerisRequest(r).isEmpty());
    EXPECT_TRUE(DrawGraphicEphemeris(r).groups().empty());
  }
  // The layout's inverse gives back the day and degree the hover shows.
  const EphemerisLayout layout = EphemerisLayoutOf(request);
  EXPECT_NEAR(layout.dayAtX(layout.xOfDay(layout.firstDay + 100.25)), layout.firstDay + 100.25, 1e-9);
  EXPECT_NEAR(layout.degreeAtY(653.0 + 1.0 / 3.0), 10.0, 1e-9);
}

}  // namespace
}  // namespace gyrolux
