#pragma once

#include <QStringList>

#include "engine/chart.h"
#include "evaluation/diagram_prints.h"

namespace gyrolux {

// Prints and exports made in the modern sky say so: a list gets an empty line and
// "Ephemeride: Swiss Ephemeris" at its end, a printed diagram page that line below the
// picture, a saved or exported picture that line in a strip added below it. In the model
// they stay exactly as they are.
QStringList WithEphemerisNote(QStringList lines, const ChartMoment& moment);
PrintedPage WithEphemerisNote(PrintedPage page, const ChartMoment& moment);
Picture WithEphemerisNote(const Picture& picture, const ChartMoment& moment);

}  // namespace gyrolux
