#include "engine/calendar.h"

#include <gtest/gtest.h>

namespace gyrolux {
namespace {

QString Stepped(const QString& date, void (*step)(Chart&)) {
  Chart chart;
  chart.texts.dateText = date;
  step(chart);
  return chart.texts.dateText;
}
QString StepForward(const QString& date) { return Stepped(date, NextDay); }
QString StepBack(const QString& date) { return Stepped(date, PreviousDay); }

TEST(CalendarTest, NextDayFollowsTheGregorianCalendar) {
  EXPECT_EQ(StepForward("28.02.1996"), "29.02.1996");
  EXPECT_EQ(StepForward("28.02.1900"), "01.03.1900");
  EXPECT_EQ(StepForward("28.02.2000"), "29.02.2000");
  EXPECT_EQ(StepForward("31.12.1999"), "01.01.2000");
  EXPECT_EQ(StepForward("30.04.2003"), "01.05.2003");
  EXPECT_EQ(StepForward("30.01.2003"), "31.01.2003");
  EXPECT_EQ(StepForward("29.02.2096"), "01.03.2096");
}

TEST(CalendarTest, PreviousDayFollowsTheGregorianCalendar) {
  EXPECT_EQ(StepBack("01.03.2100"), "28.02.2100");
  EXPECT_EQ(StepBack("01.03.2000"), "29.02.2000");
  EXPECT_EQ(StepBack("01.01.2000"), "31.12.1999");
  EXPECT_EQ(StepBack("01.05.2003"), "30.04.2003");
  EXPECT_EQ(StepBack("01.08.2003"), "31.07.2003");
  EXPECT_EQ(StepBack("01.10.2003"), "30.09.2003");
  EXPECT_EQ(StepBack("15.10.1582"), "14.10.1582");
}

TEST(CalendarTest, SteppingSetsTheNumbersAndReadsTheText) {
  Chart chart;
  chart.moment = {5, 5, 1955, 0.0, 0.0, 0.0, false, false};  // overruled by the text
  chart.texts.dateText = "31.12.2003";
  NextDay(chart);
  EXPECT_EQ(chart.moment.day, 1);
  EXPECT_EQ(chart.moment.month, 1);
  EXPECT_EQ(chart.moment.year, 2004);
  PreviousDay(chart);
  EXPECT_EQ(chart.texts.dateText, "31.12.2003");
  EXPECT_EQ(chart.moment.day, 31);
  EXPECT_EQ(chart.moment.month, 12);
  EXPECT_EQ(chart.moment.year, 2003);
}

TEST(CalendarTest, ForwardAndBackOverFourCenturiesMeetAgain) {
  Chart chart;
  chart.texts.dateText = "01.01.1600";
  int days = 0;
  while (chart.texts.dateText != "01.01.2000") {
    NextDay(chart);
    ++days;
  }
  EXPECT_EQ(days, 146097);  // 400 Gregorian years
  for (int i = 0; i < days; ++i) PreviousDay(chart);
  EXPECT_EQ(chart.texts.dateText, "01.01.1600");
}

TEST(CalendarTest, AnUnreadableDateTextFallsBackOnTheMoment) {
  Chart chart;
  chart.moment.day = 31;
  chart.moment.month = 1;
  chart.moment.year = 2001;
  chart.texts.dateText = "31.1";
  NextDay(chart);
  EXPECT_EQ(chart.texts.dateText, "01.02.2001");
  // Nonsense numbers are held within a calendar that can be stepped.
  Chart odd;
  odd.moment.day = 2000000000;
  odd.moment.month = -7;
  odd.moment.year = -2147483647 - 1;
  PreviousDay(odd);
  EXPECT_EQ(odd.texts.dateText.size(), 10);
  Chart zero;
  zero.texts.dateText = "00.00.0000";
  PreviousDay(zero);
  EXPECT_EQ(zero.texts.dateText, "31.12.0000");
  NextDay(zero);
  EXPECT_EQ(zero.texts.dateText.size(), 10);
}

TEST(CalendarTest, MonthLengths) {
  EXPECT_TRUE(IsGregorianLeapYear(2000));
  EXPECT_FALSE(IsGregorianLeapYear(1900));
  EXPECT_TRUE(IsGregorianLeapYear(1996));
  EXPECT_FALSE(IsGregorianLeapYear(2003));
  EXPECT_EQ(GregorianMonthLength(2003, 2), 28);
  EXPECT_EQ(GregorianMonthLength(2004, 2), 29);
  EXPECT_EQ(GregorianMonthLength(2003, 9), 30);
  EXPECT_EQ(GregorianMonthLength(2003, 12), 31);
  EXPECT_EQ(GregorianMonthLength(2003, 13), 0);
}

}  // namespace
}  // namespace gyrolux
