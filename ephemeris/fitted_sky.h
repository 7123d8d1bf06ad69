#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace gyrolux {

// The modern sky's smooth functions of time, each fitted by Chebyshev series over short
// spans of the library's own values: the 19 bodies (kSwissBodyFactor order) from the mean
// equinox of date, then the apparent sidereal time less the Earth's steady turn, the true
// obliquity and the nutation in longitude. The nutation's short terms (5.6, 9.1, 13.7 days)
// would force short spans on every body; kept apart, a body's span is as long as its own
// motion allows, and its apparent longitude is its channel plus the nutation channel. A span is
// fitted once, on first use, and kept for all threads; each thread keeps the spans it used
// last, so a chart in a known span takes no lock.
inline constexpr int kSiderealChannel = 19;
inline constexpr int kObliquityChannel = 20;
inline constexpr int kNutationChannel = 21;
inline constexpr int kFittedChannelCount = 22;

struct FittedValue {
  double value;  // degrees (a body's longitude not yet brought into 0..360)
  double rate;   // degrees per day
};
// A channel at a Julian day (universal time); nothing where the library has no values.
std::optional<FittedValue> FittedChannelAt(int channel, double jdUt);

// A body's apparent longitude (its channel plus the nutation) and speed.
std::optional<FittedValue> FittedBodyAt(int body, double jdUt);

// The library's value of a channel, as the fit takes it (the sidereal channel in degrees
// between -180 and 180, the rest in degrees).
std::optional<double> LibraryChannelAt(int channel, double jdUt);

// The Earth's steady turn in degrees 0..360 at a Julian day (universal time): the sidereal
// channel plus this is the apparent sidereal time.
double EarthTurnDegrees(double jdUt);

// The length in days of one span of a channel.
double FittedSpanDays(int channel);

// The span of a channel that holds a Julian day, counted from a fixed day (0 for a day
// far outside any range or no channel).
int64_t FittedSpanIndex(int channel, double jdUt);

// A span fitted afresh, as the shipped tables keep it (sky_tables.h): 64-bit words, its
// pieces in order, each a word that says what it is (0: the library at every moment, 1: two
// halves follow, n: a series of n terms follows) and a series' terms as the bits of their
// doubles. Nothing where the library has no values.
std::optional<std::vector<uint64_t>> FitSpanWords(int channel, int64_t index);

// How many spans were read from the shipped tables and how many were fitted.
struct FittedSpanCounts {
  uint64_t fromTables = 0;
  uint64_t fitted = 0;
};
FittedSpanCounts CountFittedSpans();

// Drops the spans kept so far (those a thread holds live on with it): the next use fits or
// reads them anew, as in a fresh start.
void ForgetFittedSpans();

// The channel of a factor's longitude, or -1 where the fit holds none (MC, AS, WI, GZ).
int FittedChannelOf(int factor);

}  // namespace gyrolux
