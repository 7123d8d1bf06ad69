#include "dialogs/search_session.h"

#include "dialogs/search_report.h"

namespace gyrolux {

AlarmQuery PictureSearchQuery(const Session& session) {
  const SearchState& s = session.search;
  return PictureQuery(s.pairA, s.pairB, s.pairC, s.pairD, session.pictureOrb.degrees);
}

AlarmQuery MidpointSearchQuery(const Session& session) {
  const SearchState& s = session.search;
  return MidpointAngleQuery(s.pairA, s.pairB, s.searchAngle);
}

SearchMoment SearchStart(const Chart& chart) { return {chart.moment, chart.texts.dateText}; }

void ApplySearchResult(Session& session, const AlarmQuery& query, const SearchResult& result) {
  Chart& chart = session.chart;
  ChartMoment& moment = chart.moment;
  // Only the date and the time of day move; the place stays.
  moment.day = result.moment.moment.day;
  moment.month = result.moment.moment.month;
  moment.year = result.moment.moment.year;
  moment.hours = result.moment.moment.hours;
  chart.texts.dateText = result.moment.dateText;
  RecomputeChart(chart);
  session.search.searchFound = result.found;
  session.search.resultLine = result.found ? SearchResultLine(query, chart) : QString();
}

}  // namespace gyrolux
