#include "midpoints/motion_bounds.h"

#include <cmath>
#include <limits>

#include "engine/angles.h"
#include "midpoints/moment_sequence.h"

namespace gyrolux {

namespace {

constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The sidereal angle S = 15 (2400.051262 T + 6.646065556 + 2.5805e-05 T^2 + hours) +
// longitude grows by 360 degrees a day through the time of day and by 15 * 2400.051262 /
// 36525 = 0.985647 through the centuries (the square term adds below 1e-7 within the
// range): 360.985647 degrees a day, rounded up.
constexpr double kSiderealDegreesPerDay = 360.9857;

// The obliquity 23.452294 - 0.0130125 T is largest at the start of the range, and it
// changes by 0.0130125 / 36525 degrees a day.
constexpr double kLargestObliquity = 23.452294 - 0.0130125 * kMotionFirstCenturies;
constexpr double kObliquityDegreesPerDay = 0.0130125 / 36525.0;

// The angles move with the sidereal angle theta; the margin covers the rounding of the
// constants.
constexpr double kAngleMargin = 1.01;

// MC = atan2(sin theta, cos theta cos e): d MC / d theta = cos e / (cos^2 theta cos^2 e +
// sin^2 theta) <= 1 / cos e. Its change with e is sin theta cos theta sin e over the same
// denominator, at most tan e / (2 cos e) < 0.5 times the obliquity's.
double MaxMidheavenMotion() {
  const double e = DegToRad(kLargestObliquity);
  return kSiderealDegreesPerDay / std::cos(e) * kAngleMargin + 0.5 * kObliquityDegreesPerDay;
}

// AS = 90 degrees + the longitude of the zenith, atan2(sin theta cos e + tan p sin e,
// cos theta) for the latitude p. With a = sin e tan p, b = cos e and s = sin theta:
// d AS / d theta = (b + a s) / q(s), q(s) = 1 + a^2 + 2 a b s - sin^2 e s^2. For |a| < b
// this is at most 1 / (b - |a|), reached at s = -sign(a): for a >= 0,
// q(s) - (b + a s)(b - a) = (1 - s^2) sin^2 e + a (a + b)(1 + s) >= 0 on -1 <= s <= 1.
// q is concave, so q >= min(q(-1), q(1)) = (b - |a|)^2, and the change with e is at most
// (1 + |tan p|) / (b - |a|)^2 times the obliquity's. Near the polar circles b - |a|
// vanishes and the ascendant can turn arbitrarily fast.
constexpr double kSmallestAscendantDenominator = 0.02;

double MaxAscendantMotion(double latitude) {
  if (!(std::abs(latitude) < 89.0)) return kUnbounded;
  const double e = DegToRad(kLargestObliquity);
  const double tanLatitude = std::abs(std::tan(DegToRad(latitude)));
  const double denominator = std::cos(e) - std::sin(e) * tanLatitude;
  if (!(denominator >= kSmallestAscendantDenominator)) return kUnbounded;
  return kSiderealDegreesPerDay / denominator * kAngleMargin +
         (1.0 + tanLatitude) / (denominator * denominator) * kObliquityDegreesPerDay * kAngleMargin;
}

}  // namespace

// The angles' bounds hold for the modern sky as well: its sidereal angle runs faster than
// the model's by the nutation's rate (below 6e-5 degrees a day) and its obliquity changes
// by up to 2e-5 degrees a day, both far inside kAngleMargin.
double MaxDailyMotion(int factor, double latitude, Ephemeris sky) {
  if (factor == MC) return MaxMidheavenMotion();
  if (factor == AS) return MaxAscendantMotion(latitude);
  if (sky == Ephemeris::Swiss && BendsNearTheSun(factor)) return kMaxBodyDailyMotion[factor] + kModernSpeedAllowance;
  if (factor >= 0 && factor < kFactorCount) return kMaxBodyDailyMotion[factor];
  return 0.0;  // "--"
}

bool MovesAtNewYear(int factor) { return factor == GZ; }

// d is |p - q|, and p - q equals the weighted sum of the longitudes (NetWeights) up to
// multiples of the mode's width (a longitude's wrap by 360 adds 180 or 360). A factor on
// both sides cancels.
AlarmMotion WatchMotionPerStep(const Watch& watch, double latitude, Ephemeris sky) {
  const FactorWeights weights = NetWeights(watch);
  AlarmMotion motion;
  for (int factor = 0; factor < kFactorCount; ++factor) {
    if (weights[factor] == 0.0) continue;
    const double perStep = std::abs(weights[factor]) * MaxDailyMotion(factor, latitude, sky) * kRegularStepDays;
    if (sky == Ephemeris::Swiss) motion.offset += std::abs(weights[factor]) * ModernRestChange(factor);
    if (factor == MC || factor == AS) {
      motion.angles += perStep;
      motion.angleFactors |= FactorBit(factor);
    } else {
      motion.bodies += perStep;
    }
  }
  return motion;
}

AlarmMotion AlarmMotionPerStep(const AlarmQuery& query, double latitude) {
  return WatchMotionPerStep(WatchOf(query), latitude);
}

bool WatchMovesAtNewYear(const Watch& watch) {
  const FactorMask factors = WatchedFactors(watch);
  for (int factor = 0; factor < kFactorCount; ++factor) {
    if ((factors & FactorBit(factor)) && MovesAtNewYear(factor)) return true;
  }
  return false;
}

bool AlarmMovesAtNewYear(const AlarmQuery& query) { return WatchMovesAtNewYear(WatchOf(query)); }

}  // namespace gyrolux
