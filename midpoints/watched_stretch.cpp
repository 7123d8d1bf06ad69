#include "midpoints/watched_stretch.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/angles.h"
#include "midpoints/motion_bounds.h"

namespace gyrolux {

namespace {

constexpr double kDegreesPerRadian = 180.0 / std::numbers::pi;

// The closed forms below and the engine's own computation of the angles (through
// PolarToRect and RectToPolar, with their replacements of an exact 0 by 1.75e-9) differ
// by far less than this; it also covers the rounding of the interpolated sidereal angle.
constexpr double kClosedFormError = 2e-6;

// As in the evaluator: the rounding between the computed and the bounded distances.
constexpr double kDistanceSafety = 1e-6;

// The obliquity over the range of the motion bounds, degrees.
constexpr double kLeastObliquity = 23.452294 - 0.0130125 * kMotionLastCenturies;
constexpr double kLargestObliquity = 23.452294 - 0.0130125 * kMotionFirstCenturies;

// Closer to the polar circle than this (cos e - |sin e tan p|) the ascendant turns too
// fast for the closed form's rounding to be bounded.
constexpr double kSmallestAscendantGap = 0.02;

// The largest |d^2 longitude / dt^2| of each body, degrees per day squared, by FactorId,
// from sampling the engine over the range of the motion bounds (the Sun, Moon and node
// every hour, the planets every 6 hours; the largest second difference times 1.5, which
// covers the acceleration between the samples, rounded up). Sampled maxima: SO 0.00066,
// MO 0.518, KN 0, ME 0.198, VE 0.0422, MA 0.0150, JU 0.0035, SA 0.0019, UR 0.00095,
// NE 0.00073, PL 0.00061, CU 0.00043, HA 0.00035, ZE 0.00030, KR 0.00027, AP 0.00025,
// AD 0.00024, VU 0.00023, PO 0.00021. MC and AS are not
// interpolated, WI and GZ do not move within a run.
constexpr std::array<double, kFactorCount> kMaxBodyDailyAcceleration = {
    0.0,     // MC
    0.0,     // WI
    0.0011,   // SO
    0.0,     // AS
    0.82,     // MO
    0.0001,   // KN
    0.30,     // ME
    0.064,    // VE
    0.023,    // MA
    0.0053,   // JU
    0.0029,   // SA
    0.0015,   // UR
    0.0011,   // NE
    0.00092,  // PL
    0.00064,  // CU
    0.00052,  // HA
    0.00045,  // ZE
    0.00041,  // KR
    0.00038,  // AP
    0.00036,  // AD
    0.00034,  // VU
    0.00032,  // PO
    0.0,     // GZ
};

double Positive360(double degrees) { return degrees - 360.0 * std::floor(degrees / 360.0); }

}  // namespace

double BodiesAcceleration(const FactorWeights& weights, Ephemeris sky) {
  double sum = 0.0;
  for (int factor = 0; factor < kFactorCount; ++factor) {
    sum += std::abs(weights[factor]) * kMaxBodyDailyAcceleration[factor];
  }
  return sky == Ephemeris::Swiss ? sum * kModernAccelerationFactor : sum;
}

AngleTerms::AngleTerms(double weightMc, double weightAs, double latitude, Ephemeris sky)
    : weightMc_(weightMc), weightAs_(weightAs) {
  const double p = DegToRad(latitude);
  sinLatitude_ = std::sin(p);
  cosLatitude_ = std::cos(p);
  tanLatitude_ = std::tan(p);
  if (weightAs_ == 0.0) return;
  if (!(std::abs(latitude) < 89.0)) {
    usable_ = false;
    return;
  }
  // a = sin e tan p against b = cos e, over the obliquities of the range.
  for (const double e : {DegToRad(kLeastObliquity), DegToRad(kLargestObliquity)}) {
    const double gap = std::cos(e) - std::abs(std::sin(e) * tanLatitude_);
    if (!(std::abs(gap) >= kSmallestAscendantGap)) usable_ = false;
    if (gap < 0.0) ascendantTurns_ = true;
  }
  if (ascendantTurns_ && sky == Ephemeris::Swiss) usable_ = false;
  if (ascendantTurns_) {
    // Both ends of the range on the same side of the polar circle.
    for (const double e : {DegToRad(kLeastObliquity), DegToRad(kLargestObliquity)}) {
      if (!(std::cos(e) - std::abs(std::sin(e) * tanLatitude_) < 0.0)) usable_ = false;
    }
  }
}

// MC = atan2(sin theta, cos theta cos e); AS = 90 degrees + atan2(sin theta cos p cos e +
// sin p sin e, cos theta cos p), the zenith's longitude turned on by a quadrant.
AngleTerms::Angles AngleTerms::At(double theta, double obliquity) const {
  return At(theta, std::cos(obliquity), std::sin(obliquity));
}

AngleTerms::Angles AngleTerms::At(double theta, double cosE, double sinE) const {
  Angles angles;
  if (!Active()) return angles;
  const double s = std::sin(theta);
  const double c = std::cos(theta);
  if (weightMc_ != 0.0) angles.mc = std::atan2(s, c * cosE) * kDegreesPerRadian;
  if (weightAs_ != 0.0) {
    const double y = s * cosLatitude_ * cosE + sinLatitude_ * sinE;
    angles.as = 90.0 + std::atan2(y, c * cosLatitude_) * kDegreesPerRadian;
  }
  return angles;
}

double AngleTerms::ObliquitySlope(double obliquity) const {
  double slope = std::abs(weightMc_) * 0.5;
  if (weightAs_ != 0.0) {
    const double gap = std::cos(obliquity) - std::abs(std::sin(obliquity) * tanLatitude_);
    slope += std::abs(weightAs_) * (1.0 + std::abs(tanLatitude_)) / (gap * gap);
  }
  return slope;
}

// d MC / d theta <= 1 / cos e, d AS / d theta <= 1 / (cos e - |sin e tan p|)
// (motion_bounds.cpp), both largest at the largest obliquity.
double AngleTerms::SiderealSlope() const {
  const double e = DegToRad(kLargestObliquity);
  double slope = weightMc_ != 0.0 ? std::abs(weightMc_) / std::cos(e) : 0.0;
  if (weightAs_ != 0.0) slope += std::abs(weightAs_) / std::abs(std::cos(e) - std::abs(std::sin(e) * tanLatitude_));
  return slope;
}

// MC grows with theta (d MC / d theta >= cos e). So does AS this side of the polar
// circle; beyond it AS swings back and forth without a wrap, turning where sin theta =
// -cos e / (sin e tan p), and between its turns it is monotonic. The obliquity moves
// both by at most 1/2 (MC) and (1 + |tan p|) / (cos e - |sin e tan p|)^2 (AS) times its
// own change.
std::pair<double, double> AngleTerms::RangeBetween(double thetaFrom, const Angles& from, double thetaTo,
                                                   const Angles& to, double obliquityFrom,
                                                   double obliquityTo) const {
  double low = 0.0;
  double high = 0.0;
  const auto add = [&](double weight, double a, double b) {  // the term's change from 0 ranges over a..b
    low += std::min(weight * a, weight * b);
    high += std::max(weight * a, weight * b);
  };
  const double span = thetaTo - thetaFrom;
  if (weightMc_ != 0.0) add(weightMc_, 0.0, Positive360(to.mc - from.mc));
  if (weightAs_ != 0.0) {
    const double e = (obliquityFrom + obliquityTo) / 2.0;
    const double a = std::sin(e) * tanLatitude_;
    const double b = std::cos(e);
    if (!ascendantTurns_) {
      add(weightAs_, 0.0, Positive360(to.as - from.as));
    } else {
      double least = std::min(from.as, to.as);
      double most = std::max(from.as, to.as);
      const double first = std::asin(-b / a);
      for (const double turn : {first, std::numbers::pi - first}) {
        double offset = std::fmod(turn - thetaFrom, kTwoPi);
        if (offset < 0.0) offset += kTwoPi;
        if (offset <= span) {
          const double value = At(thetaFrom + offset, e).as;
          least = std::min(least, value);
          most = std::max(most, value);
        }
      }
      add(weightAs_, least - from.as, most - from.as);
    }
  }
  const double margin = ObliquitySlope((obliquityFrom + obliquityTo) / 2.0) *
                            std::abs(obliquityTo - obliquityFrom) * kDegreesPerRadian * 1.01 +
                        kClosedFormError;
  return {low - margin, high + margin};
}

WatchedStretch::WatchedStretch(const Watch& watch, const AngleTerms& angles, const End& from, const End& to,
                               Ephemeris sky)
    : width_(watch.mode.Width()), angles_(angles), days0_(from.days) {
  const ChartState& s0 = from.chart->state;
  const ChartState& s1 = to.chart->state;
  const double days = to.days - from.days;
  // The sidereal angle grows by 360.98565 degrees a day; the interpolation takes the
  // whole turns from that and the rest from the two exact angles.
  const double expected = kTwoPi * (360.98564736629 / 360.0) * days;
  theta0_ = s0.ramc;
  thetaRate_ = days > 0.0 ? (expected + std::remainder(s1.ramc - s0.ramc - expected, kTwoPi)) / days : 0.0;
  obliquity0_ = -s0.negObliquity;
  obliquityRate_ = days > 0.0 ? (s0.negObliquity - s1.negObliquity) / days : 0.0;

  const FactorWeights weights = NetWeights(watch);
  bodies0_ = 0.0;
  double change = 0.0;
  for (int factor = 0; factor < kFactorCount; ++factor) {
    if (weights[factor] == 0.0 || factor == MC || factor == AS) continue;
    bodies0_ += weights[factor] * s0.factorLongitude[factor];
    change += weights[factor] * std::remainder(s1.factorLongitude[factor] - s0.factorLongitude[factor], 360.0);
  }
  bodiesRate_ = days > 0.0 ? change / days : 0.0;
  constant_ = from.offset - angles_.Sum(angles_.At(theta0_, obliquity0_)) - bodies0_;
  // The estimates take the obliquity of the middle of the stretch.
  const double middle = obliquity0_ + obliquityRate_ * days / 2.0;
  cosObliquity_ = std::cos(middle);
  sinObliquity_ = std::sin(middle);
  const double obliquityError =
      angles_.Active() ? angles_.ObliquitySlope(middle) * std::abs(obliquityRate_ * days / 2.0) * kDegreesPerRadian * 1.01
                       : 0.0;
  pointError_ = BodiesAcceleration(weights, sky) * days * days / 8.0 + obliquityError + kClosedFormError + kDistanceSafety;
  if (sky == Ephemeris::Swiss) {
    // A longitude less its light bending and fitting error is smooth within the modern
    // accelerations; that rest is at most the bending plus the fitting error at the
    // moment and at either end, so its interpolation errs by twice that at most. The
    // angles are interpolated from the fitted sidereal angle and obliquity, whose nutation
    // bends them by their acceleration times days^2 / 8, fitting error twice.
    for (int factor = 0; factor < kFactorCount; ++factor) pointError_ += std::abs(weights[factor]) * ModernRestChange(factor);
    if (angles_.Active()) {
      const double curve = days * days / 8.0;
      pointError_ += (angles_.SiderealSlope() * (kModernSiderealAcceleration * curve + 2.0 * kModernFitError + kModernSiderealStep) +
                      angles_.ObliquitySlope(middle) * (kModernObliquityAcceleration * curve + 2.0 * kModernFitError)) *
                     1.01;
    }
  }

  // A position falls below 0 only through a Sun or Moon below 0 (kLowestLongitude): not
  // while that stays clear of 0 and 360 however fast it moves.
  for (const WatchedPosition* position : {&watch.first, &watch.second}) {
    if (position->fixed) continue;
    for (const int factor : position->factors) {
      if (factor != SO && factor != MO) continue;
      const double reach = kMaxBodyDailyMotion[factor] * days - kLowestLongitude;
      const double longitude = s0.factorLongitude[factor];
      if (!(longitude > reach && longitude < 360.0 - reach)) mayGoNegative_ = true;
    }
  }
}

WatchedStretch::Estimate WatchedStretch::At(double days) const {
  const double dt = days - days0_;
  Estimate e;
  e.days = days;
  e.theta = theta0_ + thetaRate_ * dt;
  e.obliquity = obliquity0_ + obliquityRate_ * dt;
  e.angles = angles_.At(e.theta, cosObliquity_, sinObliquity_);
  e.offset = angles_.Sum(e.angles) + bodies0_ + bodiesRate_ * dt + constant_;
  return e;
}

double WatchedStretch::CircularOffset(double offset) const {
  return std::abs(offset - width_ * std::nearbyint(offset / width_));
}

bool WatchedStretch::ClearAt(const Estimate& e, double floor) const {
  return CircularOffset(e.offset) > floor + pointError_;
}

bool WatchedStretch::ClearBetween(const Estimate& a, const Estimate& b, double floor, double& span) const {
  double low = 0.0;
  double high = 0.0;
  span = HUGE_VAL;
  if (angles_.Active()) {
    if (!(b.theta - a.theta < kTwoPi - 1e-9)) return false;
    std::tie(low, high) = angles_.RangeBetween(a.theta, a.angles, b.theta, b.angles, a.obliquity, b.obliquity);
  }
  const double bodies = bodiesRate_ * (b.days - a.days);
  low += std::min(0.0, bodies);
  high += std::max(0.0, bodies);
  span = high - low;
  const double reach = floor + pointError_;
  const double from = a.offset + low - reach;
  const double to = a.offset + high + reach;
  // No position of the other side (a multiple of the width) within from..to.
  return std::ceil(from / width_) * width_ > to;
}

}  // namespace gyrolux
