#include "clock/interval_input.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

TEST(IntervalInputTest, OnlyMinutesAboveZeroSetTheUnitAndCloseTheDialog) {
  const struct {
    const char* text;
    bool clean, close;
    double minutes;  // stored in every case; what is no clean number counts as 0
  } cases[] = {{"1500", true, true, 1500.0}, {"0.5", true, true, 0.5},     {".25", true, true, 0.25},
               {"+2.", true, true, 2.0},     {"100000", true, true, 1e5},  {"0", true, false, 0.0},
               {"-30", true, false, -30.0},  {"", false, false, 0.0},      {"abc", false, false, 0.0},
               {"12a", false, false, 0.0},   {"1e5", false, false, 0.0},   {"nan", false, false, 0.0},
               {"inf", false, false, 0.0},   {" 5", false, false, 0.0},    {"1,5", false, false, 0.0},
               {"--1", false, false, 0.0},   {".", false, false, 0.0}};
  for (const auto& c : cases) {
    ClockState clock;
    clock.unit = IntervalUnit::Week;
    clock.intervalMinutes = 7.0;
    const auto result = AcceptIntervalText(QString::fromLatin1(c.text), clock);
    EXPECT_EQ(result.cleanNumber, c.clean) << c.text;
    EXPECT_EQ(result.closeDialog, c.close) << c.text;
    EXPECT_EQ(clock.intervalMinutes, c.minutes) << c.text;
    EXPECT_EQ(clock.unit, c.close ? IntervalUnit::Minutes : IntervalUnit::Week) << c.text;
  }
  // Longer than the field allows and too large for a double: refused, not infinite.
  ClockState clock;
  EXPECT_FALSE(AcceptIntervalText(QString(400, u'9'), clock).cleanNumber);
  EXPECT_EQ(clock.intervalMinutes, 0.0);
}

}  // namespace
}  // namespace gyrolux
