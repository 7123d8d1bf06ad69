#pragma once

#include <cstdint>

#include "engine/planet_elements.h"

namespace gyrolux {

struct Vector3 {
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
};

// The Earth's heliocentric position and its velocity with the sign inverted, from the
// Earth's pass; every other body is seen from there.
struct EarthState {
  Vector3 position;
  Vector3 invertedVelocity;
  bool retrograde = false;  // the heliocentric flag of the Earth (entry 2)
};

struct BodyResult {
  double longitude;  // geocentric, with the light-time term, 0 up to below 360
  bool retrograde;   // the geocentric longitude decreases
};

// The Earth's pass (body 2, the first of the element table).
EarthState ComputeEarth(double centuriesT);

// Body number 6..21 seen from the Earth.
BodyResult ComputeBody(const BodyElements& body, double centuriesT, const EarthState& earth);

// The elements of body number 2 or 6..21.
const BodyElements& ElementsOfBody(int number);

}  // namespace gyrolux
