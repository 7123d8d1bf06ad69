#include "ephemeris/swiss_library.h"

#include <cmath>
#include <mutex>

#include <swephexp.h>

namespace gyrolux {

namespace {

// The library's state (its caches and the path it reads from) is process-wide.
std::mutex& LibraryLock() {
  static std::mutex lock;
  return lock;
}

// Only the Debian data folder is searched: a file of the same name in the working folder
// (other elements of the hypothetical bodies, another ΔT table) must not change the sky.
// Moshier mode reads no ephemeris files; the elements of the hypothetical bodies in
// seorbel.txt there equal the ones built into the library. The library keeps its state,
// the path among it, per thread: each thread sets it before its first call.
void PrepareLibrary() {
  thread_local const bool prepared = [] {
    static char path[] = "/usr/share/libswe/ephe";
    swe_set_ephe_path(path);
    return true;
  }();
  (void)prepared;
}

constexpr int kBodies[kSwissBodyCount] = {SE_SUN,     SE_MOON,    SE_MEAN_NODE, SE_MERCURY, SE_VENUS,
                                          SE_MARS,    SE_JUPITER, SE_SATURN,    SE_URANUS,  SE_NEPTUNE,
                                          SE_PLUTO,   SE_CUPIDO,  SE_HADES,     SE_ZEUS,    SE_KRONOS,
                                          SE_APOLLON, SE_ADMETOS, SE_VULKANUS,  SE_POSEIDON};

constexpr int32 kFlags = SEFLG_MOSEPH | SEFLG_SPEED;

// The Moshier range of the library in Julian days of terrestrial time (its own message
// names these bounds).
constexpr double kMoshierFirst = 625000.5;
constexpr double kMoshierLast = 2818000.5;

}  // namespace

const FactorId kSwissBodyFactor[kSwissBodyCount] = {SO, MO, KN, ME, VE, MA, JU, SA, UR, NE,
                                                     PL, CU, HA, ZE, KR, AP, AD, VU, PO};

double JulianDayUt(const ChartMoment& moment) {
  // The Gregorian day number as the model counts it (whole numbers, exact in a double).
  double y = moment.year;
  double m = moment.month;
  if (moment.month <= 2) {
    y -= 1.0;
    m += 12.0;
  }
  const double b = std::trunc(y / 400.0) - std::trunc(y / 100.0);
  const double jd = std::trunc(365.25 * y) + std::trunc(30.6001 * (m + 1.0)) + b + 1720996.5 + moment.day;
  return jd + moment.hours / 24.0;
}

bool SwissCoversJulianDay(double jdUt) {
  // ΔT is at most a few days over the range: a day of margin at each end on the UT side.
  return std::isfinite(jdUt) && jdUt > kMoshierFirst + 1.0 && jdUt < kMoshierLast - 1.0;
}

std::optional<SwissPosition> SwissBodyAt(double jdUt, int body, bool withNutation, bool withDeflection) {
  if (body < 0 || body >= kSwissBodyCount || !SwissCoversJulianDay(jdUt)) return std::nullopt;
  double x[6] = {};
  char error[AS_MAXCH] = "";
  std::lock_guard guard(LibraryLock());
  PrepareLibrary();
  int32 flags = withNutation ? kFlags : SEFLG_MOSEPH | SEFLG_NONUT;
  if (!withDeflection) flags = (flags & ~SEFLG_SPEED) | SEFLG_NOGDEFL;
  const int32 got = swe_calc_ut(jdUt, kBodies[body], flags, x, error);
  if (got < 0 || !(got & SEFLG_MOSEPH)) return std::nullopt;
  return SwissPosition{x[0], x[3]};
}

std::optional<SwissAngles> SwissAnglesAt(double jdUt, double longitude, double latitude) {
  if (!SwissCoversJulianDay(jdUt) || !std::isfinite(longitude) || !std::isfinite(latitude)) return std::nullopt;
  double cusps[13] = {};
  double ascmc[10] = {};
  double nutation[6] = {};
  char error[AS_MAXCH] = "";
  std::lock_guard guard(LibraryLock());
  PrepareLibrary();
  // Porphyry houses: defined at every latitude; MC and AS do not depend on the system.
  swe_houses_ex(jdUt, SEFLG_MOSEPH, latitude, longitude, 'O', cusps, ascmc);
  const double jdTt = jdUt + swe_deltat_ex(jdUt, SEFLG_MOSEPH, error);
  if (swe_calc(jdTt, SE_ECL_NUT, SEFLG_MOSEPH, nutation, error) < 0) return std::nullopt;
  return SwissAngles{ascmc[SE_MC], ascmc[SE_ASC], ascmc[SE_ARMC], nutation[0], swe_sidtime(jdUt) * 15.0};
}

std::optional<SwissSidereal> SwissSiderealAt(double jdUt) {
  if (!SwissCoversJulianDay(jdUt)) return std::nullopt;
  double nutation[6] = {};
  char error[AS_MAXCH] = "";
  std::lock_guard guard(LibraryLock());
  PrepareLibrary();
  const double jdTt = jdUt + swe_deltat_ex(jdUt, SEFLG_MOSEPH, error);
  if (swe_calc(jdTt, SE_ECL_NUT, SEFLG_MOSEPH, nutation, error) < 0) return std::nullopt;
  return SwissSidereal{swe_sidtime(jdUt) * 15.0, nutation[0], nutation[2]};
}

double SwissDeltaTSeconds(double jdUt) {
  char error[AS_MAXCH] = "";
  std::lock_guard guard(LibraryLock());
  PrepareLibrary();
  return swe_deltat_ex(jdUt, SEFLG_MOSEPH, error) * 86400.0;
}

const char* SwissVersion() {
  static char version[AS_MAXCH] = "";
  std::lock_guard guard(LibraryLock());
  if (version[0] == '\0') swe_version(version);
  return version;
}

}  // namespace gyrolux
