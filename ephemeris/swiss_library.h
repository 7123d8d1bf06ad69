#pragma once

#include <optional>

#include "engine/chart.h"

namespace gyrolux {

// The calls into the Swiss Ephemeris library (libswe, Moshier mode: no data files). The
// library keeps its state in globals, so every call here holds one lock; the fitted sky
// calls it only when it builds a span.

// The library's bodies in the order of the factors SO, MO, KN, ME..PL, CU..PO.
inline constexpr int kSwissBodyCount = 19;
// The factor each body gives.
extern const FactorId kSwissBodyFactor[kSwissBodyCount];

// Julian day (universal time) of a moment, Gregorian calendar.
double JulianDayUt(const ChartMoment& moment);

// Whether the library computes this Julian day (universal time) in Moshier mode.
bool SwissCoversJulianDay(double jdUt);

struct SwissPosition {
  double longitude;  // apparent geocentric tropical longitude of date, degrees 0..360
  double speed;      // degrees per day
};
// One body; nothing outside the library's range. Without nutation the longitude is
// counted from the mean equinox of date (the speed is then not computed and 0): the
// apparent longitude is that plus the nutation in longitude, which the fitted sky keeps
// apart because its short terms need short spans.
// withDeflection false leaves out the bending of the light by the Sun (the speed is then
// not computed either).
std::optional<SwissPosition> SwissBodyAt(double jdUt, int body, bool withNutation = true, bool withDeflection = true);

struct SwissAngles {
  double midheaven;          // degrees
  double ascendant;          // degrees
  double armc;               // degrees, the apparent sidereal time plus the longitude
  double trueObliquity;      // degrees
  double apparentSiderealDegrees;  // Greenwich apparent sidereal time, degrees
};
// MC and AS of a place (east longitude, north latitude in degrees) as the library's house
// routine gives them.
std::optional<SwissAngles> SwissAnglesAt(double jdUt, double longitude, double latitude);

// The Greenwich apparent sidereal time in degrees and the true obliquity in degrees.
struct SwissSidereal {
  double siderealDegrees;
  double trueObliquity;
  double nutationInLongitude;  // degrees
};
std::optional<SwissSidereal> SwissSiderealAt(double jdUt);

// The library's ΔT in seconds.
double SwissDeltaTSeconds(double jdUt);

// The library's version as it reports it.
const char* SwissVersion();

}  // namespace gyrolux
