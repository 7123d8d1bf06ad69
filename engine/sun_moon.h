#pragma once

namespace gyrolux {

// The Sun's and Moon's mean elements of one moment, all in degrees, and the working
// values that the Moon and the node take from the Sun's computation.
struct SolarElements {
  double t;       // centuriesT
  double t2;      // T * T
  double lm;      // Moon's mean longitude (reduced, may be negative)
  double pm;      // longitude of the Moon's perigee
  double om;      // longitude of the Moon's mean ascending node
  double ls;      // Sun's mean longitude (reduced)
  double ms;      // Sun's mean anomaly with the long-period correction P1
  double e;       // eccentricity of the Earth's orbit
  double ts;      // Sun's true longitude
  double p1;      // long-period correction, degrees
  double dm;      // Moon's mean elongation (not reduced)
  double am;      // Moon's mean anomaly (not reduced)
  double nut;     // nutation in longitude, degrees
  double sinOm;   // SinDeg(om), shared by the nutation and the Moon
};

// The mean elements, the Sun's Kepler solution and the nutation.
SolarElements ComputeSolarElements(double centuriesT);

// SO: true longitude, P1, the perturbations by Venus, Mars, Jupiter, Saturn and the Moon,
// nutation and aberration. Raised into 0..360 from below only.
double SunLongitude(const SolarElements& el);

// MO: mean longitude with the 71 periodic terms, plus nutation, raised from below 0.
double MoonLongitude(const SolarElements& el);

// KN: the mean node, raised from below 0.
double NodeLongitude(const SolarElements& el);

}  // namespace gyrolux
