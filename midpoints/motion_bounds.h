#pragma once

#include <array>

#include "engine/factors.h"
#include "midpoints/alarm_query.h"
#include "midpoints/watched_distance.h"

namespace gyrolux {

// How fast the factors' longitudes can move, for skipping search steps that cannot hit.
//
// Every longitude but GZ's is a function of the moment on the chart's time scale alone
// (Julian day plus time of day; MC and AS through the sidereal angle, which takes the
// time of day and the centuries in the same way), continuous as an angle: where a
// longitude wraps from 360 to 0, a midpoint with it moves by 180 degrees, which is 8
// times 22.5 and so the same position in the mode. GZ changes only with the calendar
// year; the searches never skip across a new year when it takes part.
//
// The bounds hold for the chart centuries kMotionFirstCenturies to kMotionLastCenturies
// (the years 1500 to 2300). Beyond them some planet corrections of the model grow without
// bound (Jupiter, Neptune and Pluto reach tens of degrees a day by the year 3000), so
// there every step is tested.
inline constexpr double kMotionFirstCenturies = -4.0;
inline constexpr double kMotionLastCenturies = 4.0;

// The largest motion of each longitude, degrees per day, by FactorId; MC (entry 0) and
// AS (entry 3) are given by MaxDailyMotion, WI does not move, GZ moves at new year only.
//
// The bodies' values come from sampling the engine over the whole range (the Sun, Moon
// and node every half hour, the planets every 3 hours): the largest difference quotient
// q of neighbouring samples and the largest change a of neighbouring quotients per day
// were taken; between the samples the rate cannot exceed q + h * a by more than a's own
// small change, and the table holds 1.1 * (q + h * a), rounded up. Sampled maxima:
// SO 1.0201, MO 15.400, KN 0.05295, ME 2.2030, VE 1.2589, MA 0.7913, JU 0.2424,
// SA 0.1305, UR 0.0632, NE 0.0488, PL 0.0405, CU 0.0276, HA 0.0221, ZE 0.0188,
// KR 0.0171, AP 0.0157, AD 0.0150, VU 0.0142, PO 0.0132.
inline constexpr std::array<double, kFactorCount> kMaxBodyDailyMotion = {
    0.0,     // MC: MaxDailyMotion
    0.0,     // WI
    1.13,    // SO
    0.0,     // AS: MaxDailyMotion
    17.0,    // MO
    0.0583,  // KN
    2.46,    // ME
    1.40,    // VE
    0.873,   // MA
    0.268,   // JU
    0.144,   // SA
    0.0697,  // UR
    0.0538,  // NE
    0.0447,  // PL
    0.0305,  // CU
    0.0244,  // HA
    0.0208,  // ZE
    0.0189,  // KR
    0.0174,  // AP
    0.0166,  // AD
    0.0158,  // VU
    0.0146,  // PO
    0.0,     // GZ: new year only
};

// The modern sky (ephemeris/) differs from the model by the bending of light passing the
// Sun: a body near conjunction shifts by up to kModernDeflection (sampled largest 4.45
// arc seconds, by the hypothetical factors passing behind the Sun's disk) within hours,
// which adds up to 0.1 degrees a day to its speed for a while. So a longitude is taken
// as a smooth part plus the bending and the fitting error (kModernFitError): the smooth
// part keeps the model's speeds, ME..PO with kModernSpeedAllowance added, and the model's
// accelerations times kModernAccelerationFactor (watched_stretch.h); the rest, at most
// bending plus fitting error either way, enters every bound as an offset that does not
// grow with the time (AlarmMotion::offset, WatchedStretch). The sidereal angle
// and the true obliquity carry the nutation: their second derivatives stay below
// kModernSiderealAcceleration and kModernObliquityAcceleration (sampled 2.16e-5 and
// 1.03e-5 degrees a day squared), except that the library's sidereal time steps where it
// changes its model, by 0.1 arc seconds on 1 January 1850 and by 1.85 on 1 January 2050:
// kModernSiderealStep allows for one step (a stretch lasts days). The bounds hold from 1600, where the modern sky begins, to the end of
// the range above.
inline constexpr double kModernSpeedAllowance = 0.005;
inline constexpr double kModernDeflection = 5.0 / 3600.0;
inline constexpr double kModernFitError = 0.002 / 3600.0;
inline constexpr double kModernSiderealAcceleration = 3.3e-5;
inline constexpr double kModernObliquityAcceleration = 1.6e-5;
inline constexpr double kModernSiderealStep = 2.5 / 3600.0;
// Whether the light bending and the speed allowance apply to a factor (ME..PO).
inline constexpr bool BendsNearTheSun(int factor) { return factor >= ME && factor <= PO; }
// How far the rest (bending and fitting error) can change a factor's longitude between
// any two moments in the modern sky.
inline constexpr double ModernRestChange(int factor) {
  return factor == MC || factor == AS ? 0.0 : 2.0 * ((BendsNearTheSun(factor) ? kModernDeflection : 0.0) + kModernFitError);
}

// No longitude of the engine lies below this. All are 0 up to about 360, except that the
// Sun and the Moon are raised into that range once, before their last small terms are
// known to be added: the Sun can stay below 0 by at most the sum of its perturbation,
// long-period, nutation and aberration terms (93 arc seconds, 0.026 degrees), the Moon by
// its nutation (19 arc seconds).
inline constexpr double kLowestLongitude = -0.1;

// Degrees per day, for a moment within the range above and the given geographic
// latitude; +infinity when no bound holds (AS near the polar circles and beyond).
double MaxDailyMotion(int factor, double latitude, Ephemeris sky = Ephemeris::Model);

// Whether the factor moves when the calendar year changes (GZ).
bool MovesAtNewYear(int factor);

// The largest change of the hit test's distance over one regular step, in degrees: half
// the sum of the motions of A, B (and C, D), where a factor on both sides of a picture
// cancels. It is split into the share of the angles MC and AS, which are cheap to
// compute exactly at any moment (+infinity when AS has no bound), and that of the other
// factors. In the modern sky d may change by offset on top, however short the time.
// The query must be valid.
struct AlarmMotion {
  double angles = 0.0;
  double bodies = 0.0;
  double offset = 0.0;
  FactorMask angleFactors = 0;  // MC and AS where they count
  double Total() const { return angles + bodies; }
};
AlarmMotion WatchMotionPerStep(const Watch& watch, double latitude, Ephemeris sky = Ephemeris::Model);
AlarmMotion AlarmMotionPerStep(const AlarmQuery& query, double latitude);

// Whether any of the watched factors moves at a new year.
bool WatchMovesAtNewYear(const Watch& watch);
bool AlarmMovesAtNewYear(const AlarmQuery& query);

}  // namespace gyrolux
