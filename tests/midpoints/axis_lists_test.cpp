#include "midpoints/axis_lists.h"

#include <gtest/gtest.h>

// The orb's edges, set up by hand; the lists' entries, houses and lines of three are held
// against the independent implementation (reference_axes_compare).

namespace gyrolux {
namespace {

QStringList Entries(const QStringList& list) {
  QStringList entries;
  for (qsizetype n = 1; n < list.size(); ++n) {
    for (const QString& e : list[n].split(u' ', Qt::SkipEmptyParts)) entries.append(e);
  }
  return entries;
}

// Every factor at 200°: the pairs of these stand at 20° of the 22.5-degree mode, clear of
// the axes that the tests set up; no four of them are close except where a test puts them.
FactorLongitudes Fillers() {
  FactorLongitudes lon{};
  lon.fill(200.0);
  return lon;
}

TEST(AxisListsTest, PairsWithinTheOrbOfTheAxisStrictly) {
  FactorLongitudes lon = Fillers();
  // Axis at 21.25; the MC with a filler meets at 121.875, that is 9.375 in the mode.
  lon[MC] = 43.75;
  EXPECT_EQ(AxisList(lon, MC, kPictureOrb), QStringList{QStringLiteral(" MC/MC = 21\u00B015'")});
  // With an orb that is an exact binary fraction: the fillers stand exactly that far away.
  EXPECT_EQ(AxisList(lon, MC, Orb{1.25}).size(), 1);
  EXPECT_GT(AxisList(lon, MC, Orb{1.3125}).size(), 1);

  // Across the end of the mode: axis at 0.5, SO/SO at 22: d = 21.5 > 22.5 - 1.18.
  lon[MC] = 0.5;
  lon[SO] = 22.0;
  EXPECT_EQ(Entries(AxisList(lon, MC, kPictureOrb)), QStringList{QStringLiteral("SO/SO04")});
  EXPECT_TRUE(WithinPictureOrb(0.5, 22.0, 1.18));
  EXPECT_FALSE(WithinPictureOrb(0.5, 21.0, 1.18));
}

}  // namespace
}  // namespace gyrolux
