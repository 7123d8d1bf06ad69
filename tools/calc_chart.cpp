// gyrolux-calc chart: one chart as a table or as one JSON object.
#include <QJsonArray>
#include <QJsonDocument>
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

// QJsonDocument writes each double in the shortest form that reads back to the same
// double, a non-finite one as null; QJsonObject puts the keys in alphabetical order.
void PrintJson(const Chart& chart, QTextStream& out) {
  const ChartState& st = chart.state;
  QJsonArray longitudes, retrograde;
  for (int id = 0; id < kFactorCount; ++id) {
    longitudes.append(st.factorLongitude[id]);
    retrograde.append(st.retrograde[id] ? 1 : 0);
  }
  const QJsonObject object{
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
  out << QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) << '\n';
}

void PrintTable(const Chart& chart, QTextStream& out) {
  const ChartMoment& m = chart.moment;
  out << "Chart " << chart.texts.dateText << ' ' << FormatClock(m.hours) << " WZ/GMT, longitude "
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
  parser.addOptions(MomentOptions());
  parser.addOption({QStringLiteral("json"),
                    QStringLiteral("All numbers of the chart as one JSON object, not the table.")});
}

int RunChartVerb(const QCommandLineParser& parser, QTextStream& out, QTextStream& err) {
  QString error;
  Chart chart;
  if (!ReadMoment(parser, chart, error)) {
    err << error;
    return 2;
  }
  RecomputeChart(chart);
  if (parser.isSet(QStringLiteral("json"))) {
    PrintJson(chart, out);
  } else {
    PrintTable(chart, out);
  }
  return 0;
}

}  // namespace gyrolux::calc
