#pragma once

#include <cstdint>

#include "engine/chart.h"

namespace gyrolux {

// A day of the calendar as three plain numbers.
struct CivilDate {
  int day = 1;
  int month = 1;
  int year = 1;
  bool operator==(const CivilDate&) const = default;
};

// Step dateText and day/month/year by one calendar day (Gregorian rule). They read the
// date from dateText and do not recompute the chart.
void NextDay(Chart& chart);
void PreviousDay(Chart& chart);

// Gregorian leap year: divisible by 4, centuries only when divisible by 400.
bool IsGregorianLeapYear(int year);

// Days of a month in the Gregorian calendar (0 for a month outside 1..12).
int GregorianMonthLength(int year, int month);

// Days since 1 January 1970 of a Gregorian date. A day outside the month counts on from
// the month's first day (31.02. is 3 March in a common year), as the chart's day number
// does; the month is held to 1..12 and the year to +-30000 first.
int64_t DayNumber(const CivilDate& date);

// The Gregorian date of a day number (within the years +-30000).
CivilDate DateOfDayNumber(int64_t dayNumber);

// The date that lies `days` days after date (before it when negative).
CivilDate AddDays(const CivilDate& date, int64_t days);

}  // namespace gyrolux
