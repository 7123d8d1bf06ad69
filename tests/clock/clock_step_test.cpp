#include "clock/clock_step.h"

#include <gtest/gtest.h>

#include "engine/formatting.h"
#include "tests/test_support/charts.h"

namespace gyrolux {
namespace {

using testing::ChartAt;

ClockState Unit(IntervalUnit unit, double minutes = 1.0 / 60.0) {
  ClockState clock;
  clock.unit = unit;
  clock.intervalMinutes = minutes;
  return clock;
}

using U = IntervalUnit;

TEST(ClockStepTest, OneStepOfEachUnitBothWays) {
  const struct {
    const char* date;
    double hours;
    ClockState clock;
    bool backwards;
    const char* reached;
    YearStepKind year = YearStepKind::CalendarYear;
  } cases[] = {
      {"31.12.1999", 23 + 59 / 60.0 + 59 / 3600.0, Unit(U::Seconds), false, "01.01.2000 00:00:00"},
      {"01.03.2024", 0.0, Unit(U::Seconds), true, "29.02.2024 23:59:59"},
      // The minutes carry one day at most, so the time of day grows by the rest.
      {"01.01.2026", 10.0, Unit(U::Minutes, 1500), false, "02.01.2026 11:00:00"},
      {"14.01.2026", 23.0, Unit(U::Minutes, 1500), false, "15.01.2026 24:00:00"},
      {"15.01.2026", 24.0, Unit(U::Minutes, 1500), false, "16.01.2026 25:00:00"},
      {"01.05.2003", 0.004, Unit(U::Minutes, 0.5), true, "30.04.2003 23:59:44"},
      // A negative step against a forward clock is never carried: the time goes below zero.
      {"01.05.2003", 0.0, Unit(U::Minutes, -90), false, "01.05.2003 -01:30:00"},
      {"01.01.2000", 12.5, Unit(U::Day), true, "31.12.1999 12:30:00"},
      {"20.03.2003", 1.0, Unit(U::Week), false, "27.03.2003 01:00:00"},
      {"27.03.2003", 1.0, Unit(U::Month), false, "26.04.2003 01:00:00"},  // thirty days
      {"26.04.2003", 1.0, Unit(U::Month), true, "27.03.2003 01:00:00"},
      // The year keeps day and month, even the 29 February; after a stellium it is 365 days.
      {"29.02.2024", 3.0, Unit(U::Year), false, "29.02.2025 03:00:00"},
      {"29.02.2024", 3.0, Unit(U::Year), true, "29.02.2023 03:00:00"},
      {"01.03.2023", 3.0, Unit(U::Year), false, "29.02.2024 03:00:00", YearStepKind::Days365}};
  for (const auto& c : cases) {
    Chart chart = ChartAt(QString::fromLatin1(c.date), c.hours);
    ASSERT_TRUE(StepMoment(chart, c.clock, c.backwards, c.year)) << c.date;
    EXPECT_EQ(chart.texts.dateText + u' ' + ShownClock(chart.moment.hours), QString::fromLatin1(c.reached)) << c.date;
    EXPECT_EQ(chart.moment.year, QString::fromLatin1(c.reached).mid(6, 4).toInt()) << c.date;
  }
}

TEST(ClockStepTest, TheClockStopsAtTheEdgeOfItsYears) {
  // Tempo 20 with a one-year step: 20 ticks a second for hours on end.
  Chart chart = ChartAt(QStringLiteral("05.12.2026"), 10.0);
  int steps = 0;
  while (steps < 100000 && StepMoment(chart, Unit(U::Year), false)) ++steps;
  EXPECT_EQ(steps, 9999 - 2026);
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("05.12.9999"));  // unchanged by the refused step

  const struct {
    const char* date;
    double hours;
    ClockState clock;
    bool backwards, taken;
  } edges[] = {{"31.12.9999", 23.9999, Unit(U::Day), false, false},
               {"31.12.9999", 23.9999, Unit(U::Seconds), false, false},
               {"31.12.9999", 23.9999, Unit(U::Seconds), true, true},
               {"01.01.0001", 0.0, Unit(U::Seconds), true, false},
               {"01.01.0001", 0.0, Unit(U::Year), true, false},
               {"01.01.0001", 0.0, Unit(U::Month), false, true},
               // The minutes unit counts the day its time of day has reached.
               {"30.12.9999", 30.0, Unit(U::Minutes, 1500), false, false},
               // A date read from a damaged file lies outside and does not move.
               {"ab.cd.efgh", 1.0, Unit(U::Day), false, false}};
  for (const auto& e : edges) {
    Chart at = ChartAt(QString::fromLatin1(e.date), e.hours);
    EXPECT_EQ(StepMoment(at, e.clock, e.backwards), e.taken) << e.date << " " << int(e.clock.unit);
  }
}

TEST(ClockStepTest, IntervalLabels) {
  const std::pair<ClockState, const char*> labels[] = {
      {Unit(U::Seconds), "Sek/Takt:1"}, {Unit(U::Minutes, 0.5), "Min/Takt:0"}, {Unit(U::Minutes, -2.5), "Min/Takt:-2"},
      {Unit(U::Week), "1 Woche"}};
  for (const auto& [clock, label] : labels) EXPECT_EQ(IntervalLabel(clock), label);
}

}  // namespace
}  // namespace gyrolux
