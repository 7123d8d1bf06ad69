#pragma once

#include <QString>

#include "engine/chart.h"

namespace gyrolux {

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
