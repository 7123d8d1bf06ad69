#pragma once

#include <cstdint>

#include "engine/chart_core.h"
#include "midpoints/alarm_search.h"
#include "midpoints/all_hits.h"
#include "midpoints/moment_sequence.h"
#include "midpoints/motion_bounds.h"
#include "midpoints/watched_distance.h"
#include "midpoints/watched_stretch.h"

namespace gyrolux {

// Refines a run of hit steps (firstStep, lastStep, alarm set) to the second, as HitRun
// describes: enters, leaves, closest and leastDistance. Refine gives false when the
// options' abort cut it short.
class HitRefiner {
 public:
  HitRefiner(const AlarmQuery& query, const MomentSequence& sequence, const SearchOptions& options);
  bool Refine(HitRun& run) const;

 private:
  // The test at a moment: the signed difference of the two positions, reduced to half
  // the mode's width either way, and the verdict.
  struct Probe {
    double offset;
    bool hit;
  };
  Probe ProbeAt(int64_t index, double seconds) const;
  void ChartAt(int64_t index, double seconds, ChartResult& result) const;
  // The watched offset estimated between the regular step index and index + 1 from the
  // two exact charts (WatchedStretch), for a first guess of where something happens
  // within the step; every answer is then checked with exact charts.
  WatchedStretch StretchOf(int64_t index, ChartResult& from, ChartResult& to) const;
  SearchMoment MomentAt(int64_t index, double seconds) const;

  // The last second on the side of `index` before the verdict changes towards index + 1,
  // and the first one after it.
  struct Bracket {
    double before;
    double after;
  };
  Bracket BisectVerdict(int64_t index) const;
  int64_t LeastStep(int64_t first, int64_t last) const;
  // The second of least distance within the step from index to index + 1.
  double LeastSecond(int64_t index) const;

  Watch watch_;
  const MomentSequence& sequence_;
  const SearchOptions& options_;
  FactorMask mask_;
  AlarmMotion motion_;
  double motionPerStep_;
  bool newYearBreaks_;
  AngleTerms angles_;
};

}  // namespace gyrolux
