#pragma once

#include <QString>

#include "engine/chart.h"

namespace gyrolux {

// Trunc(x) + 1 when the fraction is above 0.5 (2.5 gives 2, 2.51 gives 3). NaN gives 0,
// values beyond the int range are held at its ends.
int RoundHalfDown(double x);

// Zeros in front of the decimal digits up to width (1..6); ZeroPad(0, 2) is "00".
// At most 6 characters: a longer number is cut at the end.
QString ZeroPad(unsigned value, int width);

// A date as dd.mm.yyyy: ZeroPad(day, 2) + "." + ZeroPad(month, 2) + "." + ZeroPad(year,
// 4), cut to 10 characters (a negative number counts as 0).
QString FormatDateText(int day, int month, int year);

// Degrees and minutes of an angle; mode 22 reduces to the 22.5-degree mode, 30 to the
// sign, 0 keeps the value and adds seconds. At most 14 characters.
QString FormatAngle(int width, int mode, double value);

// A time of day (0 <= hours < 100) as hh:mm:ss.
QString FormatClock(double hours);

// FormatClock and FormatDateText written into an existing string, reusing its storage
// (the clock writes them on every tick).
void FormatClockInto(QString& text, double hours);
void FormatDateTextInto(QString& text, int day, int month, int year);

// A coordinate as ddd°mm' or, with seconds, ddd°mm'ss. Callers pass the magnitude; the
// sign of a negative value is dropped.
QString FormatCoordinate(bool withSeconds, double value);

// "So", "Mo", "Di", "Mi", "Do", "Fr" or "Sa".
QString WeekdayName(int year, int month, int day);

// Whole hours, minutes and seconds of a time in hours, as the clock shows them: true
// fractions of a second are cut off, the rounding error of the arithmetic is not.
struct ClockParts {
  int hours;
  int minutes;
  int seconds;
};
ClockParts SplitClock(double hours);

// ---- The moment as the windows label it ----------------------------------------------

// The time of day as hh:mm:ss. Within 0 up to below 100 hours this is FormatClock; the
// minutes unit can carry the time of day past that or below zero, and then the hours
// get as many digits as they need and a "-" in front when negative, so the text always
// says the time the clock holds.
QString ShownClock(double hours);

// "Sa, 05.12.2026": weekday and dateText.
QString DateLabel(const Chart& chart);

// "10:29:50 WZ/GMT".
QString TimeLabel(double hours);

// "010°00' E, 50°00' N" from the numbers of the moment.
QString PlaceLabel(const ChartMoment& moment);

// The same label taken from the stored texts "+010°00'" and "+50°00'" (characters 2-8 of
// the longitude text and 2-7 of the latitude text), as the last-moment command shows it.
QString PlaceLabelFromTexts(const QString& longitudeText, const QString& latitudeText);

}  // namespace gyrolux
