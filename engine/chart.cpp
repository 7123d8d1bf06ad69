#include "engine/chart.h"

#include "engine/chart_core.h"
#include "engine/formatting.h"

namespace gyrolux {

void RecomputeChart(Chart& chart) {
  ChartResult result;
  ComputeChart(chart.moment, result);
  chart.state = result.state;
  FormatClockInto(chart.texts.siderealText, result.siderealHours);
  FormatClockInto(chart.texts.ramcText, result.state.localSiderealHours);
  FormatClockInto(chart.texts.indexSiderealText, result.indexSiderealHours);
  FormatDateTextInto(chart.texts.indexDateText, result.indexDay, result.indexMonth,
                     result.indexYear);
}

}  // namespace gyrolux
