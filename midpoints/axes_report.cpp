#include "midpoints/axes_report.h"

#include "midpoints/axis_lists.h"
#include "midpoints/stellium.h"

namespace gyrolux {

QStringList AxesReportLines(const Chart& chart, Orb orb) {
  QStringList lines;
  const auto lists = MainAxisLists(chart.state.factorLongitude, orb);
  for (size_t n = 0; n < lists.size(); ++n) {
    if (n > 0) lines.append(QString());
    lines += lists[n];
  }
  if (const auto stellium = FindStellium(chart.state.factorLongitude)) {
    lines.append(StelliumLogLine(*stellium, chart.texts.dateText, chart.moment.hours));
  }
  return lines;
}

}  // namespace gyrolux
