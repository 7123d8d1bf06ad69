#pragma once

namespace gyrolux {

inline constexpr double kPi = 3.141592653589793;
inline constexpr double kTwoPi = 6.283185307179586;
inline constexpr double kHalfPi = 1.5707963267948966;

// Angle reductions. Mod22_5, Mod30 and Mod360 truncate toward zero and so keep the sign
// of a negative argument; ModPositive gives 0 up to below m.
double Mod22_5(double x);
double Mod30(double x);
double Mod360(double x);
double ModPositive(double x, double m);

double DegToRad(double x);
double RadToDeg(double x);
double SinDeg(double x);
double CosDeg(double x);
double TanRad(double x);

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
