#include "midpoints/stellium.h"

#include <gtest/gtest.h>

#include "midpoints/stellium_file.h"

namespace gyrolux {
namespace {

// The factors 7° apart from 50° on: no four of them within a stellium's orb.
FactorLongitudes Spread() {
  FactorLongitudes lon{};
  for (int i = 0; i < kFactorCount; ++i) lon[i] = 50.0 + 7.0 * i;
  return lon;
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
  // The log file's line; the file itself is made, retried and flushed in main_window_test.cpp.
  FactorLongitudes lon = Spread();
  for (const auto& [factor, longitude] : cases[1].placed) lon[factor] = longitude;
  const std::optional<Stellium> stellium = FindStellium(lon);
  ASSERT_TRUE(stellium);
  EXPECT_EQ(StelliumMemberNames(*stellium), QStringLiteral("SO=ME=VE=MA"));
  EXPECT_EQ(StelliumLogLine(*stellium, QStringLiteral("05.12.2026"), 10 + 29 / 60.0 + 50 / 3600.0),
            QStringLiteral("  SO=ME=VE=MA  12\u00B034' STI (20\u00B004') 05.12.2026, 10:29:50"));
}

}  // namespace
}  // namespace gyrolux
