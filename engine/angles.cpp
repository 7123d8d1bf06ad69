#include "engine/angles.h"

#include <cmath>

namespace gyrolux {

namespace {

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
