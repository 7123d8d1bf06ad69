#include "engine/formatting.h"

#include <gtest/gtest.h>

#include <limits>

namespace gyrolux {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormattingTest, RoundHalfDownKeepsAnExactHalf) {
  EXPECT_EQ(RoundHalfDown(2.5), 2);
  EXPECT_EQ(RoundHalfDown(2.51), 3);
  EXPECT_EQ(RoundHalfDown(2.49), 2);
  EXPECT_EQ(RoundHalfDown(0.0), 0);
  EXPECT_EQ(RoundHalfDown(kNaN), 0);
  EXPECT_EQ(RoundHalfDown(1e300), 2147483647);
  EXPECT_EQ(RoundHalfDown(-1e300), -2147483647 - 1);
}

TEST(FormattingTest, ZeroPadFillsAndCuts) {
  EXPECT_EQ(ZeroPad(0, 2), "00");
  EXPECT_EQ(ZeroPad(0, 4), "0000");
  EXPECT_EQ(ZeroPad(7, 2), "07");
  EXPECT_EQ(ZeroPad(2003, 4), "2003");
  EXPECT_EQ(ZeroPad(123, 2), "123");
  EXPECT_EQ(ZeroPad(65535, 1), "65535");
  EXPECT_EQ(ZeroPad(5, 9), "000005");
  EXPECT_EQ(ZeroPad(4294967295u, 2), "429496");
}

TEST(FormattingTest, FormatAngleInTheThreeModes) {
  EXPECT_EQ(FormatAngle(2, 22, 22.4999), u"22°30'");
  EXPECT_EQ(FormatAngle(2, 30, 29.9999), u"30°00'");
  EXPECT_EQ(FormatAngle(2, 30, 15.5), u"15°30'");
  EXPECT_EQ(FormatAngle(2, 30, 45.25), u"15°15'");
  EXPECT_EQ(FormatAngle(2, 30, -5.5), u"-05°30'");
  EXPECT_EQ(FormatAngle(2, 22, 45.0), u"00°00'");
  // 30 remaining seconds are dropped, 31 round the minute up.
  EXPECT_EQ(FormatAngle(2, 22, 10.0 + 5.0 / 60 + 30.0 / 3600), u"10°05'");
  EXPECT_EQ(FormatAngle(2, 22, 10.0 + 5.0 / 60 + 31.0 / 3600), u"10°06'");
  EXPECT_EQ(FormatAngle(2, 30, 10.0 + 5.0 / 60 + 30.5 / 3600), u"10°05'");
  // Mode 0 shows the seconds, truncated.
  EXPECT_EQ(FormatAngle(3, 0, 123.0 + 4.0 / 60 + 5.9 / 3600), u"123°04'05\"");
  EXPECT_EQ(FormatAngle(2, 0, -1.5), u"-01°30'00\"");
}

TEST(FormattingTest, FormatAngleShowsTheWholeSecondAValueStandsFor) {
  // 53.55 lies a little below 53°33'00" in double; it still shows that second.
  EXPECT_EQ(FormatAngle(3, 0, 53.55), u"053°33'00\"");
  // A fraction a hair below a whole degree carries into the degrees.
  EXPECT_EQ(FormatAngle(2, 0, 12.0 - 1e-12), u"12°00'00\"");
  EXPECT_EQ(FormatAngle(2, 0, 12.0 - 0.5 / 3600), u"11°59'59\"");
  for (int d = 0; d < 30; ++d) {
    for (int m = 0; m < 60; ++m) {
      for (int s = 0; s < 60; s += 7) {
        const double v = d + m / 60.0 + s / 3600.0;
        const QString expected = ZeroPad(d, 2) + QStringLiteral(u"°") + ZeroPad(m, 2) + u'\'' + ZeroPad(s, 2) + u'"';
        ASSERT_EQ(FormatAngle(2, 0, v), expected) << d << " " << m << " " << s;
      }
    }
  }
}

TEST(FormattingTest, FormatAngleSurvivesAnyNumber) {
  EXPECT_EQ(FormatAngle(2, 30, kNaN), u"00°00'");
  EXPECT_EQ(FormatAngle(2, 0, kNaN), u"00°00'00\"");
  EXPECT_EQ(FormatAngle(2, 0, 1e300), u"999°00'00\"");
  EXPECT_EQ(FormatAngle(2, 0, -kInf), u"-999°00'00\"");
  EXPECT_LE(FormatAngle(99, 0, 123456.0).size(), 14);
  EXPECT_LE(FormatAngle(-3, 22, 3.0).size(), 14);
}

TEST(FormattingTest, SplitClockShowsEverySecondOfTheDay) {
  for (int h = 0; h < 24; ++h) {
    for (int m = 0; m < 60; ++m) {
      for (int s = 0; s < 60; ++s) {
        const double hours = h + m / 60.0 + s / 3600.0;
        const ClockParts parts = SplitClock(hours);
        ASSERT_EQ(parts.hours, h) << hours;
        ASSERT_EQ(parts.minutes, m) << hours;
        ASSERT_EQ(parts.seconds, s) << hours;
      }
    }
  }
  EXPECT_EQ(FormatClock(10 + 29.0 / 60 + 50.0 / 3600), "10:29:50");
}

TEST(FormattingTest, FormatClockCutsTrueFractions) {
  EXPECT_EQ(FormatClock(10 + 29.0 / 60 + 50.7 / 3600), "10:29:50");
  EXPECT_EQ(FormatClock(10 + 29.0 / 60 + 50.999 / 3600), "10:29:50");
  EXPECT_EQ(FormatClock(23.999999), "23:59:59");
  EXPECT_EQ(FormatClock(0.0), "00:00:00");
  EXPECT_EQ(FormatClock(24.0), "24:00:00");
  EXPECT_EQ(FormatClock(99.5), "99:30:00");
  // Outside 0..100 the value is held at the ends; NaN counts as 0.
  EXPECT_EQ(FormatClock(-3.0), "00:00:00");
  EXPECT_EQ(FormatClock(kNaN), "00:00:00");
  EXPECT_EQ(FormatClock(1e300).size(), 8);
}

TEST(FormattingTest, FormatCoordinate) {
  EXPECT_EQ(FormatCoordinate(false, 8.6834), u"008°41'");
  EXPECT_EQ(FormatCoordinate(true, 53.5501), u"053°33'00");
  EXPECT_EQ(FormatCoordinate(true, 53.55), u"053°33'00");
  EXPECT_EQ(FormatCoordinate(false, 179.9834), u"179°59'");
  EXPECT_EQ(FormatCoordinate(true, 13.0 + 24.0 / 60 + 0.0001), u"013°24'00");
  // Rounded minutes that reach 60 show the next degree.
  EXPECT_EQ(FormatCoordinate(false, 8.9999), u"009°00'");
  EXPECT_EQ(FormatCoordinate(true, 10.0 - 1e-12), u"010°00'00");
  EXPECT_EQ(FormatCoordinate(true, -2.5), u"002°30'00");
  EXPECT_EQ(FormatCoordinate(true, kNaN), u"000°00'00");
  EXPECT_EQ(FormatCoordinate(false, kInf), u"999999°00'");
}

TEST(FormattingTest, WeekdayName) {
  EXPECT_EQ(WeekdayName(2000, 1, 1), "Sa");
  EXPECT_EQ(WeekdayName(2003, 3, 20), "Do");
  EXPECT_EQ(WeekdayName(2024, 2, 29), "Do");
  EXPECT_EQ(WeekdayName(1900, 3, 1), "Do");
  EXPECT_EQ(WeekdayName(2100, 12, 31), "Fr");
  // Seven consecutive days run through all seven names.
  const char* week[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(WeekdayName(2025, 6, 2 + i), week[i]);
  // Numbers outside the calendar still give one of the names.
  EXPECT_EQ(WeekdayName(0, 0, 0).size(), 2);
  EXPECT_EQ(WeekdayName(-1, -5, 1000000).size(), 2);
}

}  // namespace
}  // namespace gyrolux
