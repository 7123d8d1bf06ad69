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

// The estimates evaluate the closed forms millions of times per century, so they take
// their own sine, cosine and arctangent, cheaper than the C library's and within 1e-11
// radians of the true values, which the closed-form error above covers many times over
// (the tests hold the closed forms against the engine's angles).
//
// sin and cos by their series up to the 13th and 14th power after reducing to a
// quadrant's half either way of 0 (remainders below 2e-14).
struct SinCos {
  double sin;
  double cos;
};
SinCos FastSinCos(double x) {
  constexpr double kHalfPiHigh = 1.5707963267948966;
  constexpr double kHalfPiLow = 6.123233995736766e-17;
  const double n = std::nearbyint(x * (2.0 / std::numbers::pi));
  const double r = (x - n * kHalfPiHigh) - n * kHalfPiLow;
  const double r2 = r * r;
  // Horner over the series' coefficients 1/3!, 1/5!, ... and 1/2!, 1/4!, ... with signs.
  constexpr double kSine[] = {-1.0 / 6.0,          1.0 / 120.0,          -1.0 / 5040.0,
                              1.0 / 362880.0,      -1.0 / 39916800.0,    1.0 / 6227020800.0};
  constexpr double kCosine[] = {-1.0 / 2.0,           1.0 / 24.0,             -1.0 / 720.0,       1.0 / 40320.0,
                                -1.0 / 3628800.0,     1.0 / 479001600.0,      -1.0 / 87178291200.0};
  double sinePart = kSine[5];
  for (int i = 4; i >= 0; --i) sinePart = kSine[i] + r2 * sinePart;
  double cosinePart = kCosine[6];
  for (int i = 5; i >= 0; --i) cosinePart = kCosine[i] + r2 * cosinePart;
  const double sine = r + r * r2 * sinePart;
  const double cosine = 1.0 + r2 * cosinePart;
  // The quadrant as a number 0..3 (a comparison, so that no value can make a cast fail).
  const double quadrant = n - 4.0 * std::floor(n / 4.0);
  if (quadrant == 0.0) return {sine, cosine};
  if (quadrant == 1.0) return {cosine, -sine};
  if (quadrant == 2.0) return {-sine, -cosine};
  return {-cosine, sine};
}

// atan2 in (-pi, pi]: the ratio of the smaller to the larger magnitude, above tan(pi/8)
// turned by pi/4, then a Chebyshev fit of atan(t) / t in t^2 (error below 9e-12).
double FastAtan2(double y, double x) {
  constexpr double kTanEighthPi = 0.41421356237309503;
  // Written as selections rather than branches: the signs and the octant fall at random.
  const double ax = std::abs(x);
  const double ay = std::abs(y);
  const double larger = std::max(ax, ay);
  if (larger == 0.0) return 0.0;
  const double ratio = std::min(ax, ay) / larger;
  const double turned = (ratio - 1.0) / (ratio + 1.0);
  const bool far = ratio > kTanEighthPi;
  const double t = far ? turned : ratio;
  const double u = t * t;
  double a = (far ? std::numbers::pi / 4.0 : 0.0) +
             t * (0.99999999997839877638 +
                  u * (-0.33333332097609385878 +
                       u * (0.19999883856551302778 +
                            u * (-0.14281588772654124125 +
                                 u * (0.11040489227218240327 +
                                      u * (-0.084561928869404960153 + u * 0.047073481419680201663))))));
  a = ay > ax ? std::numbers::pi / 2.0 - a : a;
  a = x < 0.0 ? std::numbers::pi - a : a;
  return std::copysign(a, y);
}

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
AngleTerms::Angles AngleTerms::At(double theta, double obliquity) const { return At(theta, FrameAt(obliquity)); }

AngleTerms::Angles AngleTerms::At(double theta, const Frame& frame) const {
  Angles angles;
  if (!Active()) return angles;
  const SinCos theta2 = FastSinCos(theta);
  const double s = theta2.sin;
  const double c = theta2.cos;
  angles.sin = s;
  angles.cos = c;
  if (weightMc_ != 0.0) angles.mc = FastAtan2(s, c * frame.cosObliquity) * kDegreesPerRadian;
  if (weightAs_ != 0.0) {
    const double y = s * cosLatitude_ * frame.cosObliquity + sinLatitude_ * frame.sinObliquity;
    angles.as = 90.0 + FastAtan2(y, c * cosLatitude_) * kDegreesPerRadian;
  }
  return angles;
}

// Beyond the polar circle AS turns where sin theta = -cos e / (sin e tan p).
AngleTerms::Frame AngleTerms::FrameAt(double obliquity) const {
  Frame frame;
  frame.cosObliquity = std::cos(obliquity);
  frame.sinObliquity = std::sin(obliquity);
  if (ascendantTurns_) {
    const double first = std::asin(-frame.cosObliquity / (frame.sinObliquity * tanLatitude_));
    for (int i = 0; i < 2; ++i) {
      const double turn = i == 0 ? first : std::numbers::pi - first;
      frame.turns[i] = turn - kTwoPi * std::floor(turn / kTwoPi);
    }
  }
  return frame;
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

// d MC / d theta = cos e / (cos^2 theta cos^2 e + sin^2 theta); d AS / d theta = (x y' -
// y x') / (x^2 + y^2) for AS = 90 degrees + atan2(y, x) as above.
double AngleTerms::SumRate(const Angles& angles, const Frame& frame) const {
  const double s = angles.sin;
  const double c = angles.cos;
  double rate = 0.0;
  if (weightMc_ != 0.0) {
    const double x = c * frame.cosObliquity;
    rate += weightMc_ * frame.cosObliquity / (x * x + s * s);
  }
  if (weightAs_ != 0.0) {
    const double y = s * cosLatitude_ * frame.cosObliquity + sinLatitude_ * frame.sinObliquity;
    const double x = c * cosLatitude_;
    rate += weightAs_ * (x * c * cosLatitude_ * frame.cosObliquity + y * s * cosLatitude_) / (x * x + y * y);
  }
  return rate * kDegreesPerRadian;
}

// MC grows with theta (d MC / d theta >= cos e). So does AS this side of the polar
// circle; beyond it AS swings back and forth without a wrap, and between its turns it
// is monotonic. The estimates hold the obliquity of their frame, so the range is that of
// the closed form at it; the obliquity's change is part of the estimates' point error.
std::pair<double, double> AngleTerms::RangeBetween(double thetaFrom, const Angles& from, double thetaTo,
                                                   const Angles& to, const Frame& frame) const {
  double low = 0.0;
  double high = 0.0;
  const auto add = [&](double weight, double a, double b) {  // the term's change from 0 ranges over a..b
    low += std::min(weight * a, weight * b);
    high += std::max(weight * a, weight * b);
  };
  const double span = thetaTo - thetaFrom;
  if (weightMc_ != 0.0) add(weightMc_, 0.0, Positive360(to.mc - from.mc));
  if (weightAs_ != 0.0) {
    if (!ascendantTurns_) {
      add(weightAs_, 0.0, Positive360(to.as - from.as));
    } else {
      double least = std::min(from.as, to.as);
      double most = std::max(from.as, to.as);
      const double start = thetaFrom - kTwoPi * std::floor(thetaFrom / kTwoPi);
      for (const double turn : frame.turns) {
        const double offset = turn >= start ? turn - start : turn - start + kTwoPi;
        if (offset <= span) {
          const double value = At(thetaFrom + offset, frame).as;
          least = std::min(least, value);
          most = std::max(most, value);
        }
      }
      add(weightAs_, least - from.as, most - from.as);
    }
  }
  return {low - kClosedFormError, high + kClosedFormError};
}

WatchedStretch::WatchedStretch(const Watch& watch, const AngleTerms& angles, const End& from, const End& to,
                               Ephemeris sky)
    : width_(ClearanceWidth(watch.mode)), angles_(angles), days0_(from.days) {
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
  frame_ = angles_.FrameAt(middle);
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
  e.angles = angles_.At(e.theta, frame_);
  e.offset = angles_.Sum(e.angles) + bodies0_ + bodiesRate_ * dt + constant_;
  return e;
}

double WatchedStretch::RateAt(const Estimate& e) const {
  return (angles_.Active() ? angles_.SumRate(e.angles, frame_) * thetaRate_ : 0.0) + bodiesRate_;
}

double WatchedStretch::CircularOffset(double offset) const {
  return std::abs(offset - width_ * std::nearbyint(offset / width_));
}

bool WatchedStretch::ClearAt(const Estimate& e, double floor) const {
  return CircularOffset(e.offset) > floor + pointError_;
}

bool WatchedStretch::ClearBetween(const Estimate& a, const Estimate& b, double floor) const {
  double low = 0.0;
  double high = 0.0;
  if (angles_.Active()) {
    if (!(b.theta - a.theta < kTwoPi - 1e-9)) return false;
    std::tie(low, high) = angles_.RangeBetween(a.theta, a.angles, b.theta, b.angles, frame_);
  }
  const double bodies = bodiesRate_ * (b.days - a.days);
  low += std::min(0.0, bodies);
  high += std::max(0.0, bodies);
  const double reach = floor + pointError_;
  const double from = a.offset + low - reach;
  const double to = a.offset + high + reach;
  // No position of the other side (a multiple of the width) within from..to.
  return std::ceil(from / width_) * width_ > to;
}

}  // namespace gyrolux
