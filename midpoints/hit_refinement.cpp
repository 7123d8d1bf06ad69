#include "midpoints/hit_refinement.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine/integer_conversion.h"
#include "midpoints/motion_bounds.h"

namespace gyrolux {

namespace {

// As in the evaluator: the rounding between computed and bounded distances.
constexpr double kDistanceSafety = 1e-6;

// Steps looked at first in a long run, to know a near-least distance early.
constexpr int64_t kCoarseProbes = 256;

}  // namespace

HitRefiner::HitRefiner(const AlarmQuery& query, const MomentSequence& sequence, const SearchOptions& options)
    : watch_(WatchOf(query)),
      sequence_(sequence),
      options_(options),
      mask_(WatchedFactors(watch_)),
      motion_(WatchMotionPerStep(watch_, sequence.MomentAt(0).latitude, sequence.MomentAt(0).ephemeris)),
      motionPerStep_(motion_.Total()),
      newYearBreaks_(WatchMovesAtNewYear(watch_)) {
  const FactorWeights weights = NetWeights(watch_);
  angles_ = AngleTerms(weights[MC], weights[AS], sequence.MomentAt(0).latitude, sequence.MomentAt(0).ephemeris);
}

SearchMoment HitRefiner::MomentAt(int64_t index, double seconds) const {
  if (seconds <= 0.0) return sequence_.SearchMomentAt(index);
  if (seconds >= sequence_.SecondsToNext(index)) return sequence_.SearchMomentAt(index + 1);
  return sequence_.SearchMomentBetween(index, seconds);
}

void HitRefiner::ChartAt(int64_t index, double seconds, ChartResult& result) const {
  ChartMoment moment;
  if (seconds <= 0.0) {
    moment = sequence_.MomentAt(index);
  } else if (seconds >= sequence_.SecondsToNext(index)) {
    moment = sequence_.MomentAt(index + 1);
  } else {
    moment = sequence_.MomentBetween(index, seconds);
  }
  ComputeFactors(moment, mask_, result);
}

HitRefiner::Probe HitRefiner::ProbeAt(int64_t index, double seconds) const {
  ChartResult result;
  ChartAt(index, seconds, result);
  const FactorLongitudes& longitudes = result.state.factorLongitude;
  return {WatchedOffset(watch_, longitudes), IsHit(watch_, WatchedDistance(watch_, longitudes))};
}

WatchedStretch HitRefiner::StretchOf(int64_t index, ChartResult& from, ChartResult& to) const {
  ChartAt(index, 0.0, from);
  ChartAt(index + 1, 0.0, to);
  return WatchedStretch(watch_, angles_,
                        {sequence_.DaysAt(index), &from, WatchedOffset(watch_, from.state.factorLongitude)},
                        {sequence_.DaysAt(index + 1), &to, WatchedOffset(watch_, to.state.factorLongitude)},
                        sequence_.MomentAt(0).ephemeris);
}

namespace {

// The whole second before the first estimated change of `changed` within 0..length, by
// halving; -1 when the estimate shows none.
template <typename Changed>
double EstimatedChange(double length, const Changed& changed) {
  double before = 0.0;
  double after = length;
  if (!changed(after)) return -1.0;
  for (int i = 0; i < 60 && after - before > 0.25; ++i) {
    const double middle = (before + after) / 2.0;
    (changed(middle) ? after : before) = middle;
  }
  return std::floor(before);
}

}  // namespace

HitRefiner::Bracket HitRefiner::BisectVerdict(int64_t index) const {
  const bool startHit = ProbeAt(index, 0.0).hit;
  double before = 0.0;
  double after = sequence_.SecondsToNext(index);
  // Where the estimate changes its verdict, checked exactly: a second with the start's
  // verdict and the next one without it are an answer.
  {
    ChartResult from;
    ChartResult to;
    const WatchedStretch stretch = StretchOf(index, from, to);
    const double days = sequence_.DaysAt(index);
    const double guess = EstimatedChange(after, [&](double s) {
      const double c = stretch.CircularOffset(stretch.At(days + s / 86400.0).offset);
      return (c < watch_.orb.degrees) != startHit;
    });
    if (guess >= 0.0 && guess + 1.0 < after && ProbeAt(index, guess).hit == startHit &&
        ProbeAt(index, guess + 1.0).hit != startHit) {
      return {guess, guess + 1.0};
    }
  }
  while (after - before > 1.0) {
    double middle = std::floor((before + after) / 2.0);
    if (middle <= before) middle = before + 1.0;
    if (middle >= after) break;
    (ProbeAt(index, middle).hit == startHit ? before : after) = middle;
  }
  return {before, after};
}

// The least distance over the steps first..last, exactly: a step at distance c rules out
// the next j steps while c - j * motionPerStep_ stays above the least distance known.
int64_t HitRefiner::LeastStep(int64_t first, int64_t last) const {
  int64_t best = first;
  double least = std::numeric_limits<double>::infinity();
  const auto look = [&](int64_t index) {
    const double c = std::abs(ProbeAt(index, 0.0).offset);
    if (c < least || (c == least && index < best)) {  // the earliest of equals
      least = c;
      best = index;
    }
    return c;
  };
  if (last - first > kCoarseProbes) {
    for (int64_t i = first; i <= last; i += (last - first) / kCoarseProbes) look(i);
  }
  int64_t looks = 0;
  for (int64_t i = first; i <= last;) {
    if (++looks % 4096 == 0 && options_.AbortRequested()) break;
    const double c = look(i);
    int64_t skip = 0;
    if (motionPerStep_ == 0.0) {
      skip = last - i;
    } else if (std::isfinite(motionPerStep_)) {
      skip = TruncClamped((c - least - kDistanceSafety - motion_.offset) / motionPerStep_, 0,
                          std::numeric_limits<int>::max());
    }
    i = std::min(i + skip, sequence_.RegularRunEnd(i, newYearBreaks_)) + 1;
  }
  return best;
}

double HitRefiner::LeastSecond(int64_t index) const {
  const double length = sequence_.SecondsToNext(index);
  const auto distance = [&](double s) { return std::abs(ProbeAt(index, s).offset); };
  const double startOffset = ProbeAt(index, 0.0).offset;
  const double endOffset = ProbeAt(index, length).offset;
  // A change of sign away from the wrap at half the width: the positions pass each other.
  const double quarter = watch_.mode.Width() / 4.0;
  if (startOffset * endOffset <= 0.0 && std::abs(startOffset) < quarter && std::abs(endOffset) < quarter) {
    // The estimate's passing, checked exactly.
    {
      ChartResult from;
      ChartResult to;
      const WatchedStretch stretch = StretchOf(index, from, to);
      const double days = sequence_.DaysAt(index);
      const double width = watch_.mode.Width();
      const double guess = EstimatedChange(length, [&](double s) {
        const double offset = stretch.At(days + s / 86400.0).offset;
        return ((offset - width * std::nearbyint(offset / width)) < 0.0) != (startOffset < 0.0);
      });
      if (guess >= 0.0 && guess + 1.0 < length) {
        const double first = ProbeAt(index, guess).offset;
        const double second = ProbeAt(index, guess + 1.0).offset;
        if (first != 0.0 && (first < 0.0) == (startOffset < 0.0) && second != 0.0 &&
            (second < 0.0) != (startOffset < 0.0)) {
          return std::abs(first) <= std::abs(second) ? guess : guess + 1.0;
        }
      }
    }
    double before = 0.0;
    double after = length;
    while (after - before > 1.0) {
      double middle = std::floor((before + after) / 2.0);
      if (middle <= before) middle = before + 1.0;
      if (middle >= after) break;
      const double offset = ProbeAt(index, middle).offset;
      if (offset == 0.0) return middle;
      ((offset < 0.0) == (startOffset < 0.0) ? before : after) = middle;
    }
    return distance(before) <= distance(after) ? before : after;
  }
  // Otherwise the least magnitude within the step, by thirds over whole seconds.
  double low = 0.0;
  double high = std::floor(length);
  while (high - low > 2.0) {
    const double a = std::floor(low + (high - low) / 3.0);
    const double b = std::ceil(high - (high - low) / 3.0);
    if (distance(a) < distance(b)) {
      high = b;
    } else {
      low = a;
    }
  }
  double best = length;
  for (double s = low; s <= high; s += 1.0) {
    if (distance(s) < distance(best)) best = s;
  }
  return best;
}

bool HitRefiner::Refine(HitRun& run) const {
  const int64_t size = sequence_.Size();
  run.enters = run.alarm;
  run.entersRefined = false;
  if (run.firstStep > 0 && sequence_.IsRegularStep(run.firstStep - 1)) {
    run.enters = MomentAt(run.firstStep - 1, BisectVerdict(run.firstStep - 1).after);
    run.entersRefined = true;
  }
  run.leaves = sequence_.SearchMomentAt(run.lastStep);
  run.leavesRefined = false;
  if (run.lastStep + 1 < size && sequence_.IsRegularStep(run.lastStep)) {
    run.leaves = MomentAt(run.lastStep, BisectVerdict(run.lastStep).before);
    run.leavesRefined = true;
  }
  const int64_t least = LeastStep(run.firstStep, run.lastStep);
  int64_t bestIndex = least;
  double bestSecond = 0.0;
  double bestDistance = std::abs(ProbeAt(least, 0.0).offset);
  for (const int64_t from : {least - 1, least}) {
    if (from < 0 || from + 1 >= size || !sequence_.IsRegularStep(from)) continue;
    const double second = LeastSecond(from);
    const double distance = std::abs(ProbeAt(from, second).offset);
    if (distance < bestDistance) {
      bestIndex = from;
      bestSecond = second;
      bestDistance = distance;
    }
  }
  run.closest = MomentAt(bestIndex, bestSecond);
  run.leastDistance = bestDistance;
  return !options_.AbortRequested();
}

}  // namespace gyrolux
