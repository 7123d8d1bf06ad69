#pragma once

#include <optional>

#include <QString>

#include "engine/chart.h"
#include "radix/local_time.h"
#include "radix/radix_record.h"

namespace gyrolux {

// A chart's world time and moment: the local time resolved in its zone, the moment as
// the engine takes it (world time in decimal hours, the coordinates with their signs).
struct RadixMoment {
  LocalTimeResolution time;
  ChartMoment moment;
};

// Nothing (with the German reason) when the local time does not resolve.
std::optional<RadixMoment> RadixMomentOf(const RadixRecord& record, QString& error);

// The radix chart computed, its texts (date, time, coordinates) filled.
std::optional<Chart> RadixChart(const RadixRecord& record, QString& error);

}  // namespace gyrolux
