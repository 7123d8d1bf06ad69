#pragma once

#include <array>

namespace gyrolux {

enum class Perturber { Venus, Mars, Jupiter, Saturn };

// amplitude (arc seconds) * cos(multiple * A - anomalyMultiple * M + phase), with A the
// perturber's argument and M the Sun's mean anomaly, all in degrees.
struct SunPerturbation {
  Perturber planet;
  double amplitude;
  int multiple;
  int anomalyMultiple;
  double phase;
};

inline constexpr int kSunPerturbationCount = 23;

inline constexpr std::array<SunPerturbation, kSunPerturbationCount> kSunPerturbations = {{
    //                   amplitude  kA  jM   phase
    {Perturber::Venus,   4.838,     1,  0,   90.0},    // Av + 90
    {Perturber::Venus,   5.526,     2,  0,   90.12},   // 2Av + 90.12
    {Perturber::Venus,   2.497,     2,  1,   257.75},  // 2Av - M + 257.75
    {Perturber::Venus,   1.559,     3,  1,   77.96},   // 3Av - M + 77.96
    {Perturber::Venus,   1.024,     3,  2,   50.85},   // 3Av - 2M + 50.85
    {Perturber::Venus,   0.666,     3,  0,   270.41},  // 3Av + 270.41
    {Perturber::Venus,   0.21,      4,  0,   89.8},    // 4Av + 89.8
    {Perturber::Venus,   0.154,     5,  3,   34.1},    // 5Av - 3M + 34.1
    {Perturber::Venus,   0.152,     4,  2,   227.4},   // 4Av - 2M + 227.4
    {Perturber::Venus,   0.144,     4,  1,   79.0},    // 4Av - M + 79
    {Perturber::Mars,    2.043,     2,  0,   89.76},   // 2Aa + 89.76
    {Perturber::Mars,    1.77,      2,  1,   306.27},  // 2Aa - M + 306.27
    {Perturber::Mars,    0.585,     4,  2,   185.82},  // 4Aa - 2M + 185.82
    {Perturber::Mars,    0.5,       4,  1,   317.7},   // 4Aa - M + 317.7
    {Perturber::Mars,    0.425,     3,  1,   317.7},   // 3Aa - M + 317.7
    {Perturber::Mars,    0.204,     5,  2,   185.5},   // 5Aa - 2M + 185.5
    {Perturber::Jupiter, 7.208,     1,  0,   91.09},   // Aj + 91.09
    {Perturber::Jupiter, 2.731,     2,  0,   270.25},  // 2Aj + 270.25
    {Perturber::Jupiter, 2.6,       1,  1,   174.77},  // Aj - M + 174.77
    {Perturber::Jupiter, 1.61,      2,  1,   292.6},   // 2Aj - M + 292.6
    {Perturber::Jupiter, 0.556,     3,  1,   177.31},  // 3Aj - M + 177.31
    {Perturber::Saturn,  0.419,     1,  0,   90.34},   // Ab + 90.34
    {Perturber::Saturn,  0.32,      1,  1,   259.22},  // Ab - M + 259.22
}};

}  // namespace gyrolux
