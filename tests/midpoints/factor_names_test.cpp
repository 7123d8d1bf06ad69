#include "midpoints/factor_names.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

TEST(FactorNamesTest, NamesAndPairsInAscendingOrder) {
  EXPECT_EQ(FactorIdOfName(QStringLiteral("GZ")), 22);
  EXPECT_EQ(FactorIdOfName(QStringLiteral("--")), 23);
  for (const char* bad : {"mc", "XX", "", "M", "MCX", " MC"}) EXPECT_FALSE(FactorIdOfName(bad)) << bad;
  EXPECT_EQ(FactorFieldText(QStringLiteral("so")), QStringLiteral("SO"));
  EXPECT_EQ(FactorFieldText(QStringLiteral("ß1")), QStringLiteral("ß1"));  // no one-letter upper case

  // Stored in ascending order: SO/MC as MC/SO, JU/MA as MA/JU.
  EXPECT_EQ(CheckPair(QStringLiteral("SO"), QStringLiteral("MC")), std::make_pair(0, 2));
  EXPECT_EQ(CheckPair(QStringLiteral("JU"), QStringLiteral("MA")), std::make_pair(8, 9));
  EXPECT_EQ(CheckPair(QStringLiteral("--"), QStringLiteral("SO")), std::make_pair(2, 23));
  EXPECT_FALSE(CheckPair(QStringLiteral("SO"), QString()));
}

}  // namespace
}  // namespace gyrolux
