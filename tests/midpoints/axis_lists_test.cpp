#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "midpoints/axis_lists.h"
#include "session/session.h"
#include "midpoints/stellium.h"
#include "midpoints/stellium_file.h"

namespace gyrolux {
namespace {

// The factors 7° apart from 50° on: no four of them within a stellium's orb.
FactorLongitudes Spread() {
  FactorLongitudes lon{};
  for (int i = 0; i < kFactorCount; ++i) lon[i] = 50.0 + 7.0 * i;
  return lon;
}

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
  EXPECT_EQ(AxisList(lon, MC, 1.18), QStringList{QStringLiteral(" MC/MC = 21\u00B015'")});
  // With an orb that is an exact binary fraction: the fillers stand exactly that far away.
  EXPECT_EQ(AxisList(lon, MC, 1.25).size(), 1);
  EXPECT_GT(AxisList(lon, MC, 1.3125).size(), 1);

  // Across the end of the mode: axis at 0.5, SO/SO at 22: d = 21.5 > 22.5 - 1.18.
  lon[MC] = 0.5;
  lon[SO] = 22.0;
  EXPECT_EQ(Entries(AxisList(lon, MC, 1.18)), QStringList{QStringLiteral("SO/SO04")});
  EXPECT_TRUE(WithinPictureOrb(0.5, 22.0, 1.18));
  EXPECT_FALSE(WithinPictureOrb(0.5, 21.0, 1.18));
}

TEST(AxisListsTest, EntriesWithTheHouseInTheCircleOfTheFirstFactor) {
  FactorLongitudes lon = Fillers();
  lon[MC] = 100.0;  // axis 10
  lon[SO] = 100.0;  // the Sun on the MC
  lon[MA] = 147.0;  // SO/MA = 123.5 -> 11, MC/MA likewise; MA/MA = 147 -> 12 is out
  const auto lists = MainAxisLists(lon, 1.18);
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
  EXPECT_EQ(AxisList(lon, MO, 1.18),
            (QStringList{QStringLiteral(" MO/MO = 04\u00B000'"),
                         QStringLiteral(" MO/KN10  MO/ME10  MO/VE10"),
                         QStringLiteral(" MO/MA10  MO/JU10  MO/SA10"),
                         QStringLiteral(" MO/UR10  ")}));
  // Factors before the Moon never take part, GZ neither.
  lon[AS] = lon[SO] = lon[GZ] = 6.0;
  EXPECT_EQ(AxisList(lon, MO, 1.18).size(), 4);
  lon[UR] = 200.0;  // six entries: two full lines
  EXPECT_EQ(AxisList(lon, MO, 1.18).last(), QStringLiteral(" MO/MA10  MO/JU10  MO/SA10"));
}

TEST(StelliumTest, FourFactorsWithinTheOrb) {
  const struct {
    std::vector<std::pair<int, double>> placed;  // on the spread factors
    const char* members;                         // nullptr: no stellium
  } cases[] = {
      {{{SO, 42.57}, {ME, 43.0}, {VE, 43.5}}, nullptr},  // three are none
      {{{SO, 42.57}, {ME, 43.0}, {VE, 43.5}, {MA, 43.7}}, "SO=ME=VE=MA="},
      // A fifth within the orb of the first only: the group of the second wins, without SO.
      {{{SO, 42.75}, {ME, 43.0}, {VE, 43.5}, {MA, 43.7}, {JU, 43.9}}, "ME=VE=MA=JU="},
      // Across 0° Aries, with WI at 0.
      {{{WI, 0.0}, {MO, 359.5}, {KN, 0.3}, {PL, 359.9}}, "WI=MO=KN=PL="},
      // Within 1.2 degrees strictly, counted from a factor towards the later ones only.
      {{{WI, 0.0}, {MO, 0.5}, {KN, 0.25}, {PL, 1.1}}, "WI=MO=KN=PL="},
      {{{WI, 0.0}, {MO, 0.5}, {KN, 0.25}, {PL, 1.3}}, nullptr}};  // WI has three within, MO only KN and PL
  for (const auto& c : cases) {
    FactorLongitudes lon = Spread();
    for (const auto& [factor, longitude] : c.placed) lon[factor] = longitude;
    const std::optional<Stellium> stellium = FindStellium(lon);
    EXPECT_EQ(stellium ? stellium->members : QString(), c.members ? QString::fromLatin1(c.members) : QString())
        << c.placed.size() << " placed from " << c.placed.front().second;
  }
  FactorLongitudes lon = Spread();
  lon[SO] = 42.57;
  lon[ME] = 43.0;
  lon[VE] = 43.5;
  lon[MA] = 43.7;
  const std::optional<Stellium> stellium = FindStellium(lon);
  ASSERT_TRUE(stellium);
  EXPECT_EQ(StelliumMemberNames(*stellium), QStringLiteral("SO=ME=VE=MA"));
  EXPECT_EQ(StelliumLogLine(*stellium, QStringLiteral("05.12.2026"), 10 + 29 / 60.0 + 50 / 3600.0),
            QStringLiteral("  SO=ME=VE=MA  12\u00B034' STI (20\u00B004') 05.12.2026, 10:29:50"));
}

TEST(StelliumTest, LogFileIsMadeAtTheFirstStelliumAndRetriedAfterAFailure) {
  StelliumFileState state;
  QString error;
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("STELLIA.TXT")));
  EXPECT_FALSE(RecordStellium(state, QStringLiteral("  A"), &error));
  EXPECT_FALSE(state.open);
  EXPECT_FALSE(error.isEmpty());
  ASSERT_TRUE(QDir().rmdir(QStringLiteral("STELLIA.TXT")));

  ASSERT_TRUE(RecordStellium(state, QStringLiteral("  SO=ME=VE=MA  12\u00B034' STI"), &error));
  EXPECT_TRUE(state.open);
  ASSERT_TRUE(RecordStellium(state, QStringLiteral("  zwei"), &error));
  QFile file(QStringLiteral("STELLIA.TXT"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  // Flushed line by line while the file stays open.
  EXPECT_EQ(file.readAll(), QByteArray("  Stellia:\r\n  SO=ME=VE=MA  12\xb0" "34' STI\r\n  zwei\r\n"));
  EXPECT_TRUE(CloseStelliumFile(state));
  EXPECT_FALSE(CloseStelliumFile(state));
}

}  // namespace
}  // namespace gyrolux
