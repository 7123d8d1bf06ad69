#include <gtest/gtest.h>

#include "clock/interval_input.h"

namespace gyrolux {
namespace {

TEST(IntervalInputTest, PositiveMinutesSetTheUnitAndClose) {
  ClockState clock;
  auto result = AcceptIntervalText(QStringLiteral("1500"), clock);
  EXPECT_TRUE(result.cleanNumber && result.closeDialog);
  EXPECT_EQ(clock.unit, IntervalUnit::Minutes);
  EXPECT_EQ(clock.intervalMinutes, 1500.0);

  clock.unit = IntervalUnit::Day;
  result = AcceptIntervalText(QStringLiteral("0.5"), clock);
  EXPECT_TRUE(result.closeDialog);
  EXPECT_EQ(clock.unit, IntervalUnit::Minutes);
  EXPECT_EQ(clock.intervalMinutes, 0.5);
  EXPECT_TRUE(AcceptIntervalText(QStringLiteral("100000"), clock).closeDialog);
  EXPECT_TRUE(AcceptIntervalText(QStringLiteral(".25"), clock).closeDialog);
}

TEST(IntervalInputTest, ZeroOrLessIsStoredButKeepsTheUnitAndTheDialog) {
  ClockState clock;
  clock.unit = IntervalUnit::Week;
  auto result = AcceptIntervalText(QStringLiteral("0"), clock);
  EXPECT_TRUE(result.cleanNumber);
  EXPECT_FALSE(result.closeDialog);
  EXPECT_EQ(clock.unit, IntervalUnit::Week);
  EXPECT_EQ(clock.intervalMinutes, 0.0);

  result = AcceptIntervalText(QStringLiteral("-30"), clock);
  EXPECT_FALSE(result.closeDialog);
  EXPECT_EQ(clock.intervalMinutes, -30.0);
  EXPECT_EQ(clock.unit, IntervalUnit::Week);
}

TEST(IntervalInputTest, TextThatIsNoCleanNumberCountsAsZero) {
  ClockState clock;
  clock.intervalMinutes = 7.0;
  for (const char* text : {"", "abc", "12a", "1e5", "nan", "inf", " 5", "1,5", "--1", "."}) {
    const auto result = AcceptIntervalText(QString::fromLatin1(text), clock);
    EXPECT_FALSE(result.cleanNumber) << text;
    EXPECT_FALSE(result.closeDialog) << text;
    EXPECT_EQ(clock.intervalMinutes, 0.0) << text;
  }
  EXPECT_EQ(clock.unit, IntervalUnit::Seconds);
  // Longer than the field allows and too large for a double: refused, not infinite.
  EXPECT_FALSE(AcceptIntervalText(QString(400, u'9'), clock).cleanNumber);
  EXPECT_EQ(clock.intervalMinutes, 0.0);
  EXPECT_TRUE(IsCleanDecimal(QStringLiteral("+2.")));
}

}  // namespace
}  // namespace gyrolux
