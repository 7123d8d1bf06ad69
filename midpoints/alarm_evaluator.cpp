#include "midpoints/alarm_evaluator.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/integer_conversion.h"

namespace gyrolux {

namespace {

// Covers the rounding between the computed longitudes and the bounded motion: the time
// scale's rounding moves the Moon by below 1e-9 degrees, the midpoints, the reduction to
// the mode and the distance round by below 1e-12.
constexpr double kDistanceSafety = 1e-6;

// No longitude below kLowestLongitude makes every position of the mode at least -0.1 and
// d at most the width + 0.1. Beyond the width, d > width - orb is a hit that the circular
// distance (then d - width, at most 0.1) does not explain when the orb is tiny, so a
// moment counts as certainly clear only with a circular distance above this as well,
// unless no position can fall below 0 (WatchedStretch::MayGoNegative).
constexpr double kClearFloor = -kLowestLongitude;

// The bodies' interpolation over a stretch may be off by this much at most (degrees):
// it sets how long a stretch is for the factors' acceleration.
constexpr double kStretchError = 0.01;
// The longest stretch, in steps, and the most a body may move over one (the
// interpolation reads each longitude's change as the shorter way round).
constexpr int64_t kLongestStretch = 2048;
constexpr double kLargestStretchMotion = 170.0;
// The share of the way to the other position a look-ahead takes at the estimate's
// present speed: a little short of it, since the speed changes.
constexpr double kLookAheadShare = 0.95;
// After a moment the estimates could not clear, the next stretch is this many times
// shorter (its interpolation error 16^2 times smaller).
constexpr int64_t kShortStretchDivisor = 16;

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

// Steps per stretch: the bodies' interpolation error acceleration * days^2 / 8 within
// kStretchError, and no body moving more than kLargestStretchMotion.
int64_t StretchSteps(const FactorWeights& weights, Ephemeris sky) {
  double days = kLongestStretch * kRegularStepDays;
  const double acceleration = BodiesAcceleration(weights, sky);
  if (acceleration > 0.0) days = std::min(days, std::sqrt(8.0 * kStretchError / acceleration));
  for (int factor = 0; factor < kFactorCount; ++factor) {
    if (weights[factor] == 0.0 || factor == MC || factor == AS) continue;
    const double motion = kMaxBodyDailyMotion[factor];
    if (motion > 0.0) days = std::min(days, kLargestStretchMotion / motion);
  }
  return std::max<int64_t>(1, static_cast<int64_t>(days / kRegularStepDays));
}

}  // namespace

AlarmEvaluator::AlarmEvaluator(const Watch& watch, const MomentSequence& sequence)
    : watch_(watch),
      sequence_(sequence),
      mask_(WatchedFactors(watch)),
      sky_(sequence.MomentAt(0).ephemeris),
      motion_(WatchMotionPerStep(watch, sequence.MomentAt(0).latitude, sky_)),
      clearFloor_(std::max(watch.orb.degrees, kClearFloor)),
      newYearBreaks_(WatchMovesAtNewYear(watch)) {
  // The distance is a circular one (so that motion bounds it) only for fixed positions
  // within the mode.
  clearWidth_ = ClearanceWidth(watch.mode);
  skipping_ = clearWidth_ > 0.0;
  for (const WatchedPosition* position : {&watch.first, &watch.second}) {
    if (position->fixed && !(*position->fixed >= 0.0 && *position->fixed <= watch.mode.Width())) {
      skipping_ = false;
    }
  }
  const FactorWeights weights = NetWeights(watch);
  angles_ = AngleTerms(weights[MC], weights[AS], sequence.MomentAt(0).latitude, sky_);
  stretchSteps_ = StretchSteps(weights, sky_);
  if (clearWidth_ != watch.mode.Width()) {
    for (int factor = 0; factor < kFactorCount; ++factor) {
      if (weights[factor] != 0.0) {
        wrapMotion_[factor] = MaxDailyMotion(factor, sequence.MomentAt(0).latitude, sky_) * kRegularStepDays;
      }
    }
  }
}

double AlarmEvaluator::Clearance(const FactorLongitudes& longitudes) const {
  if (clearWidth_ == watch_.mode.Width()) return CircularDistance(watch_, WatchedDistance(watch_, longitudes));
  const double offset = WatchedOffset(watch_, longitudes);
  return std::abs(offset - clearWidth_ * std::nearbyint(offset / clearWidth_));
}

// Where a wrap moves a midpoint by half the mode's width: the steps over which no watched
// longitude can reach 0 or 360 (the Sun and Moon may stand a little below 0) at its
// largest motion (in the modern sky less what its rest, the light bending, can move it
// at once).
int64_t AlarmEvaluator::StepsWithoutWrap(const FactorLongitudes& longitudes) const {
  int64_t steps = std::numeric_limits<int>::max();
  if (clearWidth_ == watch_.mode.Width()) return steps;
  for (int factor = 0; factor < kFactorCount; ++factor) {
    if (wrapMotion_[factor] == 0.0) continue;
    const double rest = sky_ == Ephemeris::Swiss ? ModernRestChange(factor) : 0.0;
    const double room = std::min(longitudes[factor], 360.0 - longitudes[factor]) + 2.0 * kLowestLongitude - rest;
    steps = std::min(steps, StepsWithin(room, wrapMotion_[factor]));
  }
  return steps;
}

// After a hit: over j regular steps the two positions move by at most j * motion_.Total()
// in all, so the circular distance c changes by no more, and the hit stays while c keeps
// below the orb (and, in the 360-degree mode, while no longitude wraps). After a moment
// without a hit: ClearOverStretches.
StepVerdict AlarmEvaluator::Evaluate(int64_t index, int64_t last) const {
  ChartResult result;
  ComputeFactors(sequence_.MomentAt(index), mask_, result);
  const FactorLongitudes& longitudes = result.state.factorLongitude;
  StepVerdict verdict;
  verdict.distance = WatchedDistance(watch_, longitudes);
  verdict.hit = IsHit(watch_, verdict.distance);
  verdict.sameUntil = index;
  if (!skipping_ || index >= last) return verdict;
  const int64_t limit =
      std::min({last, sequence_.RegularRunEnd(index, newYearBreaks_),
                index + StepsWithinMotionRange(result.state.centuriesT)});
  if (limit <= index) return verdict;
  const double c = CircularDistance(watch_, verdict.distance);
  if (verdict.hit) {
    const int64_t steps = std::min(StepsWithin(watch_.orb.degrees - c - kDistanceSafety - motion_.offset, motion_.Total()),
                                   StepsWithoutWrap(longitudes));
    verdict.sameUntil = std::min(limit, index + steps);
  } else if (motion_.Total() == 0.0) {
    verdict.sameUntil = limit;  // both sides the same factors, or none that move: d stays
  } else if (angles_.Usable()) {
    verdict.sameUntil = ClearOverStretches(index, result, limit);
  } else {
    verdict.sameUntil = ClearWithAngleProbes(index, longitudes, Clearance(longitudes), limit);
  }
  return verdict;
}

// Stretches of stretchSteps_ from the clear moment index on, each between two exactly
// computed moments. Within one it looks ahead as far as the offset's estimate suggests,
// clears the moments up to there at once when the whole range the offset can take on
// the way keeps clear of the other position (WatchedStretch::ClearBetween), shortens the
// look-ahead when not, and at a single step clears the moment by its estimate. The
// first moment it cannot clear ends the answer before it; the caller tests it exactly.
int64_t AlarmEvaluator::ClearOverStretches(int64_t index, const ChartResult& exact, int64_t limit) const {
  ChartResult from = exact;
  double fromOffset = WatchedOffset(watch_, from.state.factorLongitude);
  int64_t length = stretchSteps_;
  const double width = clearWidth_;
  for (int64_t s0 = index; s0 < limit;) {
    const int64_t s1 = std::min(limit, s0 + length);
    length = stretchSteps_;
    ChartResult to;
    ComputeFactors(sequence_.MomentAt(s1), mask_, to);
    const double toOffset = WatchedOffset(watch_, to.state.factorLongitude);
    const WatchedStretch stretch(watch_, angles_, {sequence_.DaysAt(s0), &from, fromOffset},
                                 {sequence_.DaysAt(s1), &to, toOffset}, sky_);
    const double floor = stretch.MayGoNegative() ? clearFloor_ : watch_.orb.degrees;
    int64_t j = s0;
    WatchedStretch::Estimate at = stretch.At(sequence_.DaysAt(j));
    bool uncertain = false;  // moment j + 1 needs the exact test
    while (j + 1 < s1 && !uncertain) {
      // How far the other position lies ahead in the direction the estimate moves, and
      // the steps it takes to get there at its present speed, a few less.
      const double rate = stretch.RateAt(at) * kRegularStepDays;
      const double inTurn = at.offset - width * std::floor(at.offset / width);
      const double ahead = (rate >= 0.0 ? width - inTurn : inTurn) - floor - stretch.PointError();
      const double guess = ahead > 0.0 ? kLookAheadShare * ahead / std::abs(rate) : 1.0;
      int64_t k = std::min(s1 - 1, j + TruncClamped(guess, 1, std::numeric_limits<int>::max()));
      for (;;) {
        const WatchedStretch::Estimate next = stretch.At(sequence_.DaysAt(k));
        if (stretch.ClearBetween(at, next, floor) || (k == j + 1 && stretch.ClearAt(next, floor))) {
          j = k;
          at = next;
          break;
        }
        if (k == j + 1) {
          uncertain = true;
          break;
        }
        // Too far: where the estimate's way from j to k reaches the other position when
        // taken as straight, else halfway.
        const double way = rate >= 0.0 ? next.offset - at.offset : at.offset - next.offset;
        const double moved = way - width * std::floor(way / width);
        const int64_t shorter =
            ahead > 0.0 && moved > ahead ? j + static_cast<int64_t>(static_cast<double>(k - j) * (ahead / moved)) : 0;
        k = shorter > j && shorter < k ? shorter : j + (k - j) / 2;
      }
    }
    if (uncertain) {
      // Tested exactly; when clear, a short stretch from it, whose interpolation is the
      // closer for it, so that a slow approach costs few exact tests.
      ChartResult there;
      ComputeFactors(sequence_.MomentAt(j + 1), mask_, there);
      if (IsHit(watch_, WatchedDistance(watch_, there.state.factorLongitude))) return j;
      s0 = j + 1;
      from = there;
      fromOffset = WatchedOffset(watch_, from.state.factorLongitude);
      length = std::max<int64_t>(1, stretchSteps_ / kShortStretchDivisor);
      continue;
    }
    if (IsHit(watch_, WatchedDistance(watch_, to.state.factorLongitude))) return s1 - 1;
    s0 = s1;
    from = to;
    fromOffset = toOffset;
  }
  return limit;
}

// Near the polar circles, where the ascendant has no bound: MC and AS are computed
// exactly (with the bits of the full chart) at the steps after a clear moment and only
// the other factors are bounded, by their motion since that moment. A probe at step j
// with the angles of j and the other longitudes of `index` gives the distance c~; the
// true one lies within motion_.bodies * (j - index) of it, and the angles' bound
// carries c~ on to the steps after j.
int64_t AlarmEvaluator::ClearWithAngleProbes(int64_t index, const FactorLongitudes& longitudes,
                                             double distance, int64_t limit) const {
  FactorLongitudes probe = longitudes;
  int64_t j = index;
  double c = distance;  // c~ at j
  for (;;) {
    const double margin =
        c - kDistanceSafety - motion_.offset - clearFloor_ - motion_.bodies * static_cast<double>(j - index);
    j = std::min(limit, j + StepsWithin(margin, motion_.Total()));
    if (j >= limit) return limit;
    const int64_t next = j + 1;
    const double drift = motion_.bodies * static_cast<double>(next - index) + kDistanceSafety + motion_.offset;
    if (!(drift + clearFloor_ < clearWidth_ / 2.0)) return j;  // the other factors may be anywhere by now
    ChartResult angles;
    ComputeFactors(sequence_.MomentAt(next), motion_.angleFactors, angles);
    if (motion_.angleFactors & FactorBit(MC)) probe[MC] = angles.state.factorLongitude[MC];
    if (motion_.angleFactors & FactorBit(AS)) probe[AS] = angles.state.factorLongitude[AS];
    const double probed = Clearance(probe);
    if (!(probed - drift > clearFloor_)) return j;
    j = next;
    c = probed;
  }
}

}  // namespace gyrolux
