#include "dialogs/search_report.h"

#include "engine/factors.h"
#include "engine/formatting.h"
#include "midpoints/watched_distance.h"

namespace gyrolux {

namespace {

QString Name(int factor) {
  return factor >= 0 && factor < static_cast<int>(FactorAbbrev.size()) ? QLatin1String(FactorAbbrev[factor])
                                                                        : QStringLiteral("??");
}

QString Pair(const AlarmQuery& query, int first) {
  return Name(query.factors[first]) + u'/' + Name(query.factors[first + 1]);
}

// The plain mean of the pair's longitudes in the 22.5-degree mode, "07°30'".
QString PairAngle(const AlarmQuery& query, int first, const Chart& chart) {
  const FactorLongitudes& longitudes = chart.state.factorLongitude;
  const double mean = (SearchLongitude(longitudes, query.factors[first]) +
                       SearchLongitude(longitudes, query.factors[first + 1])) /
                      2.0;
  return FormatAngle(2, 22, mean);
}

QString DateText(const ChartMoment& m) { return FormatDateText(m.day, m.month, m.year); }

}  // namespace

QString SearchResultLine(const AlarmQuery& query, const Chart& chart) {
  const ChartMoment& m = chart.moment;
  if (query.kind == AlarmKind::Picture) {
    return QStringLiteral("     ") + Pair(query, 0) + u'=' + Pair(query, 2) + u' ' +
           PairAngle(query, 0, chart) + u'/' + PairAngle(query, 2, chart) +
           QStringLiteral(" gefunden: Datum:") + DateText(m) + QStringLiteral("  ") + QStringLiteral("WZ:") +
           ShownClock(m.hours);
  }
  return QStringLiteral("         ") + Pair(query, 0) + u'=' + PairAngle(query, 0, chart) +
         QStringLiteral(" gefunden: Datum: ") + DateText(m) + QStringLiteral("   ") + QStringLiteral("WZ: ") +
         ShownClock(m.hours);
}

QString FoundDateLabel(const ChartMoment& m) {
  return WeekdayName(m.year, m.month, m.day) + QStringLiteral(", ") + DateText(m);
}

QString FoundTimeLabel(double hours) { return TimeLabel(hours); }

}  // namespace gyrolux
