// gyrolux-calc axes: the four main-axis lists and the stellium line of one moment.
#include <QJsonArray>
#include <QJsonObject>

#include "ephemeris/ephemeris_choice.h"
#include "evaluation/ephemeris_note.h"
#include "midpoints/axes_report.h"
#include "midpoints/axis_lists.h"
#include "midpoints/stellium.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

void DefineAxesVerb(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("The lists and the stellium line as one JSON object.")});
}

int RunAxesVerb(VerbCall& call) {
  const Chart& chart = call.chart;
  if (!call.parser.isSet(QStringLiteral("json"))) {
    for (const QString& line : WithEphemerisNote(AxesReportLines(chart, call.orb), chart.moment)) call.out << line << "\n";
    return kDone;
  }
  // The keys are listed in gyrolux-calc.1.
  QJsonArray lists;
  for (const QStringList& list : MainAxisLists(chart.state.factorLongitude, call.orb)) {
    lists.append(QJsonArray::fromStringList(list));
  }
  const auto stellium = FindStellium(chart.state.factorLongitude);
  PrintJsonLine(QJsonObject{
                    {QStringLiteral("orb"), call.orb.degrees},
                    {QStringLiteral("lists"), lists},
                    {QStringLiteral("stellium"),
                     stellium ? QJsonValue(StelliumLogLine(*stellium, chart.texts.dateText, chart.moment.hours))
                              : QJsonValue(QJsonValue::Null)},
                    {QStringLiteral("ephemeris"), EphemerisKey(chart.moment.ephemeris)},
                },
                call.out);
  return kDone;
}

}  // namespace gyrolux::calc
