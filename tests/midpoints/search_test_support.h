#pragma once

#include <cstdlib>
#include <cstring>

#include "engine/calendar.h"
#include "midpoints/moment_sequence.h"

namespace gyrolux::testing {

// A start at 13.4 E with the date text as the date dialog writes it.
inline SearchMoment Start(int day, int month, int year, double hours, double latitude = 52.5001) {
  SearchMoment s;
  s.moment = {day, month, year, hours, 13.4001, latitude, false, false};
  s.dateText = QString("%1.%2.%3").arg(day, 2, 10, QChar('0')).arg(month, 2, 10, QChar('0')).arg(year, 4, 10, QChar('0'));
  return s;
}

inline bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// One step of the clock's search loop, without the chart.
inline void LiteralStep(Chart& chart) {
  chart.moment.hours += 1.0 / 6.0;
  if (chart.moment.hours >= 24.0) {
    NextDay(chart);
    chart.moment.hours = 0.0;
  }
}

inline Chart ChartAt(const SearchMoment& m) {
  Chart chart;
  chart.moment = m.moment;
  chart.texts.dateText = m.dateText;
  return chart;
}

inline long long EnvironmentNumber(const char* name, long long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::atoll(value) : fallback;
}

}  // namespace gyrolux::testing
