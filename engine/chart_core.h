#pragma once

#include <cstdint>

#include "engine/chart.h"

namespace gyrolux {

// Everything one moment gives, as numbers only: the chart state and the sidereal values
// and index date that the texts are made of.
struct ChartResult {
  ChartState state;
  double siderealHours = 0.0;       // G, shown as "Stz"
  double indexSiderealHours = 0.0;  // I, shown as "Index Stz"
  int32_t indexDay = 0;             // the index date, shown as "Index Dat"
  int32_t indexMonth = 0;
  int32_t indexYear = 0;
};

// A set of factors, bit i for FactorId i.
using FactorMask = uint32_t;
constexpr FactorMask FactorBit(int id) { return FactorMask{1} << id; }
inline constexpr FactorMask kAllFactors = (FactorMask{1} << kFactorCount) - 1;

// The whole chart of a moment. A pure function: no state, no allocation, safe to call
// from several threads at once.
void ComputeChart(const ChartMoment& moment, ChartResult& result);

// Only the factors in wanted, each with the same bits as ComputeChart gives it. The
// time scale, the sidereal values and the index date are always filled; longitudes not
// asked for are 0. The retrograde flags come with the bodies 6..21 asked for, and the
// flag of entry 2 (the Earth's) whenever any of them is.
// Both follow moment.ephemeris: the modern sky when it is chosen and installed, the
// defined model otherwise.
void ComputeFactors(const ChartMoment& moment, FactorMask wanted, ChartResult& result);

// The defined model whatever the moment's ephemeris says.
void ComputeModelFactors(const ChartMoment& moment, FactorMask wanted, ChartResult& result);

// The modern sky lives in ephemeris/, a layer above this one, so it is handed down once at
// start (before any second thread runs) by the programs that offer it. Without it a moment
// that asks for the modern sky is computed in the model.
using SkyFunction = void (*)(const ChartMoment& moment, FactorMask wanted, ChartResult& result);
void InstallModernSky(SkyFunction compute);
bool ModernSkyInstalled();

}  // namespace gyrolux
