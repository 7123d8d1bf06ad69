#pragma once

#include "engine/chart.h"

namespace gyrolux {

// Step dateText and day/month/year by one calendar day (Gregorian rule). They read the
// date from dateText and do not recompute the chart.
void NextDay(Chart& chart);
void PreviousDay(Chart& chart);

// Gregorian leap year: divisible by 4, centuries only when divisible by 400.
bool IsGregorianLeapYear(int year);

// Days of a month in the Gregorian calendar (0 for a month outside 1..12).
int GregorianMonthLength(int year, int month);

}  // namespace gyrolux
