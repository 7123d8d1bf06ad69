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
//
// The bisections ask questions of the exact charts at seconds within a step: the verdict,
// the sign of the offset, which of two seconds is closer. Most answers are already certain
// from the estimate between the step's two exact charts (WatchedStretch, with the bound of
// its error), and only the others cost a chart; every answer is the exact one, so the
// result is the same to the last bit as with a chart for every question
// (`useEstimates` false, the reference).
class HitRefiner {
 public:
  HitRefiner(const AlarmQuery& query, const MomentSequence& sequence, const SearchOptions& options,
             bool useEstimates = true);
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
  SearchMoment MomentAt(int64_t index, double seconds) const;

  class Questions;  // the questions of one Refine, with its charts at hand

  // The last second on the side of `index` before the verdict changes towards index + 1,
  // and the first one after it.
  struct Bracket {
    double before;
    double after;
  };
  Bracket BisectVerdict(Questions& ask, int64_t index) const;
  int64_t LeastStep(Questions& ask, int64_t first, int64_t last) const;
  // The second of least distance within the step from index to index + 1.
  double LeastSecond(Questions& ask, int64_t index) const;

  Watch watch_;
  const MomentSequence& sequence_;
  const SearchOptions& options_;
  FactorMask mask_;
  AlarmMotion motion_;
  double motionPerStep_;
  bool newYearBreaks_;
  AngleTerms angles_;
  bool useEstimates_;
};

}  // namespace gyrolux
