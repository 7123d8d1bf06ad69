#pragma once

#include <array>
#include <cstdint>

#include "engine/chart_core.h"
#include "midpoints/alarm_query.h"
#include "midpoints/moment_sequence.h"
#include "midpoints/motion_bounds.h"
#include "midpoints/watched_distance.h"
#include "midpoints/watched_stretch.h"

namespace gyrolux {

// The hit test at one moment of a sequence, and how many of the following moments are
// certain to give the same answer.
struct StepVerdict {
  bool hit = false;
  double distance = 0.0;  // d of the hit test
  int64_t sameUntil = 0;  // every moment from the tested one up to this one gives `hit`
};

// Runs the hit test on the factors it needs (ComputeFactors gives them with the bits of
// the full chart, and the test is the same function the plain loop calls). After a hit
// it bounds how long the answer holds by the largest motion of the factors; after a
// moment without one it follows the watched offset over stretches between exactly
// computed moments (WatchedStretch) and stops before the first moment it cannot clear.
class AlarmEvaluator {
 public:
  AlarmEvaluator(const Watch& watch, const MomentSequence& sequence);
  AlarmEvaluator(const AlarmQuery& query, const MomentSequence& sequence)
      : AlarmEvaluator(WatchOf(query), sequence) {}

  // The verdict at moment index; sameUntil is at most last.
  StepVerdict Evaluate(int64_t index, int64_t last) const;

 private:
  int64_t ClearOverStretches(int64_t index, const ChartResult& exact, int64_t limit) const;
  int64_t ClearWithAngleProbes(int64_t index, const FactorLongitudes& longitudes, double distance,
                               int64_t limit) const;
  double Clearance(const FactorLongitudes& longitudes) const;
  int64_t StepsWithoutWrap(const FactorLongitudes& longitudes) const;

  Watch watch_;
  const MomentSequence& sequence_;
  FactorMask mask_ = 0;
  Ephemeris sky_ = Ephemeris::Model;  // the bounds' sky
  AlarmMotion motion_;  // degrees of d per regular step, at most
  AngleTerms angles_;
  double clearWidth_ = 0.0;  // ClearanceWidth of the mode
  std::array<double, kFactorCount> wrapMotion_{};  // where wraps matter: each factor's motion per step
  int64_t stretchSteps_ = 1;
  double clearFloor_ = 0.0;
  bool newYearBreaks_ = false;
  bool skipping_ = false;
};

}  // namespace gyrolux
