// gyrolux-calc chart: one chart as a table or as one JSON object.
#include <cmath>

#include "engine/chart.h"
#include "engine/factors.h"
#include "engine/formatting.h"
#include "engine/houses.h"
#include "tools/calc_args.h"
#include "tools/calc_verbs.h"

namespace gyrolux::calc {

namespace {

// 17 significant digits read back to the same double; JSON has no NaN or infinity.
QString JsonNumber(double value) {
  if (!std::isfinite(value)) return QStringLiteral("null");
  return QString::asprintf("%.17g", value);
}

QString JsonString(const QString& text) {
  QString quoted = QStringLiteral("\"");
  for (QChar c : text) {
    if (c == u'"' || c == u'\\') quoted += u'\\';
    if (c.unicode() < 0x20) {
      quoted += QString::asprintf("\\u%04x", c.unicode());
      continue;
    }
    quoted += c;
  }
  return quoted + u'"';
}

void PrintJson(const Chart& chart, QTextStream& out) {
  const ChartState& st = chart.state;
  QStringList longitudes, retrograde;
  for (int id = 0; id < kFactorCount; ++id) {
    longitudes << JsonNumber(st.factorLongitude[id]);
    retrograde << QString::number(st.retrograde[id] ? 1 : 0);
  }
  out << "{\"factorLongitude\":[" << longitudes.join(u',') << "],"
      << "\"retrograde\":[" << retrograde.join(u',') << "],"
      << "\"centuriesT\":" << JsonNumber(st.centuriesT) << ','
      << "\"negObliquity\":" << JsonNumber(st.negObliquity) << ','
      << "\"ramc\":" << JsonNumber(st.ramc) << ','
      << "\"localSiderealHours\":" << JsonNumber(st.localSiderealHours) << ','
      << "\"siderealText\":" << JsonString(chart.texts.siderealText) << ','
      << "\"ramcText\":" << JsonString(chart.texts.ramcText) << ','
      << "\"indexSiderealText\":" << JsonString(chart.texts.indexSiderealText) << ','
      << "\"indexDateText\":" << JsonString(chart.texts.indexDateText) << "}\n";
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
