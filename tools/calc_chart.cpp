#include "tools/calc_verbs.h"

namespace gyrolux::calc {

int RunChartVerb(const QStringList&, QTextStream&, QTextStream& err) {
  err << "gyrolux-calc chart: not built yet\n";
  return 2;
}

}  // namespace gyrolux::calc
