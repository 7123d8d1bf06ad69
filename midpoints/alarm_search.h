#pragma once

#include <atomic>
#include <cstdint>
#include <optional>

#include "midpoints/alarm_query.h"
#include "midpoints/moment_sequence.h"

namespace gyrolux {

// Why a search ended. Rejected: nothing was tested, because a factor is not a FactorId
// or "--", the start is not searchable (IsSearchableStart) or the step limit is below 1.
enum class SearchStop { Found, StopYear, MaxSteps, Aborted, Rejected };

// Where a running search stands, for a window to poll: the year of the moment reached
// and the moments before it known to give no hit.
struct SearchProgress {
  std::atomic<int32_t> year{0};
  std::atomic<int64_t> steps{0};
};

struct SearchOptions {
  // End after this many tested moments: the moment then stands one step past the last
  // one tested, as after any step without a hit (stop-year when that step also passes
  // the stop year).
  std::optional<int64_t> maxSteps;
  // Set from any thread to end the search.
  const std::atomic<bool>* abort = nullptr;
  SearchProgress* progress = nullptr;
  // Threads of the fast search and of FindAllHits; 0 for every core.
  int threads = 0;

  bool AbortRequested() const;
  // Progress as the search moves on (kept from going back when pieces finish out of
  // order), and where it ended.
  void ReportProgress(int year, int64_t steps) const;
  void ReportEnd(int year, int64_t steps) const;
};

struct SearchResult {
  bool found = false;
  SearchStop stop = SearchStop::Rejected;
  int64_t steps = 0;    // moments tested, the start the first
  SearchMoment moment;  // the hit, or the moment the stepping left behind
};

// Whether a search with these inputs runs at all (else it ends Rejected).
bool IsSearchable(const AlarmQuery& query, const SearchMoment& start, const SearchOptions& options);

// The alarm as the clock defines it, one full chart (RecomputeChart) per moment: test
// the moment; on no hit add 1/6 hour and, at 24 or more, go to the next day (NextDay) at
// exactly 0. It ends at the first hit (the moment left as it was), when the stepping has
// passed the stop year, at the step limit, or after the step during which abort was set
// (that step may still hit). This is the reference the fast search must agree with.
SearchResult PlainAlarmSearch(const AlarmQuery& query, const SearchMoment& start,
                              const SearchOptions& options = {});

// The same result as PlainAlarmSearch (found, steps, stop, moment to the last bit),
// computing only the factors the test needs, skipping moments whose answer the motion
// bounds fix, and cutting the moments into pieces for several threads, the earliest hit
// winning. Safe to call from any thread. An abort ends it within milliseconds: the
// result is then the first hit if every moment before it was tested, else Aborted with
// the moment after the moments known clear.
SearchResult FastAlarmSearch(const AlarmQuery& query, const SearchMoment& start,
                             const SearchOptions& options = {});

// The same two for any watched distance (any dial mode, fixed positions anywhere): the
// alarm searches are these on WatchOf(query). Rejected also for a factor that is not a
// FactorId or "--" and for a fixed position or an orb that is not a number.
SearchResult PlainWatchSearch(const Watch& watch, const SearchMoment& start, const SearchOptions& options = {});
SearchResult FastWatchSearch(const Watch& watch, const SearchMoment& start, const SearchOptions& options = {});

}  // namespace gyrolux
