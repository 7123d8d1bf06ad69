#include "midpoints/moment_sequence.h"

#include <cmath>
#include <cstring>
#include <limits>

#include <gtest/gtest.h>

#include "engine/calendar.h"

namespace gyrolux {
namespace {

constexpr int64_t kNoLimit = std::numeric_limits<int64_t>::max();

SearchMoment Start(const char* dateText, int day, int month, int year, double hours) {
  SearchMoment s;
  s.moment = {day, month, year, hours, 13.4001, 52.5001, false, false};
  s.dateText = dateText;
  return s;
}

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The stepping of the clock's search loop, without the charts.
void LiteralStep(Chart& chart) {
  chart.moment.hours += 1.0 / 6.0;
  if (chart.moment.hours >= 24.0) {
    NextDay(chart);
    chart.moment.hours = 0.0;
  }
}

TEST(MomentSequenceTest, FollowsTheLiteralSteppingToTheBit) {
  const struct {
    const char* name;
    SearchMoment start;
  } cases[] = {
      {"13:05 into a leap day", Start("28.02.2000", 28, 2, 2000, 13.0 + 5.0 / 60.0)},
      {"late on New Year's Eve", Start("31.12.1999", 31, 12, 1999, 23.0 + 59.0 / 60.0)},
      {"24:00 as the date dialog gives it", Start("31.01.2001", 31, 1, 2001, 24.0001)},
      {"no leap day in 1900", Start("28.02.1900", 28, 2, 1900, 0.0)},
      {"into 1582", Start("31.12.1581", 31, 12, 1581, 23.95)},
      {"no leap day in 1500", Start("27.02.1500", 27, 2, 1500, 12.0)},
      {"a negative time", Start("15.06.2000", 15, 6, 2000, -5.0)},
      {"a huge time", Start("10.10.2010", 10, 10, 2010, 1e300)},
      {"an infinite time", Start("10.10.2010", 10, 10, 2010, HUGE_VAL)},
      {"a text without a date falls back on the numbers", Start("xx.yy.zzzz", 30, 4, 2003, 20.0)},
      {"the text rules over the numbers", Start("31.12.1999", 5, 5, 1955, 22.5)},
      {"into the year 10000", Start("31.12.9999", 31, 12, 9999, 22.0)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MomentSequence sequence(c.start, 1000);
    Chart chart;
    chart.moment = c.start.moment;
    chart.texts.dateText = c.start.dateText;
    for (int64_t i = 0; i <= sequence.size(); ++i) {
      const SearchMoment m = sequence.SearchMomentAt(i);
      ASSERT_TRUE(SameBits(m.moment.hours, chart.moment.hours)) << i;
      ASSERT_EQ(m.moment.day, chart.moment.day) << i;
      ASSERT_EQ(m.moment.month, chart.moment.month) << i;
      ASSERT_EQ(m.moment.year, chart.moment.year) << i;
      ASSERT_EQ(m.dateText, chart.texts.dateText) << i;
      ASSERT_EQ(sequence.YearAt(i), chart.moment.year) << i;
      LiteralStep(chart);
    }
  }
}

TEST(MomentSequenceTest, ACenturyOfDaysFollowsNextDay) {
  const SearchMoment start = Start("01.01.1600", 1, 1, 1600, 0.0);
  const MomentSequence sequence(start, kNoLimit);
  Chart chart;
  chart.moment = start.moment;
  chart.texts.dateText = start.dateText;
  // 144 moments a day: 0 and 143 additions of 1/6 stay below 24.
  for (int64_t day = 0; chart.moment.year <= 1701; ++day) {
    const SearchMoment m = sequence.SearchMomentAt(day * 144);
    ASSERT_EQ(m.dateText, chart.texts.dateText) << day;
    ASSERT_EQ(m.moment.hours, 0.0);
    if (day * 144 == sequence.size()) break;  // 1.1.1701, the moment left behind
    NextDay(chart);
  }
  EXPECT_EQ(chart.texts.dateText, "01.01.1701");
}

TEST(MomentSequenceTest, AfterTheFirstMidnightTheStepsFallOnWholeTenMinuteMarks) {
  const MomentSequence sequence(Start("07.03.2001", 7, 3, 2001, 13.0 + 5.0 / 60.0), kNoLimit);
  // 13:15, 13:25, ... 23:55 are steps 1 to 65, then the next day from 00:00.
  for (int i = 1; i <= 65; ++i) {
    EXPECT_NEAR(sequence.MomentAt(i).hours, 13.0 + (5.0 + 10.0 * i) / 60.0, 1e-9);
    EXPECT_EQ(sequence.MomentAt(i).day, 7);
  }
  EXPECT_EQ(sequence.MomentAt(66).hours, 0.0);
  EXPECT_EQ(sequence.SearchMomentAt(66).dateText, "08.03.2001");
  EXPECT_EQ(sequence.MomentAt(67).hours, 1.0 / 6.0);
  EXPECT_EQ(sequence.MomentAt(67).day, 8);
}

TEST(MomentSequenceTest, EndsWhenTheSteppingPassesTheStopYear) {
  // 1.1.2000 12:00 to the end of 2100: 72 moments on the first day, then 36889 days of
  // 144 (2000 to 2100 hold 25 leap days).
  const MomentSequence century(Start("01.01.2000", 1, 1, 2000, 12.0), kNoLimit);
  EXPECT_EQ(century.stopYear(), 2100);
  EXPECT_EQ(century.size(), 72 + 36889 * 144);
  EXPECT_TRUE(century.endsAtStopYear());
  const SearchMoment left = century.SearchMomentAt(century.size());
  EXPECT_EQ(left.dateText, "01.01.2101");
  EXPECT_EQ(left.moment.hours, 0.0);

  const MomentSequence limited(Start("01.01.2000", 1, 1, 2000, 12.0), 100);
  EXPECT_EQ(limited.size(), 100);
  EXPECT_FALSE(limited.endsAtStopYear());

  // The stop year stays within four digits: from December 9999 the search ends with
  // the year 10000, whose date text is cut to "01.01.1000".
  const MomentSequence last(Start("01.12.9999", 1, 12, 9999, 0.0), kNoLimit);
  EXPECT_EQ(last.stopYear(), 9999);
  EXPECT_EQ(last.size(), 31 * 144);
  EXPECT_EQ(last.MomentAt(last.size()).year, 10000);
  EXPECT_EQ(last.SearchMomentAt(last.size()).dateText, "01.01.1000");

  // A date text beyond the stop year ends the search at the first midnight.
  const MomentSequence ahead(Start("01.01.2150", 1, 1, 2000, 23.0), kNoLimit);
  EXPECT_EQ(ahead.size(), 6);
}

TEST(MomentSequenceTest, StepsThatJumpOnTheTimeScaleAreIrregular) {
  const struct {
    const char* name;
    SearchMoment start;
    bool firstStepRegular;
  } cases[] = {
      {"10 minutes within a day", Start("01.01.2000", 1, 1, 2000, 12.0), true},
      {"midnight", Start("28.02.2000", 28, 2, 2000, 23.0 + 50.0 / 60.0), true},
      {"the Julian day falls back 9 days into 1582", Start("31.12.1581", 31, 12, 1581, 23.9), false},
      {"the Julian calendar's leap day is skipped", Start("28.02.1500", 28, 2, 1500, 23.9), false},
      {"24:00 falls back to 00:00", Start("31.01.2001", 31, 1, 2001, 24.0001), false},
      {"a huge time falls back", Start("31.01.2001", 31, 1, 2001, 1e300), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MomentSequence sequence(c.start, 1000);
    EXPECT_EQ(sequence.IsRegularStep(0), c.firstStepRegular);
    EXPECT_EQ(sequence.RegularRunEnd(0, false), c.firstStepRegular ? 999 : 0);
  }
  // GZ moves at a new year: with newYearBreaks the run ends on 31.12. at 23:50.
  const MomentSequence sequence(Start("31.12.2000", 31, 12, 2000, 12.0), 1000);
  EXPECT_EQ(sequence.RegularRunEnd(0, true), 71);
  EXPECT_EQ(sequence.RegularRunEnd(72, true), 999);
}

TEST(MomentSequenceTest, MomentsBetweenStepsCountOnIntoTheNextDay) {
  const MomentSequence sequence(Start("31.12.2000", 31, 12, 2000, 23.0 + 55.0 / 60.0), 10);
  EXPECT_NEAR(sequence.SecondsToNext(0), 300.0, 1e-6);
  EXPECT_NEAR(sequence.SecondsToNext(1), 600.0, 1e-6);
  const SearchMoment before = sequence.SearchMomentBetween(0, 120.0);
  EXPECT_EQ(before.dateText, "31.12.2000");
  EXPECT_NEAR(before.moment.hours, 23.0 + 57.0 / 60.0, 1e-9);
  const SearchMoment after = sequence.SearchMomentBetween(0, 360.0);
  EXPECT_EQ(after.dateText, "01.01.2001");
  EXPECT_EQ(after.moment.year, 2001);
  EXPECT_NEAR(after.moment.hours, 1.0 / 60.0, 1e-9);
}

TEST(MomentSequenceTest, OnlyStartsTheSteppingCanLeaveAreSearchable) {
  const struct {
    double hours;
    int year;
    bool searchable;
  } cases[] = {
      {0.0, 2000, true},       {24.0001, 2000, true},   {-24.0, 2000, true},
      {HUGE_VAL, 2000, true},  {1e300, 2000, true},     {std::nan(""), 2000, false},
      {-24.5, 2000, false},    {-HUGE_VAL, 2000, false}, {-1e20, 2000, false},
      {12.0, 9999, true},      {12.0, 10000, false},    {12.0, -1, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsSearchableStart(Start("01.01.2000", 1, 1, c.year, c.hours)), c.searchable)
        << c.hours << " " << c.year;
  }
}

}  // namespace
}  // namespace gyrolux
