#include "engine/chart.h"

#include "engine/chart_core.h"
#include "engine/formatting.h"

namespace gyrolux {

void RecomputeChart(Chart& chart) {
  ChartResult result;
  ComputeChart(chart.moment, result);
  chart.state = result.state;
  chart.texts.siderealText = FormatClock(result.siderealHours);
  chart.texts.ramcText = FormatClock(result.state.localSiderealHours);
  chart.texts.indexSiderealText = FormatClock(result.indexSiderealHours);
  chart.texts.indexDateText =
      FormatDateText(result.indexDay, result.indexMonth, result.indexYear);
}

}  // namespace gyrolux
