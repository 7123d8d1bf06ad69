// gyrolux-calc axes: the four main-axis lists and the stellium line of one moment.
#include "midpoints/axes_report.h"
#include "engine/chart.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

void DefineAxesVerb(QCommandLineParser& parser) {
  parser.addOptions(MomentOptions());
  parser.addOption({QStringLiteral("orb"),
                    QStringLiteral("Orb in degrees, above 0 up to %1; %2 if not given.")
                        .arg(MaxOrbDegrees())
                        .arg(kPictureOrb.degrees),
                    QStringLiteral("O")});
}

int RunAxesVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err) {
  QString error;
  Chart chart;
  if (!ReadMoment(parser, chart, error)) {
    err << error;
    return 2;
  }
  Orb orb;
  if (!ReadOrbOption(parser, orb, error)) {
    err << error;
    return 2;
  }
  RecomputeChart(chart);
  for (const QString& line : AxesReportLines(chart, orb)) out << line << "\n";
  return 0;
}

}  // namespace gyrolux::calc
