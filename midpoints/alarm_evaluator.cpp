#include "midpoints/alarm_evaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/integer_conversion.h"

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

// The whole steps k with k * perStep < margin (none for a margin of 0 or less or no
// bound; all for a distance that does not move).
int64_t StepsWithin(double margin, double perStep) {
  if (!(margin > 0.0)) return 0;
  if (perStep == 0.0) return std::numeric_limits<int>::max();
  int64_t k = TruncClamped(margin / perStep, 0, std::numeric_limits<int>::max());
  while (k > 0 && static_cast<double>(k) * perStep >= margin) --k;
  return k;
}

// The steps from a moment at these centuries that stay within the range of the motion
// bounds.
int64_t StepsWithinMotionRange(double centuries) {
  const double stepCenturies = kRegularStepDays / 36525.0;
  const double room = std::min(centuries - kMotionFirstCenturies, kMotionLastCenturies - centuries);
  return TruncClamped(room / stepCenturies, 0, std::numeric_limits<int>::max());
}

}  // namespace

AlarmEvaluator::AlarmEvaluator(const AlarmQuery& query, const MomentSequence& sequence)
    : query_(query),
      sequence_(sequence),
      mask_(AlarmFactorMask(query)),
      motion_(AlarmMotionPerStep(query, sequence.MomentAt(0).latitude)),
      clearFloor_(std::max(query.orb, kClearFloor)),
      newYearBreaks_(AlarmMovesAtNewYear(query)) {
  // The distance is a circular one (so that motion bounds it) only for a target within
  // the mode.
  skipping_ = query.kind == AlarmKind::Picture || (query.angle >= 0.0 && query.angle <= 22.5);
}

// Over j regular steps the two positions move by at most j * motion_.total() in all, so
// the circular distance c changes by no more. A hit stays a hit while c keeps below the
// orb, a clear moment stays clear while c keeps above the orb and kClearFloor.
StepVerdict AlarmEvaluator::Evaluate(int64_t index, int64_t last) const {
  ChartResult result;
  ComputeFactors(sequence_.MomentAt(index), mask_, result);
  const FactorLongitudes& longitudes = result.state.factorLongitude;
  StepVerdict verdict;
  verdict.distance = AlarmDistance(query_, longitudes);
  verdict.hit = IsWithinOrb(verdict.distance, query_.orb);
  verdict.sameUntil = index;
  if (!skipping_ || index >= last) return verdict;
  const int64_t limit =
      std::min({last, sequence_.RegularRunEnd(index, newYearBreaks_),
                index + StepsWithinMotionRange(result.state.centuriesT)});
  if (limit <= index) return verdict;
  const double c = CircularDistance22_5(verdict.distance);
  if (verdict.hit) {
    const int64_t steps = StepsWithin(query_.orb - c - kDistanceSafety, motion_.total());
    verdict.sameUntil = std::min(limit, index + steps);
  } else if (motion_.angleFactors != 0) {
    verdict.sameUntil = ClearWithAngleProbes(index, longitudes, c, limit);
  } else {
    const int64_t steps = StepsWithin(c - clearFloor_ - kDistanceSafety, motion_.total());
    verdict.sameUntil = std::min(limit, index + steps);
  }
  return verdict;
}

// MC and AS move fast but cost little: at the steps after a clear moment they are
// computed exactly (with the bits of the full chart) and only the other factors are
// bounded, by their motion since that moment. A probe at step j with the angles of j and
// the other longitudes of `index` gives the distance c~; the true one lies within
// motion_.bodies * (j - index) of it, and the angles' bound carries c~ on to the steps
// after j.
int64_t AlarmEvaluator::ClearWithAngleProbes(int64_t index, const FactorLongitudes& longitudes,
                                             double distance, int64_t limit) const {
  FactorLongitudes probe = longitudes;
  int64_t j = index;
  double c = distance;  // c~ at j
  for (;;) {
    const double margin = c - kDistanceSafety - clearFloor_ - motion_.bodies * static_cast<double>(j - index);
    j = std::min(limit, j + StepsWithin(margin, motion_.total()));
    if (j >= limit) return limit;
    const int64_t next = j + 1;
    const double drift = motion_.bodies * static_cast<double>(next - index) + kDistanceSafety;
    if (!(drift + clearFloor_ < 11.25)) return j;  // the other factors may be anywhere by now
    ChartResult angles;
    ComputeFactors(sequence_.MomentAt(next), motion_.angleFactors, angles);
    if (motion_.angleFactors & FactorBit(MC)) probe[MC] = angles.state.factorLongitude[MC];
    if (motion_.angleFactors & FactorBit(AS)) probe[AS] = angles.state.factorLongitude[AS];
    const double probed = CircularDistance22_5(AlarmDistance(query_, probe));
    if (!(probed - drift > clearFloor_)) return j;
    j = next;
    c = probed;
  }
}

}  // namespace gyrolux
