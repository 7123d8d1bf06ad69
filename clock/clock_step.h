#pragma once

#include <QString>

#include "session/clock_state.h"
#include "engine/chart.h"

namespace gyrolux {

// The clock keeps its moment within the years that a four-digit date text can hold;
// a step that would leave them is not taken (the clock halts there instead).
inline constexpr int kFirstClockYear = 1;
inline constexpr int kLastClockYear = 9999;

// A tick steps a year as a calendar year; the extra step after a stellium stop as 365
// days.
enum class YearStepKind { CalendarYear, Days365 };

// The date lies within the clock's years, and so does the day that the time of day
// reaches when the minutes unit has carried it past 24 hours or below zero.
bool MomentWithinClockYears(const Chart& chart);

// Moves the moment by one step of the clock's unit, backwards or forwards:
// seconds and minutes change the time of day with a single day carry at 24 h and 0 h;
// day, week (7) and month (30) call NextDay or PreviousDay; the year changes the year
// and keeps day and month. Nothing is recomputed. False, with the chart unchanged, when
// the step would leave the clock's years.
bool StepMoment(Chart& chart, const ClockState& clock, bool backwards,
                YearStepKind yearStep = YearStepKind::CalendarYear);

// "Sek/Takt:1", "Min/Takt:" and the whole minutes, "1 Tag", "1 Woche", "1 Monat",
// "1 Jahr".
QString IntervalLabel(const ClockState& clock);

// Tempo from the scroll bar position 0..40 (21 gives +1, 20 halts).
int TempoOfScrollPosition(int position);

// The timer period for a non-zero tempo: 955 div |tempo| milliseconds.
int TimerPeriodForTempo(int tempo);

}  // namespace gyrolux
