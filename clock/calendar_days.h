#pragma once

#include <cstdint>

namespace gyrolux {

// A day of the Gregorian calendar as three plain numbers.
struct CivilDate {
  int day = 1;
  int month = 1;
  int year = 1;
};

// Days since 1 January 1970 of a Gregorian date. A day outside the month counts on from
// the month's first day (31.02. is 3 March in a common year), as the chart's day number
// does; the month is held to 1..12 and the year to +-30000 first.
int64_t DayNumber(const CivilDate& date);

// The Gregorian date of a day number (within the years +-30000).
CivilDate DateOfDayNumber(int64_t dayNumber);

// The date that lies `days` days after date (before it when negative).
CivilDate AddDays(const CivilDate& date, int64_t days);

}  // namespace gyrolux
