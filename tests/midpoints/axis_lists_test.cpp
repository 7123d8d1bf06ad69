#include "midpoints/axis_lists.h"

#include <gtest/gtest.h>

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

TEST(AxisListsTest, EntriesWithTheHouseInTheCircleOfTheFirstFactor) {
  FactorLongitudes lon = Fillers();
  lon[MC] = 100.0;  // axis 10
  lon[SO] = 100.0;  // the Sun on the MC
  lon[MA] = 147.0;  // SO/MA = 123.5 -> 11, MC/MA likewise; MA/MA = 147 -> 12 is out
  const auto lists = MainAxisLists(lon, kPictureOrb);
  // MC/SO: base MC (cusp 10), 0° on: house 10. MC/MA: 47° on: 11. SO/SO: the base
  // itself, cusp 4. SO/MA: 47° on from the Sun: 5.
  EXPECT_EQ(lists[0], (QStringList{QStringLiteral(" MC/MC = 10\u00B000'"),
                                   QStringLiteral(" MC/SO10  MC/MA11  SO/SO04"),
                                   QStringLiteral(" SO/MA05  ")}));
  // The SO/SO list never shows MC: only the pair of the Sun and Mars.
  EXPECT_EQ(lists[1], (QStringList{QStringLiteral(" SO/SO = 10\u00B000'"),
                                   QStringLiteral(" SO/MA05  ")}));
  EXPECT_EQ(lists[2][0], QStringLiteral(" AS/AS = 20\u00B000'"));
  EXPECT_TRUE(lists[3][0].startsWith(QStringLiteral(" MO/MO = ")));
}

TEST(AxisListsTest, SevenEntriesGiveTwoFullLinesAndOne) {
  FactorLongitudes lon = Fillers();
  lon[MO] = 4.0;  // axis 4
  // Seven factors at 6: each with the Moon at 5 (in), by itself or with another at 6 (out).
  for (int f : {KN, ME, VE, MA, JU, SA, UR}) lon[f] = 6.0;
  EXPECT_EQ(AxisList(lon, MO, kPictureOrb),
            (QStringList{QStringLiteral(" MO/MO = 04\u00B000'"),
                         QStringLiteral(" MO/KN10  MO/ME10  MO/VE10"),
                         QStringLiteral(" MO/MA10  MO/JU10  MO/SA10"),
                         QStringLiteral(" MO/UR10  ")}));
  // Factors before the Moon never take part, GZ neither.
  lon[AS] = lon[SO] = lon[GZ] = 6.0;
  EXPECT_EQ(AxisList(lon, MO, kPictureOrb).size(), 4);
  lon[UR] = 200.0;  // six entries: two full lines
  EXPECT_EQ(AxisList(lon, MO, kPictureOrb).last(), QStringLiteral(" MO/MA10  MO/JU10  MO/SA10"));
}

}  // namespace
}  // namespace gyrolux
