#pragma once

#include <QString>
#include <QStringView>

#include "engine/chart.h"

namespace gyrolux {

// Reading the moment's texts back into numbers: the inverse of the formatters for the
// fields that the state file and the date dialog hold ("05.12.2026", "10:29:50",
// "+010°00'", "+50°00'"). A field that is not a clean number counts as the digits before
// its first other character, 0 if none.

// The number of a field: its decimal digits up to the first other character (0 if the
// field does not begin with a digit).
int LeadingNumber(QStringView field);

// LeadingNumber of the characters first..first + count - 1 (1-based) of text; characters
// past the end of the text are simply missing.
int FieldNumber(const QString& text, int first, int count);

// day, month and year from characters 1-2, 4-5 and 7-10 of a date text.
void ReadDateFields(const QString& dateText, ChartMoment& moment);

// h + m/60 + s/3600 from characters 1-2, 4-5 and 7-8 of a time text.
double HoursFromTimeText(const QString& timeText);

// The place of "+010°00'" and "+50°00'": degrees + minutes/60 + 0.0001, negated when the
// text begins with "-"; sets the west and south flags.
void ReadPlaceFields(const QString& longitudeText, const QString& latitudeText,
                     ChartMoment& moment);

}  // namespace gyrolux
