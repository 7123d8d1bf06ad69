// gyrolux-calc chart: one chart as a table or as one JSON object.
#include <QJsonArray>
#include <QJsonObject>

#include "engine/chart.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "ephemeris/ephemeris_choice.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

// The keys are listed in gyrolux-calc.1; QJsonObject puts them in alphabetical order.
// With a radix, the key "radix" holds its name and its factors' longitudes, as
// "radix show --json" gives them.
void PrintJson(const Chart& chart, const VerbCall& call, QTextStream& out) {
  const ChartState& st = chart.state;
  QJsonArray longitudes, retrograde;
  for (int id = 0; id < kFactorCount; ++id) {
    longitudes.append(st.factorLongitude[id]);
    retrograde.append(st.retrograde[id] ? 1 : 0);
  }
  QJsonObject object{
                    {QStringLiteral("factorLongitude"), longitudes},
                    {QStringLiteral("retrograde"), retrograde},
                    {QStringLiteral("centuriesT"), st.centuriesT},
                    {QStringLiteral("negObliquity"), st.negObliquity},
                    {QStringLiteral("ramc"), st.ramc},
                    {QStringLiteral("localSiderealHours"), st.localSiderealHours},
                    {QStringLiteral("siderealText"), chart.texts.siderealText},
                    {QStringLiteral("ramcText"), chart.texts.ramcText},
                    {QStringLiteral("indexSiderealText"), chart.texts.indexSiderealText},
                    {QStringLiteral("indexDateText"), chart.texts.indexDateText},
                    {QStringLiteral("ephemeris"), EphemerisKey(chart.moment.ephemeris)},
  };
  if (call.radix) {
    QJsonArray radixLongitudes;
    for (int id = 0; id < kFactorCount; ++id) radixLongitudes.append(call.radix->state.factorLongitude[id]);
    object.insert(QStringLiteral("radix"), QJsonObject{{QStringLiteral("name"), call.radixName},
                                                       {QStringLiteral("factorLongitude"), radixLongitudes}});
  }
  PrintJsonLine(object, out);
}

void PrintTable(const Chart& chart, QTextStream& out, const QString& title = QStringLiteral("Chart")) {
  const ChartMoment& m = chart.moment;
  out << title << ' ' << chart.texts.dateText << ' ' << FormatClock(m.hours) << " WZ/GMT, longitude "
      << QString::number(m.longitude, 'f', 4) << ", latitude " << QString::number(m.latitude, 'f', 4)
      << '\n';
  // Columns: factor, longitude in degrees, the position in its sign with the sign's
  // name, the 22.5-degree position, R for a retrograde body.
  out << "factor   longitude   in sign      22.5     retrograde\n";
  for (int id = 0; id < kFactorCount; ++id) {
    const double longitude = chart.state.factorLongitude[id];
    out << QString::asprintf("%-6s%12.6f", FactorAbbrev[id], longitude) << "   "
        << FormatAngle(2, 30, longitude) << ' ' << SignOfLongitude(longitude) << "   "
        << FormatAngle(2, 22, longitude) << (chart.state.retrograde[id] ? "   R" : "") << '\n';
  }
  out << "Stz        " << chart.texts.siderealText << '\n'
      << "RA         " << chart.texts.ramcText << '\n'
      << "Index Stz  " << chart.texts.indexSiderealText << '\n'
      << "Index Dat  " << chart.texts.indexDateText << '\n';
  if (const QString note = EphemerisNote(m.ephemeris); !note.isEmpty()) out << note << '\n';
}

}  // namespace

void DefineChartVerb(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("Alle Zahlen des Horoskops als ein JSON-Objekt statt der Tabelle.")});
}

int RunChartVerb(VerbCall& call) {
  if (call.parser.isSet(QStringLiteral("json"))) {
    PrintJson(call.chart, call, call.out);
    return kDone;
  }
  PrintTable(call.chart, call.out);
  if (call.radix) {
    call.out << '\n';
    PrintTable(*call.radix, call.out, QStringLiteral("Radix ") + call.radixName);
  }
  return kDone;
}

}  // namespace gyrolux::calc
