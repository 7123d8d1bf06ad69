#include "midpoints/moment_sequence.h"

#include <algorithm>
#include <cmath>

#include "engine/calendar.h"
#include "engine/formatting.h"
#include "engine/time_scale.h"

namespace gyrolux {

namespace {

// The times of day of every day after the start's: 0, then the step added until 24.
const std::vector<double>& DayHours() {
  static const std::vector<double> hours = [] {
    std::vector<double> h;
    for (double x = 0.0; x < 24.0; x += kAlarmStepHours) h.push_back(x);
    return h;
  }();
  return hours;
}

int64_t HoursPerDay() { return static_cast<int64_t>(DayHours().size()); }

// Clock time from the first moment to the second, in days, as the chart's time scale
// counts it.
double DaysBetween(const ChartMoment& from, const ChartMoment& to) {
  const double t0 = JulianCenturies(from.day, from.month, from.year, from.hours);
  const double t1 = JulianCenturies(to.day, to.month, to.year, to.hours);
  return (t1 - t0) * 36525.0;
}

}  // namespace

bool IsSearchableStart(const SearchMoment& start) {
  const ChartMoment& m = start.moment;
  return !std::isnan(m.hours) && m.hours >= -24.0 && m.year >= 0 && m.year <= 9999;
}

int AlarmStopYear(int startYear) { return std::min(startYear + 100, 9999); }

MomentSequence::MomentSequence(const SearchMoment& start, int64_t maxSteps) : start_(start), dayHours_(&DayHours()) {
  // The first day: the start's time, then the step added while the time stays below 24.
  for (double h = start.moment.hours;;) {
    firstDayHours_.push_back(h);
    h += kAlarmStepHours;
    if (h >= 24.0) break;
  }
  // The date after the start's comes from NextDay, which reads the date text; every
  // later one is the Gregorian successor of the one before (NextDay on the text it wrote).
  Chart chart;
  chart.moment = start.moment;
  chart.texts.dateText = start.dateText;
  NextDay(chart);
  dayOne_ = {chart.moment.day, chart.moment.month, chart.moment.year};
  dayOneNumber_ = DayNumber(dayOne_);

  // The stepping passes the stop year on reaching the first day of a later year.
  stopYear_ = AlarmStopYear(start.moment.year);
  const int64_t daysToEnd =
      dayOne_.year > stopYear_ ? 1 : DayNumber(CivilDate{1, 1, stopYear_ + 1}) - dayOneNumber_ + 1;
  const int64_t total = FirstIndexOfDay(daysToEnd);
  endsAtStopYear_ = total <= maxSteps;
  size_ = std::min(total, maxSteps);
  FindIrregularSteps();
}

void MomentSequence::FindIrregularSteps() {
  const int64_t lastDay = PositionOf(size_).day;
  for (int64_t day = 1; day <= lastDay; ++day) {
    const int64_t first = FirstIndexOfDay(day);
    const double days = DaysBetween(MomentAt(first - 1), MomentAt(first));
    if (!(days >= 0.0 && days <= kRegularStepDays)) {
      irregularSteps_.push_back(first);
    }
  }
}

MomentSequence::DayPosition MomentSequence::PositionOf(int64_t index) const {
  const int64_t firstDay = static_cast<int64_t>(firstDayHours_.size());
  if (index < firstDay) return {0, firstDayHours_[index]};
  const int64_t r = index - firstDay;
  const int64_t perDay = static_cast<int64_t>(dayHours_->size());
  return {1 + r / perDay, (*dayHours_)[r % perDay]};
}

int64_t MomentSequence::FirstIndexOfDay(int64_t day) const {
  if (day == 0) return 0;
  return static_cast<int64_t>(firstDayHours_.size()) + (day - 1) * HoursPerDay();
}

CivilDate MomentSequence::DateOfDay(int64_t day) const {
  if (day == 0) return {start_.moment.day, start_.moment.month, start_.moment.year};
  return DateOfDayNumber(dayOneNumber_ + day - 1);
}

ChartMoment MomentSequence::MomentOnDay(int64_t day, double hours) const {
  ChartMoment m = start_.moment;
  const CivilDate date = DateOfDay(day);
  m.day = date.day;
  m.month = date.month;
  m.year = date.year;
  m.hours = hours;
  return m;
}

SearchMoment MomentSequence::WithDateText(const ChartMoment& moment, int64_t day) const {
  return {moment, day == 0 ? start_.dateText : FormatDateText(moment.day, moment.month, moment.year)};
}

ChartMoment MomentSequence::MomentAt(int64_t index) const {
  const DayPosition p = PositionOf(index);
  return MomentOnDay(p.day, p.hours);
}

SearchMoment MomentSequence::SearchMomentAt(int64_t index) const {
  return WithDateText(MomentAt(index), PositionOf(index).day);
}

int MomentSequence::YearAt(int64_t index) const { return DateOfDay(PositionOf(index).day).year; }

double MomentSequence::DaysAt(int64_t index) const {
  const DayPosition p = PositionOf(index);
  return static_cast<double>(p.day) + p.hours / 24.0;
}

MomentSequence::DayPosition MomentSequence::PositionBetween(int64_t index, double seconds) const {
  const DayPosition p = PositionOf(index);
  const double hours = p.hours + seconds / 3600.0;
  if (hours >= 24.0 && PositionOf(index + 1).day != p.day) return {p.day + 1, hours - 24.0};
  return {p.day, hours};
}

ChartMoment MomentSequence::MomentBetween(int64_t index, double seconds) const {
  const DayPosition p = PositionBetween(index, seconds);
  return MomentOnDay(p.day, p.hours);
}

SearchMoment MomentSequence::SearchMomentBetween(int64_t index, double seconds) const {
  const DayPosition p = PositionBetween(index, seconds);
  return WithDateText(MomentOnDay(p.day, p.hours), p.day);
}

double MomentSequence::SecondsToNext(int64_t index) const {
  const DayPosition p = PositionOf(index);
  const DayPosition next = PositionOf(index + 1);
  return ((next.day == p.day ? next.hours : 24.0) - p.hours) * 3600.0;
}

bool MomentSequence::IsRegularStep(int64_t index) const {
  return !std::binary_search(irregularSteps_.begin(), irregularSteps_.end(), index + 1);
}

int64_t MomentSequence::RegularRunEnd(int64_t index, bool newYearBreaks) const {
  int64_t end = size_ - 1;
  const auto next = std::upper_bound(irregularSteps_.begin(), irregularSteps_.end(), index);
  if (next != irregularSteps_.end()) end = std::min(end, *next - 1);
  if (newYearBreaks) {
    const int64_t day = PositionOf(index).day;
    const int year = DateOfDay(day).year;
    int64_t nextYearDay = 0;
    if (day == 0 && dayOne_.year != year) {
      nextYearDay = 1;
    } else {
      const int64_t firstYearDay = day == 0 ? 1 : day;
      const int thisYear = DateOfDay(firstYearDay).year;
      nextYearDay = DayNumber(CivilDate{1, 1, thisYear + 1}) - dayOneNumber_ + 1;
    }
    end = std::min(end, FirstIndexOfDay(nextYearDay) - 1);
  }
  return std::max(end, index);
}

}  // namespace gyrolux
