#include "ephemeris/fitted_sky.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "ephemeris/chebyshev.h"
#include "ephemeris/sky_tables.h"
#include "ephemeris/swiss_library.h"

namespace gyrolux {

namespace {

using Series = ChebyshevSeries;

// The span of each channel in days and its number of terms: long enough to need few of the
// library's values per day, short enough that a span rarely needs halving (see FitPiece);
// the fitting test holds every channel within 0.002" of the library over 1600..3000. The Moon turns fastest;
// Mercury swings fastest seen from the Earth; the last three channels carry the nutation
// with its short terms.
struct SpanShape {
  double days;
  std::size_t terms;
};
constexpr std::array<SpanShape, kFittedChannelCount> kShapes = {{
    {32.0, 16},  // SO
    {32.0, 48},  // MO
    {64.0, 8},   // KN
    {16.0, 24},  // ME
    {32.0, 20},  // VE
    {32.0, 20},  // MA
    {64.0, 24}, {64.0, 24}, {64.0, 24}, {64.0, 24}, {64.0, 24},                          // JU..PL
    {64.0, 20}, {64.0, 20}, {64.0, 20}, {64.0, 20}, {64.0, 20}, {64.0, 20}, {64.0, 20}, {64.0, 20},  // CU..PO
    {64.0, 40},  // sidereal time
    {64.0, 40},  // obliquity
    {64.0, 40},  // nutation
}};

// Spans are counted from this day (a round Julian day before the range).
constexpr double kOrigin = 2000000.5;

// One span's piece: a series, or, where the series did not meet the bound (the light's
// bending close to the Sun changes fast as a body passes behind it), two halves; below
// kShortestPiece days the library itself is asked at every moment.
struct Piece {
  double start = 0.0;
  double length = 0.0;
  std::optional<Series> series;
  std::unique_ptr<const Piece> halves[2];
};

// Down to 11 minutes: inside the Sun's disk the bending changes its course often, and the
// event search looks at such stretches again and again; a fitted piece costs far less there
// than three calls of the library at every moment.
constexpr double kShortestPiece = 1.0 / 128.0;
constexpr double kShortPieceDays = 4.0;
constexpr std::size_t kShortPieceTerms = 12;
// What a piece's series may differ from the library at the checks, in degrees
// (0.0005 arc seconds): the library's own values scatter by about 0.0002".
constexpr double kCheckBound = 0.0005 / 3600.0;

// The Sun's longitude to about a degree (mean longitude and the equation of the centre).
double RoughSunLongitude(double jdUt) {
  const double d = jdUt - 2451545.0;
  const double g = 0.017453292519943295 * (357.528 + 0.9856003 * d);
  return 280.460 + 0.9856474 * d + 1.915 * std::sin(g) + 0.020 * std::sin(2.0 * g);
}

// A planet or a hypothetical body within this of the Sun: its light may pass close to it.
constexpr double kNearTheSun = 10.0;

struct FittedSeries {
  Series series;
  bool nearTheSun = false;  // some node of a bent body within kNearTheSun of the Sun
};

std::optional<FittedSeries> FitSeries(int channel, double start, double length, std::size_t n) {
  std::array<double, kMaxChebyshevTerms> values{};
  double previous = 0.0;
  bool nearTheSun = false;
  for (std::size_t k = 0; k < n; ++k) {
    const double at = Series::NodeOf(start, length, n, k);
    const std::optional<double> v = LibraryChannelAt(channel, at);
    if (!v) return std::nullopt;
    // Angles are made continuous over the span before fitting.
    double value = *v;
    if (k > 0) value = previous + std::remainder(value - previous, 360.0);
    values[k] = value;
    previous = value;
    // The Sun, the Moon and the node are not bent; ME..PO are (channels 3..18).
    if (channel >= 3 && channel < kSiderealChannel &&
        std::fabs(std::remainder(value - RoughSunLongitude(at), 360.0)) < kNearTheSun) {
      nearTheSun = true;
    }
  }
  return FittedSeries{Series::Fit(start, length, n, values), nearTheSun};
}

// Whether the series meets the bound halfway between nodes: near both ends and in the
// middle, where an interpolating series strays most, and, close to the Sun, where the
// bending of the light changes fast, between every two nodes.
bool SeriesHolds(int channel, const FittedSeries& fitted) {
  const Series& series = fitted.series;
  const std::size_t n = series.n;
  const auto holdsAfterNode = [&](std::size_t k) {
    const double at = 0.5 * (Series::NodeOf(series.start, series.length, n, k) +
                             Series::NodeOf(series.start, series.length, n, k + 1));
    const std::optional<double> library = LibraryChannelAt(channel, at);
    return library && std::fabs(std::remainder(series.At(at).value - *library, 360.0)) <= kCheckBound;
  };
  if (fitted.nearTheSun) {
    for (std::size_t k = 0; k + 1 < n; ++k) {
      if (!holdsAfterNode(k)) return false;
    }
    return true;
  }
  for (std::size_t k : {std::size_t{0}, n / 4, n / 2, 3 * n / 4, n - 2}) {
    if (!holdsAfterNode(k)) return false;
  }
  return true;
}

std::unique_ptr<const Piece> FitPiece(int channel, double start, double length) {
  auto piece = std::make_unique<Piece>();
  piece->start = start;
  piece->length = length;
  if (length < kShortestPiece) return piece;  // the library at every moment
  // A short piece (halved near the Sun) is smooth apart from the bending: fewer terms fit it.
  const std::size_t terms = length <= kShortPieceDays ? std::min(kShapes[channel].terms, kShortPieceTerms) : kShapes[channel].terms;
  const std::optional<FittedSeries> fitted = FitSeries(channel, start, length, terms);
  if (!fitted) return nullptr;
  if (SeriesHolds(channel, *fitted)) {
    piece->series = fitted->series;
    return piece;
  }
  for (int half = 0; half < 2; ++half) {
    piece->halves[half] = FitPiece(channel, start + half * 0.5 * length, 0.5 * length);
    if (!piece->halves[half]) return nullptr;
  }
  return piece;
}

std::optional<FittedValue> PieceAt(int channel, const Piece& top, double jdUt) {
  const Piece* piece = &top;
  while (!piece->series && piece->halves[0]) {
    piece = (jdUt < piece->start + 0.5 * piece->length ? piece->halves[0] : piece->halves[1]).get();
  }
  if (piece->series) {
    const Series::ValueAndRate v = piece->series->At(jdUt);
    return FittedValue{v.value, v.rate};
  }
  // The library itself, the rate from two values a minute and a half apart.
  constexpr double kStep = 0.001;
  const std::optional<double> value = LibraryChannelAt(channel, jdUt);
  const std::optional<double> before = LibraryChannelAt(channel, jdUt - kStep);
  const std::optional<double> after = LibraryChannelAt(channel, jdUt + kStep);
  if (!value || !before || !after) return std::nullopt;
  return FittedValue{*value, std::remainder(*after - *before, 360.0) / (2.0 * kStep)};
}

// A span's pieces as words (see FitSpanWords) and back. Reading checks every word: the
// words may come from a damaged file.
void AppendWords(const Piece& piece, std::vector<uint64_t>& words) {
  if (piece.series) {
    words.push_back(piece.series->n);
    for (std::size_t j = 0; j < piece.series->n; ++j) words.push_back(std::bit_cast<uint64_t>(piece.series->c[j]));
  } else if (piece.halves[0]) {
    words.push_back(1);
    for (const auto& half : piece.halves) AppendWords(*half, words);
  } else {
    words.push_back(0);
  }
}

std::unique_ptr<const Piece> PieceFromWords(const std::vector<uint64_t>& words, std::size_t& at, double start,
                                            double length) {
  if (at >= words.size()) return nullptr;
  const uint64_t tag = words[at++];
  auto piece = std::make_unique<Piece>();
  piece->start = start;
  piece->length = length;
  if (tag == 0) return length < kShortestPiece ? std::move(piece) : nullptr;
  if (length < kShortestPiece) return nullptr;
  if (tag == 1) {
    for (int half = 0; half < 2; ++half) {
      piece->halves[half] = PieceFromWords(words, at, start + half * 0.5 * length, 0.5 * length);
      if (!piece->halves[half]) return nullptr;
    }
    return piece;
  }
  if (tag < 2 || tag > kMaxChebyshevTerms || words.size() - at < tag) return nullptr;
  Series series;
  series.start = start;
  series.length = length;
  series.n = static_cast<std::size_t>(tag);
  for (std::size_t j = 0; j < series.n; ++j) {
    series.c[j] = std::bit_cast<double>(words[at++]);
    if (!std::isfinite(series.c[j])) return nullptr;
  }
  piece->series = series;
  return piece;
}

// The span from the shipped tables, when they hold it and it reads back whole.
std::unique_ptr<const Piece> ShippedSpan(int channel, int64_t index, double start, double length) {
  const std::optional<std::vector<uint64_t>> words = SkyTablesSpan(channel, index);
  if (!words) return nullptr;
  std::size_t at = 0;
  std::unique_ptr<const Piece> piece = PieceFromWords(*words, at, start, length);
  return at == words->size() ? std::move(piece) : nullptr;
}

struct SpanStore {
  std::mutex lock;
  std::unordered_map<uint64_t, std::shared_ptr<const Piece>> spans;
  FittedSpanCounts counts;
};

SpanStore& Store() {
  static SpanStore store;
  return store;
}

// A bound on the memory: a century takes about 8000 spans, 65536 spans of 48 terms are
// 26 megabytes. When full the store starts afresh; spans a thread still holds live on.
constexpr std::size_t kMaxStoredSpans = 65536;

uint64_t KeyOf(int channel, int64_t index) {
  return (static_cast<uint64_t>(channel) << 56) ^ (static_cast<uint64_t>(index) & ((uint64_t{1} << 56) - 1));
}

std::shared_ptr<const Piece> SharedSpan(int channel, int64_t index) {
  SpanStore& store = Store();
  const uint64_t key = KeyOf(channel, index);
  {
    std::lock_guard guard(store.lock);
    if (const auto found = store.spans.find(key); found != store.spans.end()) return found->second;
  }
  // Read or fitted without the store's lock, so that threads wanting other spans need not
  // wait; two threads wanting the same span make the same one, and the first kept serves.
  const double length = kShapes[channel].days;
  const double start = kOrigin + static_cast<double>(index) * length;
  std::shared_ptr<const Piece> span = ShippedSpan(channel, index, start, length);
  const bool shipped = span != nullptr;
  if (!span) span = FitPiece(channel, start, length);
  if (!span) return nullptr;
  std::lock_guard guard(store.lock);
  ++(shipped ? store.counts.fromTables : store.counts.fitted);
  if (const auto found = store.spans.find(key); found != store.spans.end()) return found->second;
  if (store.spans.size() >= kMaxStoredSpans) store.spans.clear();
  store.spans.emplace(key, span);
  return span;
}

struct LastSpan {
  int64_t index = INT64_MIN;
  std::shared_ptr<const Piece> piece;
};

// The last three channels share their spans and nodes, and one library call gives all
// three: the values of the last nodes asked for are kept (per thread) for the next channel.
std::optional<SwissSidereal> SiderealOnce(double jdUt) {
  struct Kept {
    double jd = NAN;
    std::optional<SwissSidereal> value;
  };
  constexpr std::size_t kKept = 64;
  thread_local std::array<Kept, kKept> kept;
  thread_local std::size_t next = 0;
  for (const Kept& k : kept) {
    if (k.jd == jdUt) return k.value;
  }
  const std::optional<SwissSidereal> value = SwissSiderealAt(jdUt);
  kept[next] = {jdUt, value};
  next = (next + 1) % kKept;
  return value;
}

}  // namespace

double FittedSpanDays(int channel) { return kShapes[channel].days; }

int64_t FittedSpanIndex(int channel, double jdUt) {
  if (channel < 0 || channel >= kFittedChannelCount) return 0;
  const double position = std::floor((jdUt - kOrigin) / kShapes[channel].days);
  return position > -1e15 && position < 1e15 ? static_cast<int64_t>(position) : 0;
}

std::optional<std::vector<uint64_t>> FitSpanWords(int channel, int64_t index) {
  if (channel < 0 || channel >= kFittedChannelCount) return std::nullopt;
  const double length = kShapes[channel].days;
  const std::unique_ptr<const Piece> span = FitPiece(channel, kOrigin + static_cast<double>(index) * length, length);
  if (!span) return std::nullopt;
  std::vector<uint64_t> words;
  AppendWords(*span, words);
  return words;
}

FittedSpanCounts CountFittedSpans() {
  std::lock_guard guard(Store().lock);
  return Store().counts;
}

void ForgetFittedSpans() {
  std::lock_guard guard(Store().lock);
  Store().spans.clear();
}

int FittedChannelOf(int factor) {
  const auto found = std::find(std::begin(kSwissBodyFactor), std::end(kSwissBodyFactor), factor);
  return found == std::end(kSwissBodyFactor) ? -1 : static_cast<int>(found - std::begin(kSwissBodyFactor));
}

double EarthTurnDegrees(double jdUt) {
  // The Earth rotation angle (IERS): its rate in degrees per day; the sidereal time differs
  // from it by precession and nutation, which the sidereal channel holds.
  const double days = jdUt - 2451545.0;
  const double turns = 0.7790572732640 + 0.00273781191135448 * days + std::fmod(days, 1.0);
  return 360.0 * (turns - std::floor(turns));
}

std::optional<double> LibraryChannelAt(int channel, double jdUt) {
  if (channel < kSiderealChannel) {
    const std::optional<SwissPosition> p = SwissBodyAt(jdUt, channel, false);
    if (!p) return std::nullopt;
    return p->longitude;
  }
  const std::optional<SwissSidereal> s = SiderealOnce(jdUt);
  if (!s) return std::nullopt;
  if (channel == kSiderealChannel) return std::remainder(s->siderealDegrees - EarthTurnDegrees(jdUt), 360.0);
  if (channel == kObliquityChannel) return s->trueObliquity;
  return s->nutationInLongitude;
}

std::optional<FittedValue> FittedChannelAt(int channel, double jdUt) {
  if (channel < 0 || channel >= kFittedChannelCount || !std::isfinite(jdUt)) return std::nullopt;
  const double position = (jdUt - kOrigin) / kShapes[channel].days;
  if (!(position > -1e15 && position < 1e15)) return std::nullopt;
  const int64_t index = static_cast<int64_t>(std::floor(position));
  thread_local std::array<LastSpan, kFittedChannelCount> last;
  LastSpan& mine = last[channel];
  if (mine.index != index || !mine.piece) {
    std::shared_ptr<const Piece> span = SharedSpan(channel, index);
    if (!span) return std::nullopt;
    mine = {index, std::move(span)};
  }
  return PieceAt(channel, *mine.piece, jdUt);
}

std::optional<FittedValue> FittedBodyAt(int body, double jdUt) {
  if (body < 0 || body >= kSiderealChannel) return std::nullopt;
  const std::optional<FittedValue> mean = FittedChannelAt(body, jdUt);
  const std::optional<FittedValue> nutation = FittedChannelAt(kNutationChannel, jdUt);
  if (!mean || !nutation) return std::nullopt;
  return FittedValue{mean->value + nutation->value, mean->rate + nutation->rate};
}

}  // namespace gyrolux
