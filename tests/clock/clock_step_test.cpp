#include <gtest/gtest.h>

#include "clock/clock_step.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"
#include "clock/state_file.h"
#include "engine/formatting.h"

namespace gyrolux {
namespace {

Chart ChartAt(const QString& date, double hours) {
  Chart chart;
  chart.texts.dateText = date;
  ReadDateFields(date, chart.moment);
  chart.moment.hours = hours;
  return chart;
}

ClockState Unit(IntervalUnit unit, double minutes = 1.0 / 60.0) {
  ClockState clock;
  clock.unit = unit;
  clock.intervalMinutes = minutes;
  return clock;
}

QString Shown(const Chart& chart) {
  return DateLabel(chart) + u' ' + ShownClock(chart.moment.hours);
}

TEST(ClockStepTest, SecondsCrossMidnightBothWays) {
  Chart chart = ChartAt(QStringLiteral("31.12.1999"), 23 + 59 / 60.0 + 59 / 3600.0);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Seconds), false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Sa, 01.01.2000 00:00:00"));
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Seconds), true));
  EXPECT_EQ(Shown(chart), QStringLiteral("Fr, 31.12.1999 23:59:59"));

  chart = ChartAt(QStringLiteral("01.03.2024"), 0.0);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Seconds), true));
  EXPECT_EQ(Shown(chart), QStringLiteral("Do, 29.02.2024 23:59:59"));
}

TEST(ClockStepTest, MinutesCarryOneDayAtMostSoTheTimeOfDayGrows) {
  const ClockState clock = Unit(IntervalUnit::Minutes, 1500);
  Chart chart = ChartAt(QStringLiteral("01.01.2026"), 10.0);
  ASSERT_TRUE(StepMoment(chart, clock, false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Fr, 02.01.2026 11:00:00"));
  for (int i = 1; i < 14; ++i) ASSERT_TRUE(StepMoment(chart, clock, false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Do, 15.01.2026 24:00:00"));
  ASSERT_TRUE(StepMoment(chart, clock, false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Fr, 16.01.2026 25:00:00"));

  // Half a minute backwards across the start of a month.
  chart = ChartAt(QStringLiteral("01.05.2003"), 0.004);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Minutes, 0.5), true));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("30.04.2003"));
  EXPECT_NEAR(chart.moment.hours, 24.004 - 0.5 / 60, 1e-12);

  // A negative step against a forward clock is never carried: the time goes below zero.
  chart = ChartAt(QStringLiteral("01.05.2003"), 0.0);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Minutes, -90), false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Do, 01.05.2003 -01:30:00"));
}

TEST(ClockStepTest, DaysWeeksMonthsAndYears) {
  Chart chart = ChartAt(QStringLiteral("31.12.1999"), 12.5);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Day), false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Sa, 01.01.2000 12:30:00"));
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Day), true));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("31.12.1999"));

  // A week keeps the weekday; a month of 30 days moves it on by two.
  chart = ChartAt(QStringLiteral("20.03.2003"), 1.0);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Week), false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Do, 27.03.2003 01:00:00"));
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Month), false));
  EXPECT_EQ(Shown(chart), QStringLiteral("Sa, 26.04.2003 01:00:00"));
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Month), true));
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Week), true));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("20.03.2003"));

  // The year keeps day and month, even the 29 February.
  chart = ChartAt(QStringLiteral("29.02.2024"), 3.0);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Year), false));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("29.02.2025"));
  EXPECT_EQ(chart.moment.year, 2025);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Year), true));
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Year), true));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("29.02.2023"));
  // After a stellium the year is 365 days: from 01.03.2023 across a leap day.
  chart = ChartAt(QStringLiteral("01.03.2023"), 3.0);
  ASSERT_TRUE(StepMoment(chart, Unit(IntervalUnit::Year), false, YearStepKind::Days365));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("29.02.2024"));
}

TEST(ClockStepTest, TheClockStopsAtTheEdgeOfItsYears) {
  // Tempo 20 with a one-year step: 20 ticks a second for hours on end.
  Chart chart = ChartAt(QStringLiteral("05.12.2026"), 10.0);
  const ClockState year = Unit(IntervalUnit::Year);
  int steps = 0;
  while (steps < 100000 && StepMoment(chart, year, false)) ++steps;
  EXPECT_EQ(steps, 9999 - 2026);
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("05.12.9999"));
  EXPECT_FALSE(StepMoment(chart, year, false));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("05.12.9999"));  // unchanged

  chart = ChartAt(QStringLiteral("31.12.9999"), 23.9999);
  EXPECT_FALSE(StepMoment(chart, Unit(IntervalUnit::Day), false));
  EXPECT_FALSE(StepMoment(chart, Unit(IntervalUnit::Seconds), false));
  EXPECT_TRUE(StepMoment(chart, Unit(IntervalUnit::Seconds), true));

  chart = ChartAt(QStringLiteral("01.01.0001"), 0.0);
  EXPECT_FALSE(StepMoment(chart, Unit(IntervalUnit::Seconds), true));
  EXPECT_FALSE(StepMoment(chart, Unit(IntervalUnit::Year), true));
  EXPECT_TRUE(StepMoment(chart, Unit(IntervalUnit::Month), false));

  // The minutes unit counts the day its time of day has reached.
  chart = ChartAt(QStringLiteral("30.12.9999"), 30.0);
  EXPECT_FALSE(StepMoment(chart, Unit(IntervalUnit::Minutes, 1500), false));
  // A date read from a damaged file lies outside and does not move.
  chart = ChartAt(QStringLiteral("ab.cd.efgh"), 1.0);
  EXPECT_FALSE(StepMoment(chart, Unit(IntervalUnit::Day), false));
}

TEST(ClockStepTest, LabelsAndTempo) {
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Seconds)), QStringLiteral("Sek/Takt:1"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Minutes, 1500)), QStringLiteral("Min/Takt:1500"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Minutes, 0.5)), QStringLiteral("Min/Takt:0"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Minutes, -2.5)), QStringLiteral("Min/Takt:-2"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Day)), QStringLiteral("1 Tag"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Week)), QStringLiteral("1 Woche"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Month)), QStringLiteral("1 Monat"));
  EXPECT_EQ(IntervalLabel(Unit(IntervalUnit::Year)), QStringLiteral("1 Jahr"));

  EXPECT_EQ(TempoOfScrollPosition(21), 1);
  EXPECT_EQ(TempoOfScrollPosition(20), 0);
  EXPECT_EQ(TempoOfScrollPosition(0), -20);
  EXPECT_EQ(TempoOfScrollPosition(40), 20);
  EXPECT_EQ(TimerPeriodForTempo(1), 955);
  EXPECT_EQ(TimerPeriodForTempo(2), 477);
  EXPECT_EQ(TimerPeriodForTempo(-3), 318);
  EXPECT_EQ(TimerPeriodForTempo(5), 191);
  EXPECT_EQ(TimerPeriodForTempo(20), 47);
}

TEST(ClockStepTest, ShownClockForEveryTimeOfDay) {
  EXPECT_EQ(ShownClock(0.0), QStringLiteral("00:00:00"));
  EXPECT_EQ(ShownClock(23.999999), QStringLiteral("23:59:59"));
  EXPECT_EQ(ShownClock(25.5), QStringLiteral("25:30:00"));
  EXPECT_EQ(ShownClock(99.5), QStringLiteral("99:30:00"));
  EXPECT_EQ(ShownClock(123.25), QStringLiteral("123:15:00"));
  EXPECT_EQ(ShownClock(-1.5), QStringLiteral("-01:30:00"));
  EXPECT_EQ(ShownClock(-0.0001), QStringLiteral("00:00:00"));  // not a whole second
  EXPECT_EQ(ShownClock(std::nan("")), QStringLiteral("00:00:00"));
  EXPECT_EQ(ShownClock(1e300), QStringLiteral("1000000000000:00:00"));
  EXPECT_EQ(ShownClock(-std::numeric_limits<double>::infinity()), QStringLiteral("-1000000000000:00:00"));
}

}  // namespace
}  // namespace gyrolux
