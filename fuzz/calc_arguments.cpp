// gyrolux-calc's arguments, split at NUL bytes: the verb table, the options of every verb,
// the moment, and the verb's work, in the same process.
#include <QTextStream>

#include "fuzz/fuzz_support.h"
#include "tools/gyrolux_calc.h"

using namespace gyrolux;
using namespace gyrolux::fuzz;

namespace {

// Keeps each input to a moment's work: a search gets at most a few hundred steps (and
// one that asks for its own count is passed over); a drawing and the chart library are
// written only into the working directory; the lookups step at most 999 days.
bool Bounded(QStringList& arguments) {
  if (arguments.value(0) == QLatin1String("search")) {
    for (const QString& argument : arguments)
      if (argument.startsWith(QLatin1String("--max-steps"))) return false;
    arguments.append(QStringLiteral("--max-steps=300"));
  }
  // The chart library and its exchange files only in the working directory, never the
  // user's own library; the atlas (a second's loading) is left to its tests.
  if (arguments.value(0) == QLatin1String("atlas")) return false;
  if (arguments.value(0) == QLatin1String("radix")) {
    for (const QString& argument : arguments)
      if (argument.contains(u'/') || argument.startsWith(QLatin1String("--db"))) return false;
    arguments.append(QStringLiteral("--db=fuzz-charts.sqlite"));
  }
  if (arguments.value(0) == QLatin1String("draw")) {
    for (const QString& argument : arguments)
      if (argument.contains(u'/')) return false;
  }
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    if (arguments[i].startsWith(QLatin1String("--next-days"))) {
      const QString value = arguments[i].contains(u'=') ? arguments[i].section(u'=', 1) : arguments.value(i + 1);
      if (value.size() > 3) return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Prepare();
  QStringList arguments = SplitArguments(Bytes(data, size));
  if (!Bounded(arguments)) return 0;
  QString result, complaint;
  QTextStream out(&result), err(&complaint);
  const int status = calc::RunCalc(QStringList{QStringLiteral("gyrolux-calc")} + arguments, out, err);
  out.flush();
  err.flush();
  FuzzCheck(status >= 0 && status < 126, "an exit status a shell would misread");
  if (status != 0) {
    FuzzCheck(result.isEmpty(), "output besides a complaint");
    // A complaint is one line (the top help, shown without a verb, is the exception).
    FuzzCheck(complaint.startsWith(QLatin1String("Usage:")) || complaint.count(u'\n') == 1,
              "a complaint of more than one line");
  }
  return 0;
}
