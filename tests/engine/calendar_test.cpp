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

TEST(CalendarTest, NextAndPreviousDayFollowTheGregorianCalendar) {
  const std::pair<const char*, const char*> neighbours[] = {
      {"28.02.1996", "29.02.1996"}, {"28.02.1900", "01.03.1900"}, {"28.02.2100", "01.03.2100"},
      {"28.02.2000", "29.02.2000"}, {"29.02.2000", "01.03.2000"}, {"31.12.1999", "01.01.2000"},
      {"30.04.2003", "01.05.2003"}, {"31.07.2003", "01.08.2003"}, {"30.09.2003", "01.10.2003"},
      {"30.01.2003", "31.01.2003"}, {"14.10.1582", "15.10.1582"}};
  for (const auto& [day, next] : neighbours) {
    EXPECT_EQ(Stepped(day, NextDay), next) << day;
    EXPECT_EQ(Stepped(next, PreviousDay), day) << next;
  }
  // The text is read, not the numbers; four hundred years forward day by day and back meet again.
  Chart chart;
  chart.moment = {5, 5, 1955, 0.0, 0.0, 0.0, false, false};
  chart.texts.dateText = "31.12.2003";
  NextDay(chart);
  EXPECT_EQ((CivilDate{chart.moment.day, chart.moment.month, chart.moment.year}), (CivilDate{1, 1, 2004}));
  chart.texts.dateText = "01.01.1600";
  int days = 0;
  for (; chart.texts.dateText != "01.01.2000"; ++days) NextDay(chart);
  EXPECT_EQ(days, 146097);
  for (int i = 0; i < days; ++i) PreviousDay(chart);
  EXPECT_EQ(chart.texts.dateText, "01.01.1600");
}

TEST(CalendarTest, AnUnreadableDateTextFallsBackOnTheMoment) {
  Chart chart;
  chart.moment = {31, 1, 2001, 0.0, 0.0, 0.0, false, false};
  chart.texts.dateText = "31.1";
  NextDay(chart);
  EXPECT_EQ(chart.texts.dateText, "01.02.2001");
  // Nonsense numbers are held within a calendar that can be stepped.
  Chart odd;
  odd.moment = {2000000000, -7, -2147483647 - 1, 0.0, 0.0, 0.0, false, false};
  PreviousDay(odd);
  EXPECT_EQ(odd.texts.dateText.size(), 10);
  EXPECT_EQ(Stepped("00.00.0000", PreviousDay), "31.12.0000");
}

TEST(CalendarTest, DayNumbersCountFromTheFirstOf1970) {
  EXPECT_EQ(DayNumber({1, 1, 1970}), 0);
  EXPECT_EQ(DayNumber({1, 1, 2000}), 30 * 365 + 7);  // seven leap days, 1972 to 1996
  // A day past the month's end counts on into the next month; the month is held to 1..12.
  EXPECT_EQ(DayNumber({31, 2, 2003}), DayNumber({3, 3, 2003}));
  EXPECT_EQ(DayNumber({1, 13, 2000}), DayNumber({1, 12, 2000}));
  EXPECT_EQ(AddDays({30, 12, 2026}, 5), (CivilDate{4, 1, 2027}));
  EXPECT_EQ(AddDays({1, 3, 2000}, -1), (CivilDate{29, 2, 2000}));
  // Any number of days gives a date, never an overflow.
  EXPECT_GE(AddDays({1, 1, 2000}, INT64_MAX).year, 2000);
  EXPECT_LE(AddDays({1, 1, 2000}, INT64_MIN).year, 2000);
}

}  // namespace
}  // namespace gyrolux
