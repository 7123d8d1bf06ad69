#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace gyrolux {

// Sine and cosine by short polynomials, for the hot paths of the chart: the periodic
// terms of Sun, Moon and the outer planets, the rotations of the orbits and the five
// Kepler rounds of every orbit. The C library offers no batched or vector form without
// fast-math, and a call there costs about three times the polynomials below, which agree
// with it to rounding.

struct SineCosine {
  double sin;
  double cos;
};

inline constexpr double kSeriesLimit = 0.7854;

// sin r and cos r for |r| <= kSeriesLimit (radians), by the classical minimax
// polynomials of degree 13 and 14 for the quarter turn around 0 (error below 2^-58).
// Value is double or a vector of doubles: lane by lane the same operations.
template <typename Value>
inline void SeriesSinCosOf(Value r, Value& sinR, Value& cosR) {
  constexpr double s1 = -1.66666666666666324348e-01, s2 = 8.33333333332248946124e-03,
                   s3 = -1.98412698298579493134e-04, s4 = 2.75573137070700676789e-06,
                   s5 = -2.50507602534068634195e-08, s6 = 1.58969099521155010221e-10;
  constexpr double c1 = 4.16666666666666019037e-02, c2 = -1.38888888888741095749e-03,
                   c3 = 2.48015872894767294178e-05, c4 = -2.75573143513906633035e-07,
                   c5 = 2.08757232129817482790e-09, c6 = -1.13596475577881948265e-11;
  // Powers of r^2 taken in a tree keep the dependency chain short.
  const Value z = r * r;
  const Value z2 = z * z;
  const Value z4 = z2 * z2;
  const Value sinTail = (s1 + s2 * z) + z2 * (s3 + s4 * z) + z4 * (s5 + s6 * z);
  const Value cosTail = (c1 + c2 * z) + z2 * (c3 + c4 * z) + z4 * (c5 + c6 * z);
  sinR = r + (r * z) * sinTail;
  cosR = (1.0 - 0.5 * z) + z2 * cosTail;
}

inline SineCosine SeriesSinCos(double r) {
  SineCosine k;
  SeriesSinCosOf(r, k.sin, k.cos);
  return k;
}

// The whole number nearest to x, for |x| < 2^51 (adding and taking off 1.5 * 2^52
// rounds in the floating-point unit's own round-to-nearest mode).
inline double NearestWhole(double x) {
  constexpr double kShift = 6755399441055744.0;
  return (x + kShift) - kShift;
}

// The sine and cosine of r + q quarter turns: an odd q swaps the two, and the signs
// follow the quadrant. Done on the bits, so that the random quadrants of the periodic
// terms cost no mispredicted branches.
inline SineCosine TurnedByQuarters(SineCosine k, double q) {
  const uint64_t quarter = static_cast<uint64_t>(static_cast<int64_t>(q));
  const uint64_t swap = 0 - (quarter & 1);  // all ones for an odd q
  const uint64_t sinBits = std::bit_cast<uint64_t>(k.sin);
  const uint64_t cosBits = std::bit_cast<uint64_t>(k.cos);
  const uint64_t first = (cosBits & swap) | (sinBits & ~swap);
  const uint64_t second = (sinBits & swap) | (cosBits & ~swap);
  const uint64_t sinSign = (quarter & 2) << 62;        // quadrants 2 and 3
  const uint64_t cosSign = ((quarter + 1) & 2) << 62;  // quadrants 1 and 2
  return {std::bit_cast<double>(first ^ sinSign), std::bit_cast<double>(second ^ cosSign)};
}

// sin and cos of an angle in degrees. Quarter turns are taken off exactly (x - 90 q has
// no rounding error), so the result is as good for 500000 degrees as for 5.
inline SineCosine SinCosOfDegrees(double x) {
  if (!(std::fabs(x) < 1e12)) {
    const double r = x * 3.141592653589793 / 180.0;
    return {std::sin(r), std::cos(r)};
  }
  const double q = NearestWhole(x * (1.0 / 90.0));
  return TurnedByQuarters(SeriesSinCos((x - 90.0 * q) * 0.017453292519943295), q);
}

inline double CosOfDegrees(double x) { return SinCosOfDegrees(x).cos; }
inline double SinOfDegrees(double x) { return SinCosOfDegrees(x).sin; }

// sin and cos of an angle in radians. Quarter turns are taken off with pi / 2 split in
// two parts: the first has 33 significant bits, so q times it is exact for the q of any
// angle below 1e5, and x minus it is exact as well (the two lie within a factor 2).
inline SineCosine SinCosOfRadians(double x) {
  if (!(std::fabs(x) < 1e5)) return {std::sin(x), std::cos(x)};
  constexpr double kHalfPiHigh = 1.57079632673412561417e+00;
  constexpr double kHalfPiLow = 6.07710050650619224932e-11;
  const double q = NearestWhole(x * 0.63661977236758134308);
  const double r = (x - q * kHalfPiHigh) - q * kHalfPiLow;
  return TurnedByQuarters(SeriesSinCos(r), q);
}

// Two cosines of degrees at once, lane by lane the very operations of CosOfDegrees (so
// the same bits), in the two-lane vector type of the compiler.
inline void CosOfDegreesPair(const double x[2], double out[2]) {
  using Doubles = double __attribute__((vector_size(16)));
  using Bits = uint64_t __attribute__((vector_size(16)));
  constexpr double kShift = 6755399441055744.0;
  const Doubles v = {x[0], x[1]};
  // Adding the shift leaves the nearest whole number in the low bits of the sum.
  const Doubles shifted = v * (1.0 / 90.0) + kShift;
  const Doubles q = shifted - kShift;
  const Bits quarter = std::bit_cast<Bits>(shifted);
  const Doubles r = (v - 90.0 * q) * 0.017453292519943295;

  Doubles sinR, cosR;
  SeriesSinCosOf(r, sinR, cosR);

  // The cosine of r + q quarter turns: sin r for an odd q, negative in quadrants 1, 2.
  const Bits odd = Bits{0, 0} - (quarter & 1);
  const Bits sinBits = std::bit_cast<Bits>(sinR);
  const Bits cosBits = std::bit_cast<Bits>(cosR);
  const Bits value = ((sinBits & odd) | (cosBits & ~odd)) ^ (((quarter + 1) & 2) << 62);
  const Doubles result = std::bit_cast<Doubles>(value);
  for (int lane = 0; lane < 2; ++lane) {
    out[lane] = std::fabs(x[lane]) < 1e12 ? result[lane] : CosOfDegrees(x[lane]);
  }
}

// Kepler's equation as the engine solves it: E = M, then exactly five rounds of
// E = e sin E + M, with no test of convergence (for the larger eccentricities the fifth
// round is not yet the root; the factors are defined by it). With sin M and cos M taken
// once, each round needs only the sine of M + d for the small d = E - M.
struct KeplerSolution {
  double eccentricAnomaly;
  double sinE;
  double cosE;
};

inline KeplerSolution FiveKeplerRounds(double m, double e) {
  const SineCosine trigM = SinCosOfRadians(m);
  const double sinM = trigM.sin;
  const double cosM = trigM.cos;
  double d = e * sinM;  // the first round, from E = M
  for (int round = 2; round <= 5; ++round) {
    if (!(std::fabs(d) <= kSeriesLimit)) break;
    const SineCosine k = SeriesSinCos(d);
    d = e * (sinM * k.cos + cosM * k.sin);
  }
  if (!(std::fabs(d) <= kSeriesLimit)) {
    // An eccentricity far beyond any orbit of the table: the plain rounds.
    double ea = m;
    for (int round = 0; round < 5; ++round) ea = e * std::sin(ea) + m;
    return {ea, std::sin(ea), std::cos(ea)};
  }
  const SineCosine k = SeriesSinCos(d);
  return {d + m, sinM * k.cos + cosM * k.sin, cosM * k.cos - sinM * k.sin};
}

}  // namespace gyrolux
