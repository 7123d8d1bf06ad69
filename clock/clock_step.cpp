#include "clock/clock_step.h"

#include <cmath>
#include <cstdlib>

#include "engine/calendar.h"
#include "engine/calendar.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"

namespace gyrolux {

namespace {

void StepDays(Chart& chart, int days, bool backwards) {
  for (int i = 0; i < days; ++i) backwards ? PreviousDay(chart) : NextDay(chart);
}

// The time of day moved by delta hours, with one day carried at most.
void StepHours(Chart& chart, double delta, bool backwards) {
  double& hours = chart.moment.hours;
  if (!backwards) {
    hours += delta;
    if (hours >= 24.0) {
      NextDay(chart);
      hours -= 24.0;
    }
  } else {
    hours -= delta;
    if (hours < 0.0) {
      PreviousDay(chart);
      hours += 24.0;
    }
  }
}

bool YearWithinClock(int year) { return year >= kFirstClockYear && year <= kLastClockYear; }

}  // namespace

bool MomentWithinClockYears(const Chart& chart) {
  const ChartMoment& m = chart.moment;
  if (!YearWithinClock(m.year) || !std::isfinite(m.hours)) return false;
  if (m.hours >= 0.0 && m.hours < 24.0) return true;
  const double wholeDays = std::floor(std::fmax(-1e9, std::fmin(m.hours / 24.0, 1e9)));
  const CivilDate reached = AddDays({m.day, m.month, m.year}, static_cast<int64_t>(wholeDays));
  return YearWithinClock(reached.year);
}

bool StepMoment(Chart& chart, const ClockState& clock, bool backwards, YearStepKind yearStep) {
  Chart stepped = chart;
  switch (clock.unit) {
    case IntervalUnit::Seconds:
      StepHours(stepped, 1.0 / 3600.0, backwards);
      break;
    case IntervalUnit::Minutes:
      StepHours(stepped, clock.intervalMinutes / 60.0, backwards);
      break;
    case IntervalUnit::Day:
      StepDays(stepped, 1, backwards);
      break;
    case IntervalUnit::Week:
      StepDays(stepped, 7, backwards);
      break;
    case IntervalUnit::Month:
      StepDays(stepped, 30, backwards);
      break;
    case IntervalUnit::Year:
      if (yearStep == YearStepKind::Days365) {
        StepDays(stepped, 365, backwards);
      } else {
        // Beyond the clock's years the step is refused below; the bound keeps the
        // addition itself in range for any year read from a file.
        ChartMoment& m = stepped.moment;
        if (std::abs(m.year) < 1000000) m.year += backwards ? -1 : 1;
        stepped.texts.dateText = FormatDateText(m.day, m.month, m.year);
      }
      break;
  }
  if (!MomentWithinClockYears(stepped)) return false;
  chart.moment = stepped.moment;
  chart.texts = stepped.texts;
  return true;
}

QString IntervalLabel(const ClockState& clock) {
  switch (clock.unit) {
    case IntervalUnit::Seconds:
      return QStringLiteral("Sek/Takt:1");
    case IntervalUnit::Minutes:
      return QStringLiteral("Min/Takt:") +
             QString::number(TruncClamped(clock.intervalMinutes, -99999999, 99999999));
    case IntervalUnit::Day:
      return QStringLiteral("1 Tag");
    case IntervalUnit::Week:
      return QStringLiteral("1 Woche");
    case IntervalUnit::Month:
      return QStringLiteral("1 Monat");
    case IntervalUnit::Year:
      return QStringLiteral("1 Jahr");
  }
  return {};
}

int TempoOfScrollPosition(int position) { return position - 20; }

int TimerPeriodForTempo(int tempo) {
  const int magnitude = std::abs(tempo);
  return magnitude == 0 ? 955 : 955 / magnitude;
}

}  // namespace gyrolux
