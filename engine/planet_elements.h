#pragma once

#include <array>

#include "engine/planet_element_table.h"

namespace gyrolux {

// a0 + a1 T + a2 T^2.
struct ElementPolynomial {
  double a0 = 0.0;
  double a1 = 0.0;
  double a2 = 0.0;
  double At(double t) const { return a0 + a1 * t + a2 * t * t; }
};

// A cos(B T + C), B T + C in degrees.
struct PeriodicTerm {
  double amplitude = 0.0;
  double rate = 0.0;
  double phase = 0.0;
};

inline constexpr int kMaxCorrectionTerms = 11;

// One correction quantity Q1, Q2 or Q3 of a planet's heliocentric position, in AU.
struct CorrectionQuantity {
  ElementPolynomial polynomial;
  int termCount = 0;
  std::array<PeriodicTerm, kMaxCorrectionTerms> terms{};
};

struct BodyElements {
  int number = 0;  // the FactorId of the body, 2 for the Earth
  ElementPolynomial meanAnomaly;
  ElementPolynomial eccentricity;
  double semiMajorAxis = 0.0;
  ElementPolynomial perihelion;
  ElementPolynomial node;
  ElementPolynomial inclination;
  int quantityCount = 0;  // 0, or 2 for JU (no Q3), or 3
  std::array<CorrectionQuantity, 3> quantities{};  // Q1, Q2, Q3
};

inline constexpr int kBodyCount = 17;
// Body numbers in reading order: the Earth first, then ME..PL and CU..PO.
inline constexpr std::array<int, kBodyCount> kBodyNumbers = {2,  6,  7,  8,  9,  10, 11, 12, 13,
                                                            14, 15, 16, 17, 18, 19, 20, 21};

// Terms per correction quantity Q1 and Q2 of the planets with a correction block; Q3
// has one fewer, JU has no Q3 at all. 0 for the bodies without a block.
constexpr int CorrectionTermCount(int body) {
  switch (body) {
    case 9:
      return 11;
    case 10:
      return 5;
    case 11:
    case 12:
    case 13:
      return 4;
    default:
      return 0;
  }
}

struct PlanetElements {
  std::array<BodyElements, kBodyCount> bodies{};
  int valuesRead = 0;  // how far the running index went
};

// Reads the element table in sequence with one running index, as the definition
// lays it out.
constexpr PlanetElements ReadPlanetElements() {
  PlanetElements out;
  int index = 0;
  const auto next = [&index] { return PlanetElementTable[index++]; };
  const auto nextPolynomial = [&next] {
    ElementPolynomial p;
    p.a0 = next();
    p.a1 = next();
    p.a2 = next();
    return p;
  };
  for (int b = 0; b < kBodyCount; ++b) {
    BodyElements& body = out.bodies[b];
    body.number = kBodyNumbers[b];
    body.meanAnomaly = nextPolynomial();
    body.eccentricity = nextPolynomial();
    body.semiMajorAxis = next();
    body.perihelion = nextPolynomial();
    body.node = nextPolynomial();
    body.inclination = nextPolynomial();
    const int terms = CorrectionTermCount(body.number);
    if (terms == 0) continue;
    body.quantityCount = body.number == 9 ? 2 : 3;
    for (int q = 0; q < body.quantityCount; ++q) {
      CorrectionQuantity& quantity = body.quantities[q];
      quantity.polynomial = nextPolynomial();
      quantity.termCount = q == 2 ? terms - 1 : terms;
      for (int t = 0; t < quantity.termCount; ++t) {
        quantity.terms[t].amplitude = next();
        quantity.terms[t].rate = next();
        quantity.terms[t].phase = next();
      }
    }
  }
  out.valuesRead = index;
  return out;
}

inline constexpr PlanetElements kPlanetElements = ReadPlanetElements();
static_assert(kPlanetElements.valuesRead == kPlanetElementCount,
              "reading the element table for all bodies must consume every value");

}  // namespace gyrolux
