#include "engine/planets.h"

#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/series_trig.h"

namespace gyrolux {

namespace {

constexpr double kGaussConstant = 0.0172021;  // radians per day at 1 AU
constexpr double kLightDaysPerAu = 0.0057683;

// Cosine and sine of an angle given in degrees; the angle 0 of the circular orbits
// needs neither function.
struct Turn {
  double c = 1.0;
  double s = 0.0;
};
Turn TurnOfDegrees(double degrees) {
  if (degrees == 0.0) return {};
  const SineCosine k = SinCosOfDegrees(degrees);
  return {k.cos, k.sin};
}

// The rotations from the orbit plane into the ecliptic: by the perihelion argument in
// the plane, by the inclination about the line of nodes, and by the node about the
// ecliptic pole. Taken as the polar form turned by each angle, a coordinate of exactly
// 0 counts as 1.7e-09 (the zero replacement of the planet model), and the inclination
// always turns the vector (y, 1.7e-09).
struct OrbitRotation {
  Turn perihelion;
  Turn inclination;
  Turn node;

  bool IsIdentity() const {
    return perihelion.s == 0.0 && inclination.s == 0.0 && node.s == 0.0 && perihelion.c == 1.0 &&
           inclination.c == 1.0 && node.c == 1.0;
  }

  Vector3 Apply(double x, double y) const {
    if (y == 0.0) y = kPlanetZeroReplacement;
    // The circular orbits in the ecliptic turn by nothing; the products by 1 and 0 below
    // give the same values for every finite x and y (at most the sign of a zero differs).
    if (IsIdentity() && std::isfinite(x) && std::isfinite(y)) return {x, y, kPlanetZeroReplacement};
    const double x1 = x * perihelion.c - y * perihelion.s;
    const double y1 = x * perihelion.s + y * perihelion.c;
    double y2 = y1 * inclination.c - kPlanetZeroReplacement * inclination.s;
    const double z = y1 * inclination.s + kPlanetZeroReplacement * inclination.c;
    if (y2 == 0.0) y2 = kPlanetZeroReplacement;
    return {x1 * node.c - y2 * node.s, x1 * node.s + y2 * node.c, z};
  }
};

// One correction quantity in AU, summed in radians as the table's units are converted.
double CorrectionValue(const CorrectionQuantity& q, double t) {
  // The cosines two at a time (an odd count leaves a spare lane), then the sum in order.
  std::array<double, kMaxCorrectionTerms + 1> argument{};
  std::array<double, kMaxCorrectionTerms + 1> cosine{};
  for (int i = 0; i < q.termCount; ++i) argument[i] = q.terms[i].rate * t + q.terms[i].phase;
  for (int i = 0; i < q.termCount; i += 2) CosOfDegreesPair(&argument[i], &cosine[i]);
  double sum = DegToRad(q.polynomial.At(t));
  for (int i = 0; i < q.termCount; ++i) sum += DegToRad(q.terms[i].amplitude) * cosine[i];
  return RadToDeg(sum);
}

// The heliocentric position and velocity of a body in ecliptic coordinates.
struct Heliocentric {
  Vector3 position;
  Vector3 velocity;
};

Heliocentric ComputeHeliocentric(const BodyElements& body, double t) {
  const double m = ModPositive(DegToRad(body.meanAnomaly.At(t)), kTwoPi);
  const double e = RadToDeg(DegToRad(body.eccentricity.At(t)));
  // A circular orbit keeps E = M through the five Kepler rounds.
  KeplerSolution kepler{m, 0.0, 0.0};
  if (e != 0.0) {
    kepler = FiveKeplerRounds(m, e);
  } else {
    const SineCosine k = SinCosOfRadians(m);
    kepler.sinE = k.sin;
    kepler.cosE = k.cos;
  }
  const double a = body.semiMajorAxis;
  const double sinE = kepler.sinE;
  const double cosE = kepler.cosE;
  const double eDot = kGaussConstant / ((1.0 - e * cosE) * std::sqrt(a * a * a));
  const double shape = std::sqrt(1.0 - e * e);
  const OrbitRotation rotation{TurnOfDegrees(body.perihelion.At(t)),
                               TurnOfDegrees(body.inclination.At(t)),
                               TurnOfDegrees(body.node.At(t))};
  Heliocentric h;
  h.velocity = rotation.Apply(-a * eDot * sinE, a * eDot * shape * cosE);
  h.position = rotation.Apply(a * (cosE - e), a * sinE * shape);
  if (body.quantityCount > 0) {
    h.position.y += CorrectionValue(body.quantities[0], t);
    h.position.x += CorrectionValue(body.quantities[1], t);
    if (body.quantityCount > 2) h.position.z += CorrectionValue(body.quantities[2], t);
  }
  return h;
}

}  // namespace

const BodyElements& ElementsOfBody(int number) {
  const int index = number <= 2 ? 0 : number - 5;
  return kPlanetElements.bodies[index < kBodyCount ? index : 0];
}

EarthState ComputeEarth(double t) {
  const Heliocentric h = ComputeHeliocentric(kPlanetElements.bodies[0], t);
  EarthState earth;
  earth.position = h.position;
  earth.invertedVelocity = {-h.velocity.x, -h.velocity.y, -h.velocity.z};
  const Vector3& p = h.position;
  const double rate = (p.x * h.velocity.y - p.y * h.velocity.x) / (p.x * p.x + p.y * p.y);
  earth.retrograde = rate < 0.0;
  return earth;
}

BodyResult ComputeBody(const BodyElements& body, double t, const EarthState& earth) {
  const Heliocentric h = ComputeHeliocentric(body, t);
  const double gx = h.velocity.x + earth.invertedVelocity.x;
  const double gy = h.velocity.y + earth.invertedVelocity.y;
  const double x = h.position.x - earth.position.x;
  const double y = h.position.y - earth.position.y;
  const double z = h.position.z - earth.position.z;
  // Rate of change of the geocentric longitude, radians per day.
  const double rate = (x * gy - y * gx) / (x * x + y * y);
  const double lightTime = std::sqrt(x * x + y * y + z * z) * kLightDaysPerAu * RadToDeg(rate);
  const double lambda = RadToDeg(PlanetPolarAngle(x, y)) + lightTime;
  return {ModPositive(lambda, 360.0), rate < 0.0};
}

}  // namespace gyrolux
