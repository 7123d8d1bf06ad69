#include "engine/chart.h"

#include <algorithm>

#include "engine/chart_core.h"
#include "engine/formatting.h"

namespace gyrolux {

namespace {

unsigned ShownNumber(int32_t value) { return static_cast<unsigned>(std::clamp(value, 0, 65535)); }

}  // namespace

void RecomputeChart(Chart& chart) {
  ChartResult result;
  ComputeChart(chart.moment, result);
  chart.state = result.state;
  chart.texts.siderealText = FormatClock(result.siderealHours);
  chart.texts.ramcText = FormatClock(result.state.localSiderealHours);
  chart.texts.indexSiderealText = FormatClock(result.indexSiderealHours);
  chart.texts.indexDateText = (ZeroPad(ShownNumber(result.indexDay), 2) + u'.' +
                               ZeroPad(ShownNumber(result.indexMonth), 2) + u'.' +
                               ZeroPad(ShownNumber(result.indexYear), 4))
                                  .left(10);
}

}  // namespace gyrolux
