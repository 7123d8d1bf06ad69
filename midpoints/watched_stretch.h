#pragma once

#include <array>
#include <utility>

#include "engine/chart_core.h"
#include "midpoints/watched_distance.h"

namespace gyrolux {

// The watched offset p - q between two moments whose charts are known exactly, without
// computing the charts in between: the angles MC and AS in closed form from the sidereal
// angle, which moves uniformly with the time, and the bodies' part of the sum
// interpolated linearly, within the bound their largest acceleration sets. It decides
// which moments certainly give no hit, and so which ones the search must test.
//
// Time runs in days (`DaysAt` of the moment sequence); it must be the chart's time scale
// up to a constant between the two charts (a run of regular steps).
class AngleTerms {
 public:
  AngleTerms() = default;
  // In the modern sky the ascendant beyond the polar circle is the horizon point east of
  // the meridian, which jumps rather than turning back: there the closed form is not used.
  AngleTerms(double weightMc, double weightAs, double latitude, Ephemeris sky = Ephemeris::Model);

  bool Active() const { return weightMc_ != 0.0 || weightAs_ != 0.0; }
  // Whether the closed form bounds the angles here: not where the ascendant turns
  // arbitrarily fast (near the polar circles).
  bool Usable() const { return usable_; }

  // The two angles at the sidereal angle theta (radians) and obliquity e (radians), in
  // degrees; MC continuous over a turn apart from its wrap, AS likewise or, where it
  // turns back (beyond the polar circles), continuous without a wrap. sin and cos keep
  // the sidereal angle's sine and cosine.
  struct Angles {
    double mc = 0.0;
    double as = 0.0;
    double sin = 0.0;
    double cos = 1.0;
  };
  Angles At(double theta, double obliquity) const;

  // One obliquity held for a stretch, with what the ranges below need of it.
  struct Frame {
    double cosObliquity = 1.0;
    double sinObliquity = 0.0;
    std::array<double, 2> turns{};  // beyond the polar circle: where AS turns back, 0..2 pi
  };
  Frame FrameAt(double obliquity) const;
  Angles At(double theta, const Frame& frame) const;
  // How much the weighted sum can change per radian of obliquity, at most.
  double ObliquitySlope(double obliquity) const;
  // The same per radian of the sidereal angle, over the range's obliquities.
  double SiderealSlope() const;
  double Sum(const Angles& angles) const { return weightMc_ * angles.mc + weightAs_ * angles.as; }
  // d Sum / d theta at the given angles, degrees per radian.
  double SumRate(const Angles& angles, const Frame& frame) const;

  // The least and largest weighted sum at the frame's obliquity while theta runs from
  // `from` to `to` (radians, at most one turn on), relative to Sum(at from).
  std::pair<double, double> RangeBetween(double thetaFrom, const Angles& from, double thetaTo, const Angles& to,
                                         const Frame& frame) const;

 private:
  double weightMc_ = 0.0;
  double weightAs_ = 0.0;
  double sinLatitude_ = 0.0;
  double cosLatitude_ = 1.0;
  double tanLatitude_ = 0.0;
  bool usable_ = true;
  bool ascendantTurns_ = false;  // beyond the polar circle
};

// One stretch between two exactly computed moments.
class WatchedStretch {
 public:
  struct End {
    double days;            // DaysAt of the moment
    const ChartResult* chart;
    double offset;          // WatchedOffset of the exact longitudes
  };
  // In the modern sky (sky Swiss) the estimate's error bound covers its light bending,
  // fitting error and nutation (motion_bounds.h).
  WatchedStretch(const Watch& watch, const AngleTerms& angles, const End& from, const End& to,
                 Ephemeris sky = Ephemeris::Model);

  // An estimate of the offset at a moment between the two ends, and the bound of its
  // error at that moment alone.
  struct Estimate {
    double offset;
    AngleTerms::Angles angles;
    double theta;
    double days;
  };
  Estimate At(double days) const;
  // How fast the estimate moves there, degrees per day.
  double RateAt(const Estimate& e) const;
  double PointError() const { return pointError_; }

  // Whether every moment between the two estimates (both included) certainly keeps a
  // circular distance of more than `floor` from the other position.
  bool ClearBetween(const Estimate& a, const Estimate& b, double floor) const;
  bool ClearAt(const Estimate& e, double floor) const;
  // The distance of an offset from the nearest whole multiple of the clearance width (an
  // estimate's circular distance; rounded like one).
  double CircularOffset(double offset) const;

  // Whether a position can fall below 0 within the stretch (a midpoint of the Sun or Moon
  // when that stands near 0): only then can d exceed the mode's width.
  bool MayGoNegative() const { return mayGoNegative_; }

 private:
  double width_;  // ClearanceWidth of the mode
  const AngleTerms& angles_;
  double days0_;
  double theta0_;
  double thetaRate_;
  double obliquity0_;
  double obliquityRate_;
  double bodies0_;
  double bodiesRate_;
  double constant_;
  double pointError_;
  AngleTerms::Frame frame_;  // at the middle of the stretch: the obliquity's change over it
                             // is part of pointError_
  bool mayGoNegative_ = false;
};

// The largest |second derivative| of the bodies' weighted sum, degrees per day squared;
// in the modern sky without the light bending (motion_bounds.h), which adds up to a
// quarter to the model's sampled values (HA: 0.00036 against 0.00035).
inline constexpr double kModernAccelerationFactor = 1.25;
double BodiesAcceleration(const FactorWeights& weights, Ephemeris sky = Ephemeris::Model);

}  // namespace gyrolux
