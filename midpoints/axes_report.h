#pragma once

#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"

namespace gyrolux {

// The four main-axis lists of a computed chart as the main window shows them (MC/MC,
// SO/SO, AS/AS, MO/MO, one empty line between two lists), followed by the STELLIA.TXT
// line of the moment when it holds a stellium.
QStringList AxesReportLines(const Chart& chart, Orb orb);

}  // namespace gyrolux
