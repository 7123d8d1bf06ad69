// gyrolux-calc axes: the four main-axis lists and the stellium line of one moment.
#include <QJsonArray>
#include <QJsonObject>

#include "events/radix_lists.h"
#include "ephemeris/ephemeris_choice.h"
#include "evaluation/ephemeris_note.h"
#include "midpoints/axes_report.h"
#include "midpoints/axis_lists.h"
#include "midpoints/stellium.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

void DefineAxesVerb(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("Die Listen und die Stellium-Zeile als ein JSON-Objekt.")});
}

int RunAxesVerb(VerbCall& call) {
  const Chart& chart = call.chart;
  // With a radix, its factors and midpoints on the moment's main axes follow.
  std::array<QStringList, 4> onRadix;
  if (call.radix) onRadix = RadixOnMainAxes(chart, *call.radix, call.orb);
  if (!call.parser.isSet(QStringLiteral("json"))) {
    for (const QString& line : WithEphemerisNote(AxesReportLines(chart, call.orb), chart.moment))
      call.out << line << "\n";
    if (!call.radix) return kDone;
    call.out << '\n' << RadixHeadLine(call.radixName, *call.radix) << '\n';
    for (std::size_t i = 0; i < onRadix.size(); ++i) {
      const char* axis = FactorAbbrev[kMainAxes[i]];
      call.out << '\n' << ' ' << axis << "t/" << axis << "t\n";
      for (const QString& line : onRadix[i]) call.out << line << '\n';
    }
    return kDone;
  }
  // The keys are listed in gyrolux-calc.1.
  QJsonArray lists;
  for (const QStringList& list : MainAxisLists(chart.state.factorLongitude, call.orb)) {
    lists.append(QJsonArray::fromStringList(list));
  }
  const auto stellium = FindStellium(chart.state.factorLongitude);
  QJsonObject object{
                    {QStringLiteral("orb"), call.orb.degrees},
                    {QStringLiteral("lists"), lists},
                    {QStringLiteral("stellium"),
                     stellium ? QJsonValue(StelliumLogLine(*stellium, chart.texts.dateText, chart.moment.hours))
                              : QJsonValue(QJsonValue::Null)},
                    {QStringLiteral("ephemeris"), EphemerisKey(chart.moment.ephemeris)},
  };
  if (call.radix) {
    QJsonArray radixLists;
    for (const QStringList& list : onRadix) radixLists.append(QJsonArray::fromStringList(list));
    object.insert(QStringLiteral("radix"),
                  QJsonObject{{QStringLiteral("name"), call.radixName}, {QStringLiteral("lists"), radixLists}});
  }
  PrintJsonLine(object, call.out);
  return kDone;
}

}  // namespace gyrolux::calc
