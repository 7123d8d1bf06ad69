#pragma once

#include <cstdint>
#include <vector>

#include <QString>

#include "engine/chart.h"
#include "engine/calendar.h"

namespace gyrolux {

// A moment as the searches take and leave it: the chart moment with its date text.
struct SearchMoment {
  ChartMoment moment;
  QString dateText;
};

// The step of the alarm searches, in hours; added to the time of day as it stands.
inline constexpr double kAlarmStepHours = 1.0 / 6.0;

// A start the stepping can leave: the hours a number not below -24 (so that adding the
// step reaches midnight), the year 0 to 9999.
bool IsSearchableStart(const SearchMoment& start);

// The last year searched: 100 years after the start, but never past 9999, where the
// date text, cut at four digits of the year, would send the stepping back to year 1000.
int AlarmStopYear(int startYear);

// The moments an alarm search tests, in order, with random access. Moment 0 is the
// start. Each step adds 1/6 hour to the time of day; when that reaches 24 the date moves
// on by NextDay and the time becomes exactly 0, so the first day runs from the start's
// time and every later day through the same fixed times 0, 0 + 1/6, ... The sequence
// ends with the last moment of the stop year or after the step limit; the moment one
// step past the end is the one a search leaves behind when nothing hits.
class MomentSequence {
 public:
  // start: searchable; maxSteps >= 1.
  MomentSequence(const SearchMoment& start, int64_t maxSteps);

  int64_t Size() const { return size_; }
  // The sequence ends where the stepping passes the stop year (rather than at the limit).
  bool EndsAtStopYear() const { return endsAtStopYear_; }
  int StopYear() const { return stopYear_; }

  // Moment index, 0 <= index <= Size().
  ChartMoment MomentAt(int64_t index) const;
  SearchMoment SearchMomentAt(int64_t index) const;
  int YearAt(int64_t index) const;
  // Days from the start's date to moment index (the day count plus the time of day): on
  // a run of regular steps the chart's time scale up to a constant.
  double DaysAt(int64_t index) const;

  // A moment seconds after moment index, within a step: the time of day grows, and from
  // 24 on it counts in the next day (the date of moment index + 1).
  ChartMoment MomentBetween(int64_t index, double seconds) const;
  SearchMoment SearchMomentBetween(int64_t index, double seconds) const;
  // Clock seconds from moment index to moment index + 1 (for a regular step).
  double SecondsToNext(int64_t index) const;

  // A step is regular when it moves the moment forward by at most kRegularStepDays on
  // the chart's time scale (Julian day plus time of day): every step within a day and
  // over midnight, except from a start at 24:00 or later (the time of day falls back)
  // and where the Julian day does not follow the calendar day by one (before 1582, where
  // the time scale counts Julian dates, and at its switch). RegularRunEnd gives the last
  // moment that moment index reaches by regular steps only, at most Size() - 1; with
  // newYearBreaks the run also ends before a new calendar year.
  bool IsRegularStep(int64_t index) const;
  int64_t RegularRunEnd(int64_t index, bool newYearBreaks) const;

 private:
  struct DayPosition {
    int64_t day;  // 0 for the start's date
    double hours;
  };
  DayPosition PositionOf(int64_t index) const;
  DayPosition PositionBetween(int64_t index, double seconds) const;
  CivilDate DateOfDay(int64_t day) const;
  int64_t FirstIndexOfDay(int64_t day) const;
  ChartMoment MomentOnDay(int64_t day, double hours) const;
  SearchMoment WithDateText(const ChartMoment& moment, int64_t day) const;
  void FindIrregularSteps();

  SearchMoment start_;
  std::vector<double> firstDayHours_;  // the start's time and the steps before midnight
  const std::vector<double>* dayHours_;  // the times of every later day
  int64_t dayOneNumber_ = 0;           // DayNumber of the date after the start's
  CivilDate dayOne_{};
  int stopYear_ = 0;
  int64_t size_ = 0;
  bool endsAtStopYear_ = false;
  std::vector<int64_t> irregularSteps_;  // index i: the step from i - 1 to i, ascending
};

// The largest time a regular step moves, in days: 10 minutes and a margin for the
// rounding of the time scale.
inline constexpr double kRegularStepDays = 1.0 / 144.0 + 1e-7;

}  // namespace gyrolux
