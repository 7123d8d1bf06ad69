// gyrolux-calc: the chart engine and the lists without a window.
#include <cstdio>
#include <utility>

#include <QCoreApplication>
#include <QTextStream>

#include "tools/calc_verbs.h"

namespace {

constexpr std::pair<const char*, gyrolux::calc::VerbFunction> kVerbs[] = {
    {"chart", gyrolux::calc::RunChartVerb},
    {"axes", gyrolux::calc::RunAxesVerb},
};

void PrintUsage(QTextStream& err) {
  err << "usage: gyrolux-calc chart --date DD.MM.YYYY --hours H --lon L --lat B [--json]\n"
         "       gyrolux-calc axes --date DD.MM.YYYY --hours H --lon L --lat B [--orb O]\n";
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QTextStream out(stdout);
  QTextStream err(stderr);
  QStringList args = app.arguments().mid(1);
  if (args.isEmpty()) {
    PrintUsage(err);
    return 2;
  }
  const QString verb = args.takeFirst();
  for (const auto& [name, run] : kVerbs) {
    if (verb == QLatin1String(name)) {
      // The verb writes into a buffer first, so that a failure leaves stdout empty.
      QString buffer;
      QTextStream bufferStream(&buffer);
      const int status = run(args, bufferStream, err);
      bufferStream.flush();
      if (status == 0) out << buffer;
      return status;
    }
  }
  err << "unknown verb '" << verb << "'\n";
  PrintUsage(err);
  return 2;
}
