#pragma once

#include <QString>

#include "engine/chart.h"
#include "midpoints/alarm_query.h"

namespace gyrolux {

// How a search that stopped on a hit is reported: the line of the evaluation window and
// the main window's red date and time labels. Times show the second the hours stand for
// (as FormatClock does), so a hit at 12:40 reads 12:40:00, not 12:39:59.

// The result line for the chart computed at the moment found. A picture:
// "     MC/SO=MA/JU 07°30'/08°01' gefunden: Datum:24.12.2030  WZ:13:10:00";
// a midpoint at an angle:
// "         MC/SO=07°30' gefunden: Datum: 24.12.2030   WZ: 13:10:00".
// The pairs stand as the query holds them; "--" counts as the longitude 0.
QString SearchResultLine(const AlarmQuery& query, const Chart& chart);

// "Di, 24.12.2030" and "13:10:00 WZ/GMT".
QString FoundDateLabel(const ChartMoment& moment);
QString FoundTimeLabel(double hours);

}  // namespace gyrolux
