#include "pictures/factor_table.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

TEST(FactorTableTest, RowsOfNineteenCharacters) {
  ChartState state;
  state.factorLongitude[SO] = 240 + 13 + 17.0 / 60 + 26.0 / 3600;
  state.factorLongitude[SA] = 7 + 58.0 / 60;
  state.retrograde[SA] = 1;
  state.factorLongitude[MC] = 93.7;
  EXPECT_EQ(FactorTableRow(state, SO), QStringLiteral("   SO 13°17'26  SCH"));
  EXPECT_EQ(FactorTableRow(state, SA), QStringLiteral(" R SA   07°58'  WID"));
  EXPECT_EQ(FactorTableRow(state, MC), QStringLiteral("   MC   03°42'  KRE"));
  const QStringList rows = FactorTableRows(state);
  ASSERT_EQ(rows.size(), kFactorCount);
  for (const QString& row : rows) EXPECT_EQ(row.size(), 19) << row.toStdString();
}

}  // namespace
}  // namespace gyrolux
