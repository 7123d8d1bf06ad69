#include "midpoints/hit_refinement.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

#include "engine/integer_conversion.h"
#include "midpoints/motion_bounds.h"

namespace gyrolux {

namespace {

// As in the evaluator: the rounding between computed and bounded distances.
constexpr double kDistanceSafety = 1e-6;

// Steps looked at first in a long run, to know a near-least distance early.
constexpr int64_t kCoarseProbes = 256;

// As in the evaluator: a position below 0 (a Sun or Moon just below it) can make d exceed
// the width by this much, a hit the circular distance does not show.
constexpr double kClearFloor = -kLowestLongitude;

// Exact step charts kept at hand during one refinement: the steps around the run's ends
// and its nearest step, each read several times.
constexpr int kKeptSteps = 8;

}  // namespace

// The questions one refinement asks, answered from the estimate where its error bound
// leaves no doubt and from an exact chart otherwise.
class HitRefiner::Questions {
 public:
  explicit Questions(const HitRefiner& refiner) : r_(refiner) {}

  // The exact test at a step, computed once.
  const Probe& Step(int64_t index) {
    for (int i = 0; i < keptCount_; ++i) {
      if (kept_[i].index == index) return kept_[i].probe;
    }
    Kept& slot = kept_[nextSlot_];
    nextSlot_ = (nextSlot_ + 1) % kKeptSteps;
    keptCount_ = std::min(keptCount_ + 1, kKeptSteps);
    slot.index = index;
    r_.ChartAt(index, 0.0, slot.chart);
    const FactorLongitudes& longitudes = slot.chart.state.factorLongitude;
    slot.probe = {WatchedOffset(r_.watch_, longitudes), IsHit(r_.watch_, WatchedDistance(r_.watch_, longitudes))};
    return slot.probe;
  }

  // The exact test at seconds after step index.
  Probe Exact(int64_t index, double seconds) {
    if (seconds <= 0.0) return Step(index);
    if (seconds >= r_.sequence_.SecondsToNext(index)) return Step(index + 1);
    return r_.ProbeAt(index, seconds);
  }

  // The estimate over the step from index to index + 1, between its exact charts.
  struct StepEstimate {
    int64_t index = -1;
    std::optional<WatchedStretch> stretch;
    double days = 0.0;     // DaysAt(index)
    double length = 0.0;   // seconds to the next step
    bool certain = false;  // the error bound holds: its answers may stand for the exact ones
    double floor = 0.0;    // a circular distance above it is no hit
  };
  const StepEstimate& Estimate(int64_t index) {
    for (const StepEstimate& e : estimates_) {
      if (e.index == index) return e;
    }
    StepEstimate& e = estimates_[nextEstimate_];
    nextEstimate_ = (nextEstimate_ + 1) % estimates_.size();
    Step(index);
    const Kept from = KeptAt(index);  // a copy: the next step's chart may take its place
    Step(index + 1);
    const Kept& to = KeptAt(index + 1);
    const MomentSequence& sequence = r_.sequence_;
    e.index = index;
    e.days = sequence.DaysAt(index);
    e.length = sequence.SecondsToNext(index);
    // In the sky of the search, whose allowances enter the estimate's error bound.
    e.stretch.emplace(r_.watch_, r_.angles_, WatchedStretch::End{e.days, &from.chart, from.probe.offset},
                      WatchedStretch::End{sequence.DaysAt(index + 1), &to.chart, to.probe.offset},
                      sequence.MomentAt(0).ephemeris);
    const auto inRange = [](const ChartResult& chart) {
      return chart.state.centuriesT >= kMotionFirstCenturies && chart.state.centuriesT <= kMotionLastCenturies;
    };
    e.certain = r_.useEstimates_ && sequence.IsRegularStep(index) && inRange(from.chart) && inRange(to.chart) &&
                (!r_.angles_.Active() || r_.angles_.Usable()) &&
                (!r_.newYearBreaks_ || sequence.RegularRunEnd(index, true) > index) && FollowsTheOffset(r_.watch_);
    e.floor = e.stretch->MayGoNegative() ? std::max(r_.watch_.orb.degrees, kClearFloor) : r_.watch_.orb.degrees;
    return e;
  }

  bool Hit(int64_t index, double seconds) {
    if (const std::optional<Circle> c = CircleAt(index, seconds); c && c->error > 0.0) {
      const StepEstimate& e = Estimate(index);
      if (c->distance < r_.watch_.orb.degrees - c->error) return true;
      if (c->distance > e.floor + c->error) return false;
    }
    return Exact(index, seconds).hit;
  }

  // The sign of the exact offset, and whether it is 0.
  struct Side {
    bool negative;
    bool zero;
  };
  Side SideAt(int64_t index, double seconds) {
    if (seconds > 0.0 && seconds < r_.sequence_.SecondsToNext(index)) {
      const StepEstimate& e = Estimate(index);
      if (e.certain) {
        const double offset = e.stretch->At(e.days + seconds / 86400.0).offset;
        const double width = r_.watch_.mode.Width();
        const double reduced = offset - width * std::nearbyint(offset / width);
        const double error = e.stretch->PointError();
        if (std::abs(reduced) > error && std::abs(reduced) < width / 2.0 - error) return {reduced < 0.0, false};
      }
    }
    const double offset = Exact(index, seconds).offset;
    return {offset < 0.0, offset == 0.0};
  }

  // How |offset| at seconds a after step ia compares with that at seconds b after step
  // ib: -1 below, 0 equal, 1 above.
  int Compare(int64_t ia, double a, int64_t ib, double b) {
    const std::optional<Circle> ca = CircleAt(ia, a);
    const std::optional<Circle> cb = CircleAt(ib, b);
    if (ca && cb) {
      if (ca->distance + ca->error < cb->distance - cb->error) return -1;
      if (ca->distance - ca->error > cb->distance + cb->error) return 1;
    }
    const double da = std::abs(Exact(ia, a).offset);
    const double db = std::abs(Exact(ib, b).offset);
    return da < db ? -1 : da > db ? 1 : 0;
  }
  int Compare(int64_t index, double a, double b) { return Compare(index, a, index, b); }

 private:
  struct Kept {
    int64_t index = -1;
    ChartResult chart;
    Probe probe{};
  };
  const Kept& KeptAt(int64_t index) const {
    for (int i = 0; i < keptCount_; ++i) {
      if (kept_[i].index == index) return kept_[i];
    }
    return kept_[0];  // not reached: Step(index) came just before
  }

  // The offsets follow the estimates' sum of longitudes when no position is fixed
  // outside the mode and a wrap of a longitude (half a turn of a midpoint) is a whole
  // number of widths.
  static bool FollowsTheOffset(const Watch& watch) {
    const double width = watch.mode.Width();
    if (std::fmod(180.0, width) != 0.0) return false;
    for (const WatchedPosition* position : {&watch.first, &watch.second}) {
      if (position->fixed && !(*position->fixed >= 0.0 && *position->fixed <= width)) return false;
    }
    return true;
  }

  // The circular distance at seconds after step index and how far the exact one may be
  // from it: exact at the steps, else the estimate's when certain.
  struct Circle {
    double distance;
    double error;
  };
  std::optional<Circle> CircleAt(int64_t index, double seconds) {
    if (seconds <= 0.0) return Circle{std::abs(Step(index).offset), 0.0};
    if (seconds >= r_.sequence_.SecondsToNext(index)) return Circle{std::abs(Step(index + 1).offset), 0.0};
    const StepEstimate& e = Estimate(index);
    if (!e.certain) return std::nullopt;
    return Circle{e.stretch->CircularOffset(e.stretch->At(e.days + seconds / 86400.0).offset), e.stretch->PointError()};
  }

  const HitRefiner& r_;
  std::array<Kept, kKeptSteps> kept_{};
  int keptCount_ = 0;
  int nextSlot_ = 0;
  std::array<StepEstimate, 2> estimates_{};
  size_t nextEstimate_ = 0;
};

HitRefiner::HitRefiner(const AlarmQuery& query, const MomentSequence& sequence, const SearchOptions& options,
                       bool useEstimates)
    : watch_(WatchOf(query)),
      sequence_(sequence),
      options_(options),
      mask_(WatchedFactors(watch_)),
      motion_(WatchMotionPerStep(watch_, sequence.MomentAt(0).latitude, sequence.MomentAt(0).ephemeris)),
      motionPerStep_(motion_.Total()),
      newYearBreaks_(WatchMovesAtNewYear(watch_)),
      useEstimates_(useEstimates) {
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

HitRefiner::Bracket HitRefiner::BisectVerdict(Questions& ask, int64_t index) const {
  const bool startHit = ask.Step(index).hit;
  double before = 0.0;
  double after = sequence_.SecondsToNext(index);
  // Where the estimate changes its verdict, checked: a second with the start's verdict
  // and the next one without it are an answer.
  {
    const Questions::StepEstimate& e = ask.Estimate(index);
    const WatchedStretch& stretch = *e.stretch;
    const double guess = EstimatedChange(after, [&](double s) {
      const double c = stretch.CircularOffset(stretch.At(e.days + s / 86400.0).offset);
      return (c < watch_.orb.degrees) != startHit;
    });
    if (guess >= 0.0 && guess + 1.0 < after && ask.Hit(index, guess) == startHit &&
        ask.Hit(index, guess + 1.0) != startHit) {
      return {guess, guess + 1.0};
    }
  }
  while (after - before > 1.0) {
    double middle = std::floor((before + after) / 2.0);
    if (middle <= before) middle = before + 1.0;
    if (middle >= after) break;
    (ask.Hit(index, middle) == startHit ? before : after) = middle;
  }
  return {before, after};
}

// The least distance over the steps first..last, exactly: a step at distance c rules out
// the next j steps while c - j * motionPerStep_ stays above the least distance known.
int64_t HitRefiner::LeastStep(Questions& ask, int64_t first, int64_t last) const {
  int64_t best = first;
  double least = std::numeric_limits<double>::infinity();
  const auto look = [&](int64_t index) {
    const double c = std::abs(ask.Step(index).offset);
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

double HitRefiner::LeastSecond(Questions& ask, int64_t index) const {
  const double length = sequence_.SecondsToNext(index);
  const double startOffset = ask.Step(index).offset;
  const double endOffset = ask.Step(index + 1).offset;
  const bool startNegative = startOffset < 0.0;
  // A change of sign away from the wrap at half the width: the positions pass each other.
  const double quarter = watch_.mode.Width() / 4.0;
  if (startOffset * endOffset <= 0.0 && std::abs(startOffset) < quarter && std::abs(endOffset) < quarter) {
    // The estimate's passing, checked.
    {
      const Questions::StepEstimate& e = ask.Estimate(index);
      const WatchedStretch& stretch = *e.stretch;
      const double width = watch_.mode.Width();
      const double guess = EstimatedChange(length, [&](double s) {
        const double offset = stretch.At(e.days + s / 86400.0).offset;
        return ((offset - width * std::nearbyint(offset / width)) < 0.0) != startNegative;
      });
      if (guess >= 0.0 && guess + 1.0 < length) {
        const Questions::Side first = ask.SideAt(index, guess);
        if (!first.zero && first.negative == startNegative) {
          const Questions::Side second = ask.SideAt(index, guess + 1.0);
          if (!second.zero && second.negative != startNegative) {
            return ask.Compare(index, guess, guess + 1.0) <= 0 ? guess : guess + 1.0;
          }
        }
      }
    }
    double before = 0.0;
    double after = length;
    while (after - before > 1.0) {
      double middle = std::floor((before + after) / 2.0);
      if (middle <= before) middle = before + 1.0;
      if (middle >= after) break;
      const Questions::Side side = ask.SideAt(index, middle);
      if (side.zero) return middle;
      (side.negative == startNegative ? before : after) = middle;
    }
    return ask.Compare(index, before, after) <= 0 ? before : after;
  }
  // Otherwise the least magnitude within the step, by thirds over whole seconds.
  double low = 0.0;
  double high = std::floor(length);
  while (high - low > 2.0) {
    const double a = std::floor(low + (high - low) / 3.0);
    const double b = std::ceil(high - (high - low) / 3.0);
    if (ask.Compare(index, a, b) < 0) {
      high = b;
    } else {
      low = a;
    }
  }
  double best = length;
  for (double s = low; s <= high; s += 1.0) {
    if (ask.Compare(index, s, best) < 0) best = s;
  }
  return best;
}

bool HitRefiner::Refine(HitRun& run) const {
  Questions ask(*this);
  const int64_t size = sequence_.Size();
  run.enters = run.alarm;
  run.entersRefined = false;
  if (run.firstStep > 0 && sequence_.IsRegularStep(run.firstStep - 1)) {
    run.enters = MomentAt(run.firstStep - 1, BisectVerdict(ask, run.firstStep - 1).after);
    run.entersRefined = true;
  }
  run.leaves = sequence_.SearchMomentAt(run.lastStep);
  run.leavesRefined = false;
  if (run.lastStep + 1 < size && sequence_.IsRegularStep(run.lastStep)) {
    run.leaves = MomentAt(run.lastStep, BisectVerdict(ask, run.lastStep).before);
    run.leavesRefined = true;
  }
  const int64_t least = LeastStep(ask, run.firstStep, run.lastStep);
  int64_t bestIndex = least;
  double bestSecond = 0.0;
  for (const int64_t from : {least - 1, least}) {
    if (from < 0 || from + 1 >= size || !sequence_.IsRegularStep(from)) continue;
    const double second = LeastSecond(ask, from);
    // Closer than the best so far (the exact distances compared, through the estimate
    // where that is certain).
    if (ask.Compare(from, second, bestIndex, bestSecond) < 0) {
      bestIndex = from;
      bestSecond = second;
    }
  }
  run.closest = MomentAt(bestIndex, bestSecond);
  run.leastDistance = std::abs(ask.Exact(bestIndex, bestSecond).offset);
  return !options_.AbortRequested();
}

}  // namespace gyrolux
