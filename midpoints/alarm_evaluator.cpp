#include "midpoints/alarm_evaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/integer_conversion.h"
#include "midpoints/alarm_hit_test.h"
#include "midpoints/motion_bounds.h"

namespace gyrolux {

namespace {

// Covers the rounding between the computed longitudes and the bounded motion: the time
// scale's rounding moves the Moon by below 1e-9 degrees, the midpoints, Mod22_5 and the
// distance round by below 1e-12.
constexpr double kDistanceSafety = 1e-6;

// No longitude below kLowestLongitude makes every 22.5-degree position at least -0.1 and
// d at most 22.6. Beyond 22.5, d > 22.5 - orb is a hit that the circular distance (then
// d - 22.5, at most 0.1) does not explain when the orb is tiny, so a moment counts as
// certainly clear only with a circular distance above this as well.
constexpr double kClearFloor = -kLowestLongitude;

}  // namespace

AlarmEvaluator::AlarmEvaluator(const AlarmQuery& query, const MomentSequence& sequence)
    : query_(query), sequence_(sequence), mask_(AlarmFactorMask(query)) {
  const double latitude = sequence.MomentAt(0).latitude;
  motionPerStep_ = AlarmMotionPerStep(query, latitude);
  newYearBreaks_ = AlarmMovesAtNewYear(query);
  // The distance is a circular one (so that motion bounds it) only for a target within
  // the mode.
  const bool circular =
      query.kind == AlarmKind::Picture || (query.angle >= 0.0 && query.angle <= 22.5);
  skipping_ = circular && motionPerStep_ < std::numeric_limits<double>::infinity();
}

double AlarmEvaluator::DistanceAt(const ChartMoment& moment) const {
  ChartResult result;
  ComputeFactors(moment, mask_, result);
  return AlarmDistance(query_, result.state.factorLongitude);
}

StepVerdict AlarmEvaluator::Evaluate(int64_t index, int64_t last) const {
  ChartResult result;
  ComputeFactors(sequence_.MomentAt(index), mask_, result);
  StepVerdict verdict;
  verdict.distance = AlarmDistance(query_, result.state.factorLongitude);
  verdict.hit = IsWithinOrb(verdict.distance, query_.orb);
  verdict.sameUntil = index;
  if (skipping_ && index < last) {
    const int64_t steps = StepsKnownAlike(verdict, result.state.centuriesT);
    if (steps > 0) {
      const int64_t runEnd = sequence_.RegularRunEnd(index, newYearBreaks_);
      verdict.sameUntil = std::min({index + steps, runEnd, last});
    }
  }
  return verdict;
}

// Over j regular steps the two positions move by at most j * motionPerStep_ in total, so
// the circular distance c changes by no more. A clear moment stays clear while c keeps
// above the orb (and kClearFloor), a hit stays a hit while c keeps below the orb.
int64_t AlarmEvaluator::StepsKnownAlike(const StepVerdict& verdict, double centuries) const {
  const double c = CircularDistance22_5(verdict.distance);
  const double margin = (verdict.hit ? query_.orb - c : c - std::max(query_.orb, kClearFloor)) -
                        kDistanceSafety;
  if (!(margin > 0.0)) return 0;
  // The moments reached must lie within the range of the motion table.
  const double stepCenturies = kRegularStepDays / 36525.0;
  const double room =
      std::min(centuries - kMotionFirstCenturies, kMotionLastCenturies - centuries) / stepCenturies;
  if (!(room >= 1.0)) return 0;
  double steps = room;
  if (motionPerStep_ > 0.0) steps = std::min(steps, margin / motionPerStep_);
  int64_t k = TruncClamped(steps, 0, std::numeric_limits<int>::max());
  while (k > 0 && motionPerStep_ > 0.0 && static_cast<double>(k) * motionPerStep_ >= margin) --k;
  return k;
}

}  // namespace gyrolux
