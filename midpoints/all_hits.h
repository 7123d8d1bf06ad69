#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "midpoints/alarm_query.h"
#include "midpoints/alarm_search.h"
#include "midpoints/moment_sequence.h"

namespace gyrolux {

// One stay of a picture (or midpoint) within the orb.
//
// At step granularity it is a run of consecutive tested moments that all hit, firstStep
// to lastStep (indices of the moment sequence, the start 0); the moment before and the
// moment after it, where the period holds them, do not hit. `alarm` is the moment at
// firstStep: an alarm started at any moment after the run before stops there.
//
// Refined, to the second, on the same model (the chart at moments between two steps,
// the time of day counted on and past 24 into the next day):
// - `enters` is the first moment within the orb: bisecting the seconds between the step
//   before the run and firstStep, a moment that hits with one second before it (or that
//   step) not hitting. Without a step before it in the period, or after an irregular
//   step, it is `alarm` and entersRefined is false.
// - `leaves` is the last moment within the orb: likewise between lastStep and the step
//   after, a moment that hits with one second after it (or that step) not hitting.
//   Without a step after it in the period (or after an irregular step) it is the moment
//   at lastStep and leavesRefined is false.
// - `closest` is where the two positions come nearest: the least circular distance among
//   the steps of the run (found exactly, with the motion bound ruling out steps), then
//   among the seconds of the steps on either side, where the signed difference of the
//   positions changes sign bisected to its zero, else its least magnitude searched.
//   leastDistance is that distance in degrees. When the distance comes near a second time
//   within one stay, the closer approach counts.
// If the test changes more than once within one step, the bisections find one change.
struct HitRun {
  int64_t firstStep = 0;
  int64_t lastStep = 0;
  SearchMoment alarm;
  SearchMoment enters;
  bool entersRefined = false;
  SearchMoment leaves;
  bool leavesRefined = false;
  SearchMoment closest;
  double leastDistance = 0.0;
};

struct AllHitsResult {
  std::vector<HitRun> runs;  // empty when a sink took them
  // StopYear or MaxSteps when the whole period was covered, Aborted, or Rejected.
  SearchStop stop = SearchStop::Rejected;
  // The moments covered, from the start: the period, or up to the first moment not
  // covered at an abort.
  int64_t steps = 0;
};

// Takes each stay as soon as it and every one before it are known, in order.
using HitRunSink = std::function<void(const HitRun&)>;

// Every stay within the orb over the period an alarm search covers (to the stop year or
// the step limit), in order. Uses the threads, progress and abort of the options. With a
// sink, the stays go to it as they are found, a few weeks of moments at a time, and are
// not kept: the memory stays the same however many there are.
AllHitsResult FindAllHits(const AlarmQuery& query, const SearchMoment& start,
                          const SearchOptions& options = {}, const HitRunSink& sink = {});

}  // namespace gyrolux
