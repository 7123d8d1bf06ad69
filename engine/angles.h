#pragma once

#include <cmath>

#include "engine/dial_mode.h"

namespace gyrolux {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;

// Angle reductions. Mod22_5, Mod30 and Mod360 truncate toward zero and so keep the sign
// of a negative argument; ModPositive gives 0 up to below m.
inline double Mod22_5(double x) { return kMode22_5.Reduce(x); }
inline double Mod30(double x) { return x - std::trunc(x / 30.0) * 30.0; }
inline double Mod360(double x) { return x - std::trunc(x / 360.0) * 360.0; }
inline double ModPositive(double x, double m) {
  const double q = x / m;
  double r = (q - std::trunc(q)) * m;
  if (r < 0.0) r += m;
  // A fraction just below 1, or a tiny negative one raised by m, can round to m itself;
  // that is the same angle as 0 and must not leave the range.
  if (r >= m) r = 0.0;
  return r;
}

inline double DegToRad(double x) { return x * 0.017453292519943295; }
inline double RadToDeg(double x) { return x * 57.29577951308232; }
inline double SinDeg(double x) { return std::sin(kPi * x / 180.0); }
inline double CosDeg(double x) { return std::cos(kPi * x / 180.0); }
inline double TanRad(double x) { return std::sin(x) / std::cos(x); }

struct RectPoint {
  double x;
  double y;
};
struct PolarPoint {
  double r;
  double angle;  // radians, 0 up to below 2 pi
};

// An angle of exactly 0 is replaced by 1.75453e-09 before cos and sin are taken.
RectPoint PolarToRect(double angle, double r);
// A y of exactly 0 is replaced by 1.754533e-09, so (-1, 0) has the angle pi.
PolarPoint RectToPolar(double x, double y);

// The planet model's own pair: the same, with 1.7e-09 as the replacement in both.
inline constexpr double kPlanetZeroReplacement = 1.7e-09;
RectPoint PlanetPolarToRect(double angle, double r);
PolarPoint PlanetRectToPolar(double x, double y);
// The angle of PlanetRectToPolar alone.
double PlanetPolarAngle(double x, double y);

}  // namespace gyrolux
