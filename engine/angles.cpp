#include "engine/angles.h"

#include <cmath>

namespace gyrolux {

namespace {

// x - Int(x / m) * m: the remainder that keeps the sign of x.
double SignedRemainder(double x, double m) { return x - std::trunc(x / m) * m; }

// The angle of (x, y) from 0 up to below 2 pi; y is already replaced when it was 0.
double QuadrantAngle(double x, double y) {
  double angle = std::atan(y / x);
  if (angle < 0.0) angle += kPi;
  if (y < 0.0) angle += kPi;
  return angle;
}

PolarPoint RectToPolarWith(double x, double y, double zeroReplacement) {
  if (y == 0.0) y = zeroReplacement;
  return {std::sqrt(x * x + y * y), QuadrantAngle(x, y)};
}

RectPoint PolarToRectWith(double angle, double r, double zeroReplacement) {
  if (angle == 0.0) angle = zeroReplacement;
  return {std::cos(angle) * r, std::sin(angle) * r};
}

}  // namespace

double Mod22_5(double x) { return x - std::trunc(x * 10.0 / 225.0) * 22.5; }
double Mod30(double x) { return SignedRemainder(x, 30.0); }
double Mod360(double x) { return SignedRemainder(x, 360.0); }

double ModPositive(double x, double m) {
  const double q = x / m;
  double r = (q - std::trunc(q)) * m;
  if (r < 0.0) r += m;
  // A fraction just below 1, or a tiny negative one raised by m, can round to m itself;
  // that is the same angle as 0 and must not leave the range.
  if (r >= m) r = 0.0;
  return r;
}

double DegToRad(double x) { return x * 0.017453292519943295; }
double RadToDeg(double x) { return x * 57.29577951308232; }
double SinDeg(double x) { return std::sin(kPi * x / 180.0); }
double CosDeg(double x) { return std::cos(kPi * x / 180.0); }
double TanRad(double x) { return std::sin(x) / std::cos(x); }

RectPoint PolarToRect(double angle, double r) { return PolarToRectWith(angle, r, 1.75453e-09); }
PolarPoint RectToPolar(double x, double y) { return RectToPolarWith(x, y, 1.754533e-09); }

RectPoint PlanetPolarToRect(double angle, double r) {
  return PolarToRectWith(angle, r, kPlanetZeroReplacement);
}
PolarPoint PlanetRectToPolar(double x, double y) {
  return RectToPolarWith(x, y, kPlanetZeroReplacement);
}

double PlanetPolarAngle(double x, double y) {
  if (y == 0.0) y = kPlanetZeroReplacement;
  return QuadrantAngle(x, y);
}

}  // namespace gyrolux
