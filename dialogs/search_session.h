#pragma once

#include "midpoints/alarm_search.h"
#include "session/session.h"

namespace gyrolux {

// What the two search dialogs take from the session and give back to it.

// The picture search with the pairs stored last and the run's orb.
AlarmQuery PictureSearchQuery(const Session& session);
// The midpoint-angle search with the first pair and the angle stored last (its orb is
// always 1.1).
AlarmQuery MidpointSearchQuery(const Session& session);

// The moment a search starts from: the chart's moment and date text.
SearchMoment SearchStart(const Chart& chart);

// The end of a search: the chart stands at the moment where it stopped, recomputed there;
// SearchFound tells whether that is a hit, and the result line is set for a hit (cleared
// otherwise).
void ApplySearchResult(Session& session, const AlarmQuery& query, const SearchResult& result);

}  // namespace gyrolux
