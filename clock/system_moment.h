#pragma once

#include <QDateTime>

#include "clock/state_file.h"
#include "engine/chart.h"

namespace gyrolux {

// The date and time of day of the system clock as the moment: dateText "dd.mm.yyyy" and
// timeText "hh.mm.ss" of now in universal time (the clock runs in world time, so a
// computer set to any zone shows the same chart), and day, month, year and hours read
// back from those texts. The place is not touched.
void SetMomentFromSystemClock(Chart& chart, const QDateTime& now);

// The place used when there is no ALT.DAT: 10° east, 50° north, exactly.
void SetDefaultPlace(Chart& chart);

// The place stored in ALT.DAT (its longitude and latitude texts, read as they stand).
void SetStoredPlace(Chart& chart, const StoredMoment& stored);

// The whole stored moment: texts as read, numbers from their fields.
void SetStoredMoment(Chart& chart, const StoredMoment& stored);

}  // namespace gyrolux
