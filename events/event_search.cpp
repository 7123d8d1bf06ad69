#include "events/event_search.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <tuple>

#include "engine/chart_core.h"
#include "ephemeris/fitted_sky.h"
#include "ephemeris/swiss_library.h"
#include "ephemeris/swiss_sky.h"
#include "midpoints/chunked_scan.h"
#include "midpoints/motion_bounds.h"
#include "midpoints/search_threads.h"

namespace gyrolux {

namespace {

// How the search works. Every moving position is a weighted sum of factor longitudes
// (one factor, the mean of two, or the progressed Sun plus a constant for a directed
// factor), continuous once the longitudes are unwrapped. The period is cut into slices;
// in each, every longitude is computed exactly on a grid of 2^e days, the step halved
// until the grid's fourth differences (the error of a cubic through four neighbours)
// are negligible. On each step the moving position is then the cubic through the four
// neighbouring grid values, which splits at its turning points into monotone pieces; a
// piece crosses an orb boundary or a radix position at most once, found by halving. A
// crossing that the cubic puts near half a second is decided by the full model on both
// sides of the second. One chart per grid point serves every radix position at once.
//
// The modern sky is smooth only piecewise: its fitted spans join with steps of a fraction
// of the fitting error, and the bending of light changes fast, and not smoothly, while a
// body passes behind the Sun's disk. There a grid is fine enough once its fourth
// differences stay below what a join can cause, and each step carries a bound of its
// cubic's error taken from the fourth differences around it; where that error, at the
// moving position's rate, could move a crossing or an orb boundary over a half second, the
// full model finds the second. Where halving stalls (the bending: a halving no longer
// divides the fourth differences by four), grids of half the step hold the longitude only
// around those steps, down to 2^-8 day, and the terms step on the finest grid there; steps
// still above at that grid are rough, their crossings and boundaries found with the full
// model. The nutation, which every body shares and whose short terms would force short
// steps on the slow ones, is a track of its own.

constexpr double kSecondsPerDay = 86400.0;
constexpr double kSliceDays = 32.0;
// Far enough back for the passes of a retrograde loop to be counted from its start (the
// slowest loops of the model take under a year) and a whole number of slices.
constexpr double kLeadDays = 416.0;
constexpr double kProgressionYear = 365.25;
constexpr int kFinestStep = -10;         // 2^-10 day, 84 s: the angles near the poles
constexpr int kFinestBendingStep = -8;   // 2^-8 day, 5.6 min: the bending behind the Sun
constexpr double kFourthDifference = 1e-7;  // degrees: the cubic's error is a fraction of it
// The modern sky is itself only as close to the library as its fit (kModernFitError): a
// join of spans steps by up to twice that, which puts three times the step into a fourth
// difference however fine the grid. Its grid is fine enough once the fourth differences
// stay below that, with the smooth part's share on top.
constexpr double kModernFourthDifference = 6.0 * kModernFitError + kFourthDifference;
constexpr double kLargestChange = 20.0;     // degrees per grid step, for a safe unwrap
constexpr double kHalfSecondMargin = 0.1;   // seconds around a half second: check exactly

struct Target {
  std::array<int, 2> ids;
  double position;  // in the mode, 0 up to the width
};

// The track of the modern sky's nutation in longitude (see Search::Longitude).
constexpr int kNutationTrack = -1;

struct TrackKey {
  int factor;  // a FactorId or kNutationTrack
  bool progressed;
  bool operator==(const TrackKey&) const = default;
};

// One longitude sampled over a slice: values at start + k * step for k = -2 .. n + 2.
struct Track {
  TrackKey key;
  int firstExponent = 0;
  double step = 1.0;
  double start = 0.0;
  std::vector<double> values;
  std::vector<char> rough;  // per step from start: the cubic is not trusted there
  std::vector<double> error;  // per step from start (modern sky): how far the cubic may be off
  // Where the fourth differences stay large (modern sky): a grid of half the step around
  // those steps (RefineRough), used in the window (per step: such a step or next to one).
  std::vector<Track> fine;
  std::vector<char> window;
  double carry = std::numeric_limits<double>::quiet_NaN();  // unwrapped value at the next slice's start

  double At(double t) const {
    const double x = (t - start) / step;
    // The cubic through samples k - 1 .. k + 2; at the last sample but two it serves up to
    // the last but one, which it meets exactly there.
    double k = std::floor(x);
    k = std::clamp(k, -1.0, static_cast<double>(values.size()) - 5.0);
    const double u = x - k;
    const size_t i = static_cast<size_t>(k + 1.0);  // values index of sample k - 1
    if (u == 1.0) return values[i + 2];
    const double a = values[i], b = values[i + 1], c = values[i + 2], d = values[i + 3];
    return b + u * ((-a / 3.0 - b / 2.0 + c - d / 6.0) + u * ((a / 2.0 - b + c / 2.0) + u * (-a / 6.0 + b / 2.0 - c / 2.0 + d / 6.0)));
  }

  bool RoughAt(double t) const {
    if (InWindow(t)) return fine[0].RoughAt(t);
    if (rough.empty()) return false;
    const double k = std::floor((t - start) / step);
    return k < 0.0 || k >= static_cast<double>(rough.size()) || rough[static_cast<size_t>(k)] != 0;
  }
  bool InWindow(double t) const {
    if (fine.empty()) return false;
    const double k = std::floor((t - start) / step);
    return k >= 0.0 && k < static_cast<double>(window.size()) && window[static_cast<size_t>(k)] != 0;
  }
  double Value(double t) const { return InWindow(t) ? fine[0].Value(t) : At(t); }
  // The grid the longitude is held on at t.
  double StepAt(double t) const { return InWindow(t) ? fine[0].StepAt(t) : step; }
  double ErrorAt(double t) const {
    if (InWindow(t)) return fine[0].ErrorAt(t);
    const double k = std::floor((t - start) / step);
    if (k < 0.0 || k >= static_cast<double>(error.size())) return std::numeric_limits<double>::infinity();
    return error[static_cast<size_t>(k)];
  }
};

// The modern sky's longitudes are smooth between the joins of its fitted spans, where they
// step by a fraction of the fitting error. Such a step s puts s, -3s, 3s, -s into four
// neighbouring fourth differences, so neighbours differ by up to 6s, while a smooth
// function's neighbouring fourth differences differ by less than they are large. So a
// step's cubic (through samples k - 1 .. k + 2) is off by at most a quarter of the largest
// fourth difference over those samples (a kink's share; a smooth cubic's is 3/128) plus the
// step a join can make there: a sixth of the largest neighbouring difference plus a third
// of the largest fourth difference.
void SetErrors(Track& track) {
  const std::vector<double>& v = track.values;
  std::vector<double> fourths(v.size(), 0.0);  // signed, of the samples i - 4 .. i
  for (size_t i = 4; i < v.size(); ++i) fourths[i] = v[i] - 4.0 * v[i - 1] + 6.0 * v[i - 2] - 4.0 * v[i - 3] + v[i - 4];
  track.error.assign(v.size() - 5, 0.0);
  for (size_t k = 0; k < track.error.size(); ++k) {
    double largest = 0.0, jump = 0.0;
    for (size_t i = std::max<size_t>(k + 1, 4); i <= k + 8 && i < v.size(); ++i) {
      largest = std::max(largest, std::fabs(fourths[i]));
      if (i > 4) jump = std::max(jump, std::fabs(fourths[i] - fourths[i - 1]));
    }
    track.error[k] = 0.25 * largest + jump / 6.0 + largest / 3.0;
  }
}


// Where a stay stands for one radix position of one moving position.
struct PendingEvent {
  double exactDays;
  int64_t exact;
  double distance;
  bool retrograde;
  bool station;
};

struct TargetState {
  bool inside = false;
  int64_t alias = 0;
  int arrivalSide = 0;  // -1 from below, +1 from above, 0 not known
  std::optional<double> entering;
  int passBase = 0;
  std::vector<PendingEvent> pending;
  bool departed = false;  // the last stay's leaving is known
  int64_t departureAlias = 0;
  int departureSide = 0;
  int lastPass = 0;
};

struct Term {
  EventKind kind;
  std::array<int, 2> moving;
  std::vector<std::pair<int, double>> tracks;  // track index and weight
  double constant = 0.0;
  Watch watch;  // first the moving position; second set per target
  bool progressed = false;
  bool needsLead = false;
  const std::vector<Target>* targets = nullptr;
  std::vector<TargetState> states;
  bool started = false;
  std::vector<RadixEvent> closed;  // events of the slice, handed on after it
};

// A crossing, an orb boundary or a turning point within one step, in step units.
struct StepRecord {
  double tau;
  int order;  // 0 leaving, 1 entering, 2 crossing, 3 turning point
  int64_t alias;
  int side;   // leaving/entering: the orb side; crossing: the direction
  double value;
  double level;
  bool isMax;
  double rate = 0.0;   // crossing, entering, leaving: the moving position's degrees per day
  double error = 0.0;  // and how far the cubic may be off there (modern sky), degrees
};

struct Cubic {
  double c0, c1, c2, c3;
  double At(double u) const { return c0 + u * (c1 + u * (c2 + u * c3)); }
};

Cubic CubicThrough(double a, double b, double c, double d) {
  return {b, -a / 3.0 - b / 2.0 + c - d / 6.0, a / 2.0 - b + c / 2.0, -a / 6.0 + b / 2.0 - c / 2.0 + d / 6.0};
}

// The breakpoints 0, the turning points within (0, 1), 1.
int MonotonePieces(const Cubic& p, std::array<double, 4>& taus) {
  int count = 0;
  taus[count++] = 0.0;
  const double a = 3.0 * p.c3, b = 2.0 * p.c2, c = p.c1;
  std::array<double, 2> roots{};
  int found = 0;
  if (std::fabs(a) < 1e-300) {
    if (b != 0.0) roots[found++] = -c / b;
  } else {
    const double disc = b * b - 4.0 * a * c;
    if (disc > 0.0) {
      const double q = -0.5 * (b + std::copysign(std::sqrt(disc), b));
      roots[found++] = q / a;
      if (q != 0.0) roots[found++] = c / q;
    }
  }
  std::sort(roots.begin(), roots.begin() + found);
  for (int i = 0; i < found; ++i) {
    if (roots[i] > 0.0 && roots[i] < 1.0 && roots[i] > taus[count - 1]) taus[count++] = roots[i];
  }
  taus[count++] = 1.0;
  return count;
}

// Where p crosses level within the monotone piece (lo, hi), p(lo) and p(hi) on either
// side: Newton's steps, kept within the bracket, which halving narrows where they leave it.
double RootIn(const Cubic& p, double lo, double hi, double level) {
  const bool belowAtLo = p.At(lo) < level;
  const double atLo = p.At(lo) - level, atHi = p.At(hi) - level;
  double x = atHi != atLo ? lo + (hi - lo) * atLo / (atLo - atHi) : 0.5 * (lo + hi);
  for (int i = 0; i < 100 && hi - lo > 1e-13; ++i) {
    const double f = p.At(x) - level;
    ((f < 0.0) == belowAtLo ? lo : hi) = x;
    const double slope = p.c1 + x * (2.0 * p.c2 + x * 3.0 * p.c3);
    double next = slope != 0.0 ? x - f / slope : 0.5 * (lo + hi);
    if (!(next > lo && next < hi)) next = 0.5 * (lo + hi);
    if (std::fabs(next - x) < 1e-13) return next;
    x = next;
  }
  return 0.5 * (lo + hi);
}

bool Before(const RadixEvent& a, const RadixEvent& b) {
  return std::tie(a.exact, a.kind, a.moving, a.target) < std::tie(b.exact, b.kind, b.moving, b.target);
}

class Search {
 public:
  Search(const EventQuery& query, const RadixEventSink& sink, const EventSearchOptions& options)
      : query_(query), sink_(sink), options_(options), width_(query.mode.Width()) {
    periodEnd_ = static_cast<double>(query.days);
    periodSeconds_ = query.days * static_cast<int64_t>(kSecondsPerDay);
    threads_ = options.threads > 0 ? options.threads : DefaultSearchThreads();
    modern_ = query.radix.ephemeris == Ephemeris::Swiss;
    progressedStart_ = query.radix.hours / 24.0 + static_cast<double>(DayNumber({query.radix.day, query.radix.month, query.radix.year}) - DayNumber(query.from));
    BuildTargets();
    BuildTerms();
  }

  EventSearchEnd Run();

 private:
  void BuildTargets();
  void BuildTerms();
  int TrackIndex(TrackKey key);
  void SampleTrack(Track& track, double from, double to) const;
  void RefineRough(Track& track, const std::vector<double>& fourths) const;
  double Longitude(const Track& track, double t) const;
  void ScanTerm(Term& term, double from, double to);
  void StartTerm(Term& term, double t, double u);
  void Feed(Term& term, size_t targetIndex, const StepRecord& record, double t0, double step);
  void CloseStay(Term& term, size_t targetIndex, std::optional<double> leaving);
  double EdgeDays(const Term& term, size_t targetIndex, const StepRecord& record, double t) const;
  int64_t CheckedSecond(const Term& term, size_t targetIndex, double days, double level, int64_t alias,
                        bool belowBefore, double rate, double error) const;
  int64_t SearchedSecond(const Term& term, size_t targetIndex, double days, double relative, bool belowBefore) const;
  double ExactOffset(const Term& term, const Target& target, double days) const;

  const EventQuery& query_;
  const RadixEventSink& sink_;
  const EventSearchOptions& options_;
  double width_;
  double periodEnd_;
  int64_t periodSeconds_;
  int threads_ = 1;
  bool modern_ = false;
  double progressedStart_ = 0.0;  // the birth, days from the period's start
  std::vector<Target> factorTargets_;
  std::vector<Target> allTargets_;
  std::vector<Track> tracks_;
  std::vector<Term> terms_;
};

void Search::BuildTargets() {
  const FactorLongitudes& radix = query_.radixLongitudes;
  for (int a = 0; a < kFactorCount; ++a) {
    const WatchedPosition position{{a, a}, {}};
    factorTargets_.push_back({{a, kFillerAbbrevIndex}, PositionInMode(position, radix, query_.mode)});
  }
  allTargets_ = factorTargets_;
  for (int a = 0; a < kFactorCount; ++a) {
    for (int b = a + 1; b < kFactorCount; ++b) {
      allTargets_.push_back({{a, b}, PositionInMode(WatchedPosition{{a, b}, {}}, radix, query_.mode)});
    }
  }
  for (std::vector<Target>* targets : {&factorTargets_, &allTargets_}) {
    std::stable_sort(targets->begin(), targets->end(),
                     [](const Target& x, const Target& y) { return x.position < y.position; });
  }
}

int Search::TrackIndex(TrackKey key) {
  for (size_t i = 0; i < tracks_.size(); ++i) {
    if (tracks_[i].key == key) return static_cast<int>(i);
  }
  Track track;
  track.key = key;
  // The first step tried: fine enough for the factor's motion in most slices.
  if (key.progressed) {
    track.firstExponent = 3;
  } else if (key.factor == MO) {
    track.firstExponent = -5;
  } else if (key.factor == MC || key.factor == AS) {
    track.firstExponent = -8;
  } else if (key.factor == SO || key.factor == ME || key.factor == VE || key.factor == MA || key.factor == kNutationTrack) {
    track.firstExponent = -2;
  } else {
    track.firstExponent = 0;
  }
  tracks_.push_back(track);
  return static_cast<int>(tracks_.size()) - 1;
}

// The slowest a factor can move, degrees per day: below 0 where it turns retrograde.
double LeastDailyMotion(int factor) {
  switch (factor) {
    case SO:
      return 0.9;
    case MO:
      return 11.0;
    case MC:
      return 300.0;
    default:
      return -kMaxBodyDailyMotion[factor] - (factor == AS ? 1e9 : 0.0);
  }
}

void Search::BuildTerms() {
  const auto transitTerm = [&](EventKind kind, int a, int b) {
    Term term;
    term.kind = kind;
    term.moving = {a, b};
    const int second = b == kFillerAbbrevIndex ? a : b;
    term.watch = Watch{{{a, second}, {}}, {{}, 0.0}, query_.mode, query_.orb};
    double least = 0.0;
    const FactorWeights weights = NetWeights(term.watch);
    double nutation = 0.0;
    for (int f = 0; f < kFactorCount; ++f) {
      if (weights[f] == 0.0) continue;
      term.tracks.push_back({TrackIndex({f, false}), weights[f]});
      least += weights[f] * LeastDailyMotion(f);
      if (FittedChannelOf(f) >= 0) nutation += weights[f];
    }
    if (modern_ && nutation != 0.0) term.tracks.push_back({TrackIndex({kNutationTrack, false}), nutation});
    term.needsLead = !(least > 0.0);
    return term;
  };
  const bool transit = query_.kinds & EventKindBit(EventKind::Transit);
  const bool midpoint = query_.kinds & EventKindBit(EventKind::Midpoint);
  const bool arc = query_.kinds & EventKindBit(EventKind::Arc);
  if (transit) {
    for (const int a : query_.moving) {
      Term term = transitTerm(EventKind::Transit, a, kFillerAbbrevIndex);
      term.targets = &allTargets_;
      terms_.push_back(std::move(term));
    }
  }
  if (midpoint) {
    for (size_t i = 0; i < query_.moving.size(); ++i) {
      for (size_t j = i + 1; j < query_.moving.size(); ++j) {
        const int a = std::min(query_.moving[i], query_.moving[j]);
        const int b = std::max(query_.moving[i], query_.moving[j]);
        Term term = transitTerm(EventKind::Midpoint, a, b);
        term.targets = &factorTargets_;
        terms_.push_back(std::move(term));
      }
    }
  }
  if (arc) {
    const int sun = TrackIndex({SO, true});
    for (const int a : query_.moving) {
      Term term;
      term.kind = EventKind::Arc;
      term.moving = {a, kFillerAbbrevIndex};
      term.tracks = {{sun, 1.0}};
      if (modern_) term.tracks.push_back({TrackIndex({kNutationTrack, true}), 1.0});
      term.constant = query_.radixLongitudes[a] - query_.radixLongitudes[SO];
      term.watch = Watch{{{SO, SO}, {}}, {{}, 0.0}, query_.mode, query_.orb};
      term.progressed = true;
      term.targets = &allTargets_;
      terms_.push_back(std::move(term));
    }
  }
}

// Step k's cubic runs through the samples k - 1 .. k + 2 (values index k + 1 .. k + 4):
// rough where any fourth difference over samples touching them is large.
void MarkRough(Track& track, const std::vector<double>& fourths, double limit) {
  track.rough.assign(track.values.size() - 5, 0);
  for (size_t i = 4; i < fourths.size(); ++i) {
    if (fourths[i] <= limit) continue;
    // Samples i - 4 .. i overlap the cubics of steps i - 8 .. i - 1.
    for (size_t k = i >= 8 ? i - 8 : 0; k < i && k < track.rough.size(); ++k) track.rough[k] = 1;
  }
}

// In the modern sky a body's track holds its fitted channel, and the nutation, which every
// body shares and whose short terms would force short steps on the slow ones, has a track
// of its own; where the modern sky does not reach (the look-back before its first year)
// a chart is the model's and the nutation nil, as in ComputeFactors.
double Search::Longitude(const Track& track, double t) const {
  const double s = track.key.progressed ? progressedStart_ + (t - progressedStart_) / kProgressionYear : t;
  const ChartMoment moment = EventMoment(query_, s * kSecondsPerDay);
  const int factor = track.key.factor;
  const int channel = factor == kNutationTrack ? kNutationChannel : FittedChannelOf(factor);
  if (modern_ && channel >= 0) {
    if (SwissCoversMoment(moment)) {
      if (const std::optional<FittedValue> v = FittedChannelAt(channel, JulianDayUt(moment))) return v->value;
    }
    if (factor == kNutationTrack) return 0.0;
  }
  ChartResult result;
  ComputeFactors(moment, FactorBit(factor), result);
  return result.state.factorLongitude[factor];
}

// Where the grid's fourth differences exceed what a join of spans can cause (the bending
// while a body passes the Sun), a track of half the step holds the longitude: computed in
// those steps and one either side, elsewhere taken from this grid's cubics. It is refined
// the same way down to the finest step, where steps still above are marked rough.
void Search::RefineRough(Track& coarse, const std::vector<double>& fourths) const {
  std::vector<char> fast(coarse.values.size() - 5, 0);
  bool any = false;
  for (size_t i = 4; i < fourths.size(); ++i) {
    if (fourths[i] <= kModernFourthDifference) continue;
    any = true;
    for (size_t k = i >= 8 ? i - 8 : 0; k < i && k < fast.size(); ++k) fast[k] = 1;
  }
  if (!any) return;
  coarse.window.assign(fast.size(), 0);
  for (size_t k = 0; k < fast.size(); ++k) {
    if (fast[k] == 0) continue;
    for (size_t j = k > 0 ? k - 1 : 0; j <= k + 1 && j < coarse.window.size(); ++j) coarse.window[j] = 1;
  }
  // The finer grid covers the window and two steps either side (the cubics reach that far).
  const auto first = std::find(coarse.window.begin(), coarse.window.end(), 1) - coarse.window.begin();
  const auto last = coarse.window.rend() - std::find(coarse.window.rbegin(), coarse.window.rend(), 1) - 1;
  coarse.fine.assign(1, Track{});
  Track& track = coarse.fine[0];
  track.key = coarse.key;
  track.start = coarse.start + static_cast<double>(first - 2) * coarse.step;
  track.step = 0.5 * coarse.step;
  const int64_t m = 2 * (last - first + 5);
  track.values.assign(static_cast<size_t>(m + 5), 0.0);
  const auto computedNear = [&](double t) {
    const double k = std::floor((t - coarse.start) / coarse.step);
    for (double j = k - 1.0; j <= k + 1.0; j += 1.0) {
      if (j < 0.0 || j >= static_cast<double>(coarse.window.size()) || coarse.window[static_cast<size_t>(j)] != 0) return true;
    }
    return false;
  };
  for (int64_t k = -2; k <= m + 2; ++k) {
    const double t = track.start + static_cast<double>(k) * track.step;
    const double smooth = coarse.At(t);
    double v = smooth;
    if (computedNear(t)) {
      v = Longitude(track, t);
      v += 360.0 * std::nearbyint((smooth - v) / 360.0);
    }
    track.values[static_cast<size_t>(k + 2)] = v;
  }
  std::vector<double> fineFourths(track.values.size(), 0.0);
  for (size_t i = 4; i < track.values.size(); ++i) {
    const std::vector<double>& v = track.values;
    fineFourths[i] = std::fabs(v[i] - 4.0 * v[i - 1] + 6.0 * v[i - 2] - 4.0 * v[i - 3] + v[i - 4]);
  }
  SetErrors(track);
  if (track.step > std::ldexp(1.0, kFinestBendingStep)) {
    RefineRough(track, fineFourths);
  } else {
    MarkRough(track, fineFourths, kModernFourthDifference);
  }
}

void Search::SampleTrack(Track& track, double from, double to) const {
  double coarser = std::numeric_limits<double>::infinity();
  for (int exponent = track.firstExponent;; --exponent) {
    track.step = std::ldexp(1.0, exponent);
    track.start = from;
    const int64_t n = std::llround((to - from) / track.step);
    track.values.assign(static_cast<size_t>(n + 5), 0.0);
    for (int64_t k = -2; k <= n + 2; ++k) {
      track.values[static_cast<size_t>(k + 2)] = Longitude(track, from + static_cast<double>(k) * track.step);
    }
    // Unwrapped from the slice's start, which continues the last slice.
    double& zero = track.values[2];
    if (std::isfinite(track.carry)) zero += 360.0 * std::nearbyint((track.carry - zero) / 360.0);
    double largest = 0.0;
    for (size_t i = 3; i < track.values.size(); ++i) {
      track.values[i] += 360.0 * std::nearbyint((track.values[i - 1] - track.values[i]) / 360.0);
    }
    for (size_t i = 2; i-- > 0;) {
      track.values[i] += 360.0 * std::nearbyint((track.values[i + 1] - track.values[i]) / 360.0);
    }
    for (size_t i = 1; i < track.values.size(); ++i) {
      largest = std::max(largest, std::fabs(track.values[i] - track.values[i - 1]));
    }
    double fourth = 0.0;
    std::vector<double> fourths(track.values.size(), 0.0);  // of the samples i - 4 .. i
    for (size_t i = 4; i < track.values.size(); ++i) {
      const std::vector<double>& v = track.values;
      fourths[i] = std::fabs(v[i] - 4.0 * v[i - 1] + 6.0 * v[i - 2] - 4.0 * v[i - 3] + v[i - 4]);
      fourth = std::max(fourth, fourths[i]);
    }
    const bool stalled = modern_ && fourth > coarser / 4.0;
    coarser = fourth;
    track.rough.clear();
    track.fine.clear();
    track.window.clear();
    const double limit = modern_ ? kModernFourthDifference : kFourthDifference;
    if ((largest <= kLargestChange && (fourth <= limit || stalled)) || exponent <= kFinestStep) {
      if (modern_) SetErrors(track);
      if (modern_ && fourth > limit) MarkRough(track, fourths, limit);
      if (modern_ && fourth > limit && exponent > kFinestBendingStep) RefineRough(track, fourths);
      track.carry = track.values[track.values.size() - 3];
      return;
    }
  }
}

double Search::ExactOffset(const Term& term, const Target& target, double days) const {
  RadixEvent event;
  event.kind = term.kind;
  event.moving = term.moving;
  event.target = target.ids;
  return ExactEventOffset(query_, event, days * kSecondsPerDay);
}

// The crossing's second, rounded from the cubic's moment; where that lies near half a
// second, the full model decides on which side of the half second the crossing falls.
// In the modern sky the cubic may be off by `error` degrees, which at the moving
// position's rate can be more than a second: then the full model finds the second.
int64_t Search::CheckedSecond(const Term& term, size_t targetIndex, double days, double level, int64_t alias,
                              bool belowBefore, double rate, double error) const {
  const double x = days * kSecondsPerDay;
  const int64_t second = std::llround(x);
  const double margin = modern_ ? std::max(kHalfSecondMargin, error / std::fabs(rate) * kSecondsPerDay)
                                : kHalfSecondMargin;
  if (std::fabs(std::fabs(x - static_cast<double>(second)) - 0.5) > margin) return second;
  const Target& target = (*term.targets)[targetIndex];
  const double relative = level - target.position - static_cast<double>(alias) * width_;  // -orb, 0 or +orb
  if (margin >= 0.5) return SearchedSecond(term, targetIndex, days, relative, belowBefore);
  const auto below = [&](double s) {
    double g = ExactOffset(term, target, s / kSecondsPerDay);
    g += width_ * std::nearbyint((relative - g) / width_);  // the side of the wrap nearer the level
    return g < relative;
  };
  if (below(static_cast<double>(second) - 0.5) != belowBefore) return second - 1;
  if (below(static_cast<double>(second) + 0.5) == belowBefore) return second + 1;
  return second;
}

// The second of a crossing of the radix position's level (relative to it: -orb, 0 or
// +orb) near the cubic's moment, from the full model alone: a bracket of half seconds
// widened from there, then halved down to one second.
int64_t Search::SearchedSecond(const Term& term, size_t targetIndex, double days, double relative,
                               bool belowBefore) const {
  const Target& target = (*term.targets)[targetIndex];
  const auto below = [&](double s) {
    double g = ExactOffset(term, target, s / kSecondsPerDay);
    g += width_ * std::nearbyint((relative - g) / width_);
    return g < relative;
  };
  const int64_t second = std::llround(days * kSecondsPerDay);
  double lo = static_cast<double>(second) - 0.5, hi = static_cast<double>(second) + 0.5;
  bool atLo = below(lo), atHi = below(hi);
  for (double reach = 1.0; !(atLo == belowBefore && atHi != belowBefore) && reach < 4.0 * kSecondsPerDay; reach *= 2.0) {
    if (atLo != belowBefore) lo -= reach, atLo = below(lo);
    if (atHi == belowBefore) hi += reach, atHi = below(hi);
  }
  if (!(atLo == belowBefore && atHi != belowBefore)) return second;  // no crossing nearby: keep the cubic's
  while (hi - lo > 1.0) {
    const double mid = lo + std::floor((hi - lo) / 2.0);
    (below(mid) == belowBefore ? lo : hi) = mid;
  }
  return std::llround(lo + 0.5);
}

void Search::StartTerm(Term& term, double t, double u) {
  term.started = true;
  term.states.assign(term.targets->size(), TargetState{});
  for (size_t i = 0; i < term.targets->size(); ++i) {
    const double relative = u - (*term.targets)[i].position;
    const int64_t alias = static_cast<int64_t>(std::nearbyint(relative / width_));
    const double g = relative - static_cast<double>(alias) * width_;
    TargetState& state = term.states[i];
    if (std::fabs(g) < query_.orb.degrees) {
      state.inside = true;
      state.alias = alias;
      (void)t;  // entered before the search looked: not known
    }
  }
}

void Search::CloseStay(Term& term, size_t targetIndex, std::optional<double> leaving) {
  TargetState& state = term.states[targetIndex];
  const Target& target = (*term.targets)[targetIndex];
  int pass = state.passBase;
  for (const PendingEvent& p : state.pending) {
    ++pass;
    if (p.exact < 0 || p.exact >= periodSeconds_) continue;
    RadixEvent event;
    event.kind = term.kind;
    event.moving = term.moving;
    event.target = target.ids;
    event.pass = pass;
    if (state.entering && *state.entering >= 0.0) event.entering = std::llround(*state.entering * kSecondsPerDay);
    event.exact = p.exact;
    if (leaving && *leaving < periodEnd_) event.leaving = std::llround(*leaving * kSecondsPerDay);
    event.distance = p.distance;
    event.retrograde = p.retrograde;
    term.closed.push_back(event);
  }
  state.lastPass = pass;
  state.pending.clear();
  state.inside = false;
}

// An orb boundary's moment: the cubic's in the model; in the modern sky its second is
// checked like a crossing's.
double Search::EdgeDays(const Term& term, size_t targetIndex, const StepRecord& record, double t) const {
  if (!modern_) return t;
  const double orb = query_.orb.degrees;
  const bool rising = (record.order == 1) == (record.side < 0);
  const double level = record.level + record.side * orb;
  return static_cast<double>(CheckedSecond(term, targetIndex, t, level, record.alias, rising, record.rate, record.error)) /
         kSecondsPerDay;
}

void Search::Feed(Term& term, size_t targetIndex, const StepRecord& record, double t0, double step) {
  TargetState& state = term.states[targetIndex];
  const double t = t0 + record.tau * step;
  if (t >= periodEnd_) return;
  switch (record.order) {
    case 0:  // leaving
      if (!state.inside) return;
      CloseStay(term, targetIndex, EdgeDays(term, targetIndex, record, t));
      state.departed = true;
      state.departureAlias = record.alias;
      state.departureSide = record.side;
      return;
    case 1:  // entering
      if (state.inside) CloseStay(term, targetIndex, t);
      state.inside = true;
      state.alias = record.alias;
      state.arrivalSide = record.side;
      state.entering = EdgeDays(term, targetIndex, record, t);
      state.passBase = state.departed && state.departureAlias == record.alias && state.departureSide == record.side
                           ? state.lastPass
                           : 0;
      return;
    case 2: {  // crossing
      if (!state.inside) {
        state.inside = true;
        state.alias = record.alias;
        state.entering.reset();
        state.passBase = 0;
      }
      const bool belowBefore = record.side > 0;
      const int64_t second = CheckedSecond(term, targetIndex, t, record.level, record.alias, belowBefore, record.rate, record.error);
      state.pending.push_back({t, second, 0.0, record.side < 0, false});
      return;
    }
    default: {  // turning point short of the radix position
      if (!state.inside || state.alias != record.alias) return;
      const double g = record.value - record.level;
      if (!((record.isMax && g < 0.0) || (!record.isMax && g > 0.0))) return;
      state.pending.push_back({t, std::llround(t * kSecondsPerDay), std::fabs(g), false, true});
      return;
    }
  }
}

void Search::ScanTerm(Term& term, double from, double to) {
  double step = std::numeric_limits<double>::infinity();
  for (const auto& [index, weight] : term.tracks) step = std::min(step, tracks_[index].step);
  const int64_t n = std::llround((to - from) / step);
  std::vector<double> u(static_cast<size_t>(n + 3));
  for (int64_t j = -1; j <= n + 1; ++j) {
    const double t = from + static_cast<double>(j) * step;
    double sum = term.constant;
    for (const auto& [index, weight] : term.tracks) sum += weight * tracks_[index].Value(t);
    u[static_cast<size_t>(j + 1)] = sum;
  }
  // Where a longitude is held on its finest grid, the term steps on that grid.
  bool anyFine = false;
  for (const auto& [index, weight] : term.tracks) anyFine = anyFine || !tracks_[index].fine.empty();
  const auto stepAt = [&](double t) {
    double least = std::numeric_limits<double>::infinity();
    for (const auto& [index, weight] : term.tracks) least = std::min(least, tracks_[index].StepAt(t));
    return least;
  };
  const auto sumAt = [&](double t) {
    double sum = term.constant;
    for (const auto& [index, weight] : term.tracks) sum += weight * tracks_[index].Value(t);
    return sum;
  };
  if (!term.started) StartTerm(term, from, u[1]);
  const std::vector<Target>& targets = *term.targets;
  const double orb = query_.orb.degrees;
  std::vector<StepRecord> records;
  std::vector<size_t> candidates;
  const auto roughAt = [&](double t) {
    for (const auto& [index, weight] : term.tracks) {
      if (tracks_[index].RoughAt(t)) return true;
    }
    return false;
  };
  const auto scanStep = [&](double t0, double step, const Cubic& p, double ua, double ub) {
    const bool rough = roughAt(t0 + 0.5 * step);
    double error = 0.0;
    if (modern_) {
      for (const auto& [index, weight] : term.tracks) error += std::fabs(weight) * tracks_[index].ErrorAt(t0 + 0.5 * step);
    }
    std::array<double, 4> taus{};
    const int count = MonotonePieces(p, taus);
    std::array<double, 4> values{};
    for (int i = 0; i < count; ++i) values[i] = i == 0 ? ua : (i == count - 1 ? ub : p.At(taus[i]));
    const double least = *std::min_element(values.begin(), values.begin() + count);
    const double most = *std::max_element(values.begin(), values.begin() + count);
    const double low = least - orb, high = most + orb;
    // The radix positions whose orb boundary or own position the step can reach, on every
    // alias of the mode's circle, and where the moving position turns (rare), every one
    // within the orb.
    candidates.clear();
    const auto collect = [&](double from, double to) {
      for (double base = std::floor(from / width_) * width_; base <= to; base += width_) {
        const auto first = std::lower_bound(targets.begin(), targets.end(), from - base,
                                            [](const Target& x, double v) { return x.position < v; });
        for (auto it = first; it != targets.end() && it->position + base <= to; ++it) {
          candidates.push_back(static_cast<size_t>(it - targets.begin()));
        }
      }
    };
    constexpr double kEdge = 1e-9;
    if (count > 2) {
      collect(low - kEdge, high + kEdge);
    } else {
      for (const double shift : {-orb, 0.0, orb}) collect(least + shift - kEdge, most + shift + kEdge);
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
    for (const size_t index : candidates) {
      const double position = targets[index].position;
      records.clear();
      const int64_t firstAlias = static_cast<int64_t>(std::floor((low - position) / width_));
      const int64_t lastAlias = static_cast<int64_t>(std::ceil((high - position) / width_));
      for (int64_t alias = firstAlias; alias <= lastAlias; ++alias) {
        const double mid = position + static_cast<double>(alias) * width_;
        const std::array<double, 3> levels{mid - orb, mid, mid + orb};
        for (int i = 0; i + 1 < count; ++i) {
          const double pa = values[i], pb = values[i + 1];
          const bool rising = pb > pa;
          for (int l = 0; l < 3; ++l) {
            const double level = levels[l];
            if ((pa < level) == (pb < level)) continue;
            StepRecord record{RootIn(p, taus[i], taus[i + 1], level), 0, alias, 0, 0.0, mid, false};
            record.rate = (p.c1 + record.tau * (2.0 * p.c2 + record.tau * 3.0 * p.c3)) / step;
            record.error = error;
            if (l == 1) {
              record.order = 2;
              record.side = rising ? 1 : -1;
            } else if (l == 0) {
              record.order = rising ? 1 : 0;
              record.side = -1;
            } else {
              record.order = rising ? 0 : 1;
              record.side = 1;
            }
            records.push_back(record);
          }
          if (i + 2 < count && pb > levels[0] && pb < levels[2]) {
            records.push_back({taus[i + 1], 3, alias, 0, pb, mid, rising});
          }
        }
      }
      if (rough) {
        for (StepRecord& record : records) {
          if (record.order > 2) continue;
          const bool rising = record.order == 2 ? record.side > 0 : (record.order == 1) == (record.side < 0);
          const double relative = record.order == 2 ? 0.0 : record.side * orb;
          const double days = t0 + record.tau * step;
          const int64_t second = SearchedSecond(term, index, days, relative, rising);
          record.tau = (static_cast<double>(second) / kSecondsPerDay - t0) / step;
          record.rate = std::numeric_limits<double>::infinity();  // found to the second already
        }
      }
      std::sort(records.begin(), records.end(), [](const StepRecord& a, const StepRecord& b) {
        return std::tie(a.tau, a.order) < std::tie(b.tau, b.order);
      });
      for (const StepRecord& record : records) Feed(term, index, record, t0, step);
    }
  };
  // A step whose cubic reaches a finer grid is halved until it matches the grid.
  const std::function<void(double, double)> scanHalves = [&](double t0, double h) {
    if (t0 >= periodEnd_) return;
    if (std::min({stepAt(t0 - 0.5 * h), stepAt(t0 + 0.5 * h), stepAt(t0 + 1.5 * h)}) < h) {
      scanHalves(t0, 0.5 * h);
      scanHalves(t0 + 0.5 * h, 0.5 * h);
      return;
    }
    const double ua = sumAt(t0), ub = sumAt(t0 + h);
    scanStep(t0, h, CubicThrough(sumAt(t0 - h), ua, ub, sumAt(t0 + 2.0 * h)), ua, ub);
  };
  for (int64_t j = 0; j < n; ++j) {
    const double t0 = from + static_cast<double>(j) * step;
    if (t0 >= periodEnd_) break;
    if (anyFine && std::min({stepAt(t0 - 0.5 * step), stepAt(t0 + 0.5 * step), stepAt(t0 + 1.5 * step)}) < step) {
      scanHalves(t0, step);
      continue;
    }
    const size_t at = static_cast<size_t>(j + 1);
    scanStep(t0, step, CubicThrough(u[at - 1], u[at], u[at + 1], u[at + 2]), u[at], u[at + 1]);
  }
}

EventSearchEnd Search::Run() {
  using Queue = std::priority_queue<RadixEvent, std::vector<RadixEvent>,
                                    decltype([](const RadixEvent& a, const RadixEvent& b) { return Before(b, a); })>;
  Queue ready;
  const auto handOn = [&](int64_t before) {
    while (!ready.empty() && ready.top().exact < before) {
      sink_(ready.top());
      ready.pop();
    }
  };
  bool aborted = false;
  for (double from = -kLeadDays; from < periodEnd_ && !aborted; from += kSliceDays) {
    const double to = from + kSliceDays;
    // The longitudes the terms of this slice need.
    std::vector<char> needed(tracks_.size(), 0);
    for (const Term& term : terms_) {
      if (from < 0.0 && !term.needsLead) continue;
      for (const auto& [index, weight] : term.tracks) needed[static_cast<size_t>(index)] = 1;
    }
    ScanChunksInOrder(static_cast<int64_t>(tracks_.size()), threads_, [&](int64_t i) {
      if (needed[static_cast<size_t>(i)]) SampleTrack(tracks_[static_cast<size_t>(i)], from, to);
      return true;
    });
    ScanChunksInOrder(static_cast<int64_t>(terms_.size()), threads_, [&](int64_t i) {
      Term& term = terms_[static_cast<size_t>(i)];
      if (from < 0.0 && !term.needsLead) return true;
      ScanTerm(term, from, to);
      return !(options_.abort && options_.abort->load());
    });
    aborted = options_.abort && options_.abort->load();
    if (to >= periodEnd_ && !aborted) {
      for (Term& term : terms_) {
        for (size_t i = 0; i < term.states.size(); ++i) {
          if (term.states[i].inside) CloseStay(term, i, std::nullopt);
        }
      }
    }
    // Every event before the earliest one still waiting for its stay to end is final.
    int64_t before = std::min(static_cast<int64_t>(std::llround(to * kSecondsPerDay)), periodSeconds_);
    for (Term& term : terms_) {
      for (const RadixEvent& event : term.closed) ready.push(event);
      term.closed.clear();
      for (const TargetState& state : term.states) {
        for (const PendingEvent& p : state.pending) before = std::min(before, p.exact);
      }
    }
    if (aborted) break;
    handOn(before);
    if (options_.progress && to > 0.0) options_.progress(std::min(1.0, to / periodEnd_));
  }
  if (aborted) return EventSearchEnd::Aborted;
  handOn(std::numeric_limits<int64_t>::max());
  return EventSearchEnd::Done;
}

}  // namespace

bool IsMovingFactor(int factor) { return factor >= 0 && factor < kMidpointFactorCount && factor != WI; }

QString EventQueryProblem(const EventQuery& query) {
  if (query.from.year < 1600 || query.from.year > 9999 || DateOfDayNumber(DayNumber(query.from)) != query.from)
    return QStringLiteral("Der Zeitraum muss in den Jahren 1600 bis 9999 liegen");
  if (query.days < 1 || query.days > kMaxEventDays)
    return QStringLiteral("Der Zeitraum umfasst einen Tag bis hundert Jahre");
  if (AddDays(query.from, query.days - 1).year > 9999)
    return QStringLiteral("Der Zeitraum muss in den Jahren 1600 bis 9999 liegen");
  // The search computes in the radix moment's sky; the modern one only within its years,
  // for the radix as well (the directions start from it).
  if (query.radix.ephemeris == Ephemeris::Swiss &&
      (AddDays(query.from, query.days - 1).year > kSwissLastYear || query.radix.year < kSwissFirstYear ||
       query.radix.year > kSwissLastYear))
    return QStringLiteral("Die Swiss Ephemeris rechnet nur in den Jahren %1 bis %2; für Radix und Zeitraum außerhalb "
                          "bitte die Ephemeride „Modell (Version 5.0)“ wählen")
        .arg(kSwissFirstYear)
        .arg(kSwissLastYear);
  if ((query.kinds & 7u) == 0) return QStringLiteral("Keine Art gewählt");
  if (query.moving.empty()) return QStringLiteral("Kein laufender Faktor gewählt");
  for (const int factor : query.moving) {
    if (!IsMovingFactor(factor)) return QStringLiteral("Faktor %1 läuft nicht").arg(QString::fromLatin1(FactorAbbrev[std::clamp(factor, 0, 23)]));
  }
  if (!(query.orb.degrees > 0.0 && query.orb.degrees <= query.mode.HalfWidth()))
    return QStringLiteral("Der Orbis muss über 0 und höchstens %1 Grad sein").arg(query.mode.HalfWidth());
  if (180 * query.mode.denominator % query.mode.numerator != 0)
    return QStringLiteral("Der Modus muss 180 Grad teilen");
  return {};
}

ChartMoment EventMoment(const EventQuery& query, double seconds) {
  const double days = seconds / kSecondsPerDay;
  const double whole = std::floor(days);
  const CivilDate date = AddDays(query.from, static_cast<int64_t>(whole));
  ChartMoment moment = query.radix;
  moment.day = date.day;
  moment.month = date.month;
  moment.year = date.year;
  moment.hours = (days - whole) * 24.0;
  return moment;
}

double ProgressedSeconds(const EventQuery& query, double seconds) {
  const double birth =
      (static_cast<double>(DayNumber({query.radix.day, query.radix.month, query.radix.year}) - DayNumber(query.from)) +
       query.radix.hours / 24.0) *
      kSecondsPerDay;
  return birth + (seconds - birth) / kProgressionYear;
}

Watch EventWatch(const EventQuery& query, const RadixEvent& event) {
  const FactorLongitudes& radix = query.radixLongitudes;
  const int second = event.target[1] == kFillerAbbrevIndex ? event.target[0] : event.target[1];
  double target = PositionInMode(WatchedPosition{{event.target[0], second}, {}}, radix, query.mode);
  Watch watch{{{event.moving[0], event.moving[1] == kFillerAbbrevIndex ? event.moving[0] : event.moving[1]}, {}},
              {{}, 0.0}, query.mode, query.orb};
  if (event.kind == EventKind::Arc) {
    // The directed factor: the progressed Sun plus the radix factor's distance from the radix Sun.
    watch.first.factors = {SO, SO};
    target = query.mode.Reduce(target - (radix[event.moving[0]] - radix[SO]) + 720.0);
  }
  watch.second.fixed = target;
  return watch;
}

double ExactEventOffset(const EventQuery& query, const RadixEvent& event, double seconds) {
  const Watch watch = EventWatch(query, event);
  ChartResult result;
  const double at = event.kind == EventKind::Arc ? ProgressedSeconds(query, seconds) : seconds;
  ComputeFactors(EventMoment(query, at), WatchedFactors(watch), result);
  return WatchedOffset(watch, result.state.factorLongitude);
}

EventSearchEnd FindRadixEvents(const EventQuery& query, const RadixEventSink& sink, const EventSearchOptions& options) {
  if (!EventQueryProblem(query).isEmpty()) return EventSearchEnd::Rejected;
  Search search(query, sink, options);
  return search.Run();
}

}  // namespace gyrolux
