#include "engine/formatting.h"

#include <gtest/gtest.h>

#include <limits>


namespace gyrolux {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(FormattingTest, RoundHalfDownAndZeroPad) {
  EXPECT_EQ(RoundHalfDown(2.5), 2);  // an exact half goes down
  EXPECT_EQ(RoundHalfDown(2.51), 3);
  EXPECT_EQ(RoundHalfDown(kNaN), 0);
  EXPECT_EQ(RoundHalfDown(-1e300), -2147483647 - 1);
  EXPECT_EQ(ZeroPad(7, 2), "07");
  EXPECT_EQ(ZeroPad(123, 2), "123");
  EXPECT_EQ(ZeroPad(4294967295u, 2), "429496");  // six characters at most
}

TEST(FormattingTest, FormatAngleInTheThreeModes) {
  const struct {
    int width, mode;
    double value;
    const char16_t* text;
  } cases[] = {
      {2, 22, 22.4999, u"22°30'"}, {2, 30, 29.9999, u"30°00'"}, {2, 30, 45.25, u"15°15'"},
      {2, 30, -5.5, u"-05°30'"},   {2, 22, 45.0, u"00°00'"},
      // 30 remaining seconds are dropped, 31 round the minute up.
      {2, 22, 10.0 + 5.0 / 60 + 30.0 / 3600, u"10°05'"}, {2, 22, 10.0 + 5.0 / 60 + 31.0 / 3600, u"10°06'"},
      // Mode 0 shows the seconds, truncated; a value a hair below a second shows that second.
      {3, 0, 123.0 + 4.0 / 60 + 5.9 / 3600, u"123°04'05\""}, {2, 0, -1.5, u"-01°30'00\""},
      {2, 0, 12.0 - 1e-12, u"12°00'00\""}, {2, 0, 12.0 - 0.5 / 3600, u"11°59'59\""},
      // Any number gives a text.
      {2, 30, kNaN, u"00°00'"}, {2, 0, 1e300, u"999°00'00\""}, {2, 0, -kInf, u"-999°00'00\""}};
  for (const auto& c : cases) EXPECT_EQ(FormatAngle(c.width, c.mode, c.value), QString::fromUtf16(c.text)) << c.value;
  EXPECT_LE(FormatAngle(99, 0, 123456.0).size(), 14);
  for (int d = 0; d < 30; ++d) {
    for (int m = 0; m < 60; ++m) {
      for (int s = 0; s < 60; s += 7) {
        const QString expected = ZeroPad(d, 2) + u'°' + ZeroPad(m, 2) + u'\'' + ZeroPad(s, 2) + u'"';
        ASSERT_EQ(FormatAngle(2, 0, d + m / 60.0 + s / 3600.0), expected) << d << " " << m << " " << s;
      }
    }
  }
  const std::pair<double, const char16_t*> coordinates[] = {
      {8.6834, u"008°41'"}, {179.9834, u"179°59'"}, {8.9999, u"009°00'"}, {kInf, u"999999°00'"}};
  for (const auto& [value, text] : coordinates) EXPECT_EQ(FormatCoordinate(false, value), QString::fromUtf16(text));
  EXPECT_EQ(FormatCoordinate(true, 53.55), u"053°33'00");
  EXPECT_EQ(FormatCoordinate(true, -2.5), u"002°30'00");
}

// The clock texts within the day are held against the independent implementation at every
// chart it computes (reference_charts_compare); here the ends of the clock.
TEST(FormattingTest, TheEndsOfTheClock) {
  // True fractions of a second are cut; outside 0..100 the clock is held, NaN counts as 0.
  const std::pair<double, const char*> clocks[] = {
      {10 + 29.0 / 60 + 50.999 / 3600, "10:29:50"}, {23.999999, "23:59:59"}, {24.0, "24:00:00"},
      {99.5, "99:30:00"}, {-3.0, "00:00:00"}, {kNaN, "00:00:00"}};
  for (const auto& [hours, text] : clocks) EXPECT_EQ(FormatClock(hours), text) << hours;
  // The label shows what the clock holds, past 100 hours and below zero too.
  const std::pair<double, const char*> shown[] = {
      {123.25, "123:15:00"}, {-1.5, "-01:30:00"}, {-0.0001, "00:00:00"}, {1e300, "1000000000000:00:00"}};
  for (const auto& [hours, text] : shown) EXPECT_EQ(ShownClock(hours), text) << hours;
}

TEST(FormattingTest, Weekdays) {
  EXPECT_EQ(WeekdayName(2000, 1, 1), "Sa");
  EXPECT_EQ(WeekdayName(1900, 3, 1), "Do");
  EXPECT_EQ(WeekdayName(2100, 12, 31), "Fr");
  EXPECT_EQ(WeekdayName(-1, -5, 1000000).size(), 2);  // any numbers give one of the names
  // The date, time and place labels as the main window shows them: main_window_test.cpp.
}

}  // namespace
}  // namespace gyrolux
