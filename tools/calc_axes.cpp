#include "tools/calc_verbs.h"

namespace gyrolux::calc {

int RunAxesVerb(const QStringList&, QTextStream&, QTextStream& err) {
  err << "gyrolux-calc axes: not built yet\n";
  return 2;
}

}  // namespace gyrolux::calc
