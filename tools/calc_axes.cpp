// gyrolux-calc axes: the four main-axis lists and the stellium line of one moment.
#include "midpoints/axes_report.h"
#include "engine/chart.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

int RunAxesVerb(const QStringList& args, QTextStream& out, QTextStream& err) {
  CalcArgs parsed;
  QString error;
  const std::set<QString> valueOptions = {QStringLiteral("--date"), QStringLiteral("--hours"),
                                          QStringLiteral("--lon"), QStringLiteral("--lat"),
                                          QStringLiteral("--orb")};
  Chart chart;
  if (!parsed.parse(args, valueOptions, {}, error) || !ReadMoment(parsed, chart, error)) {
    err << "gyrolux-calc axes: " << error << "\n";
    return 2;
  }
  double orb = 1.18;
  if (const auto orbText = parsed.value(QStringLiteral("--orb"))) {
    const auto value = ParseNumber(*orbText);
    // Beyond half of 22.5 degrees every pair would stand in every axis.
    if (!value || *value <= 0.0 || *value > 11.25) {
      err << "gyrolux-calc axes: invalid value '" << *orbText
          << "' for --orb (a number above 0 up to 11.25)\n";
      return 2;
    }
    orb = *value;
  }
  RecomputeChart(chart);
  for (const QString& line : AxesReportLines(chart, orb)) out << line << "\n";
  return 0;
}

}  // namespace gyrolux::calc
