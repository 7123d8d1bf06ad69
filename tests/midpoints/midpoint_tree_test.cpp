// The midpoint tree at the pointer, worked by hand: every factor of the moment at 200°
// (20° in the 90-degree mode) but SO at 10°, MO at 50° (SO/MO at 30°, its far side at
// 210°) and ME at 90.3° (0.3° in the mode); the radix at 200° but SO at 119.8° (29.8°).
#include <gtest/gtest.h>

#include <QStringList>

#include "engine/factors.h"
#include "midpoints/midpoint_tree.h"

namespace gyrolux {
namespace {

TEST(MidpointTree, EntriesWithinTheOrbNearestFirst) {
  ChartState moment, radix;
  moment.factorLongitude.fill(200.0);
  moment.factorLongitude[SO] = 10.0;
  moment.factorLongitude[MO] = 50.0;
  moment.factorLongitude[ME] = 90.3;
  radix.factorLongitude.fill(200.0);
  radix.factorLongitude[SO] = 119.8;
  const struct {
    DialMode mode;
    double pointer, orb;
    bool withRadix;
    QStringList names;
  } kCases[] = {
      {kMode90, 29.5, 1.0, true, {"r SO", "SO/MO"}},
      {kMode90, 29.5, 1.0, false, {"SO/MO"}},
      {kMode90, 89.9, 0.5, true, {"ME"}},  // across the wrap
      {kMode360, 210.0, 1.0, false, {"SO/MO'"}},
      {kMode90, 40.0, 1.0, true, {}},
  };
  for (const auto& c : kCases) {
    const std::vector<TreeEntry> tree = MidpointTree(moment, c.withRadix ? &radix : nullptr, c.mode, c.pointer, {c.orb});
    QStringList names;
    for (const TreeEntry& e : tree) names << e.name;
    EXPECT_EQ(names, c.names) << c.pointer;
  }
  const std::vector<TreeEntry> tree = MidpointTree(moment, &radix, kMode90, 29.5, {1.0});
  EXPECT_NEAR(tree[0].position, 29.8, 1e-9);
  EXPECT_NEAR(tree[1].distance, 0.5, 1e-9);
  EXPECT_TRUE(tree[0].radix);
  EXPECT_EQ(TreePicture(tree), QStringLiteral("r SO = SO/MO"));
  EXPECT_EQ(ModeDegreesText(5.125), QStringLiteral("05°07'"));
  EXPECT_EQ(ModeDegreesText(22.5), QStringLiteral("22°30'"));
}

}  // namespace
}  // namespace gyrolux
