#pragma once

#include <QString>

#include "engine/chart_core.h"

namespace gyrolux {

// The modern sky: the Swiss Ephemeris in Moshier mode. Apparent geocentric tropical
// longitudes of date of SO, MO, ME..PL and the hypothetical factors CU..PO from the
// library's own elements, the mean node for KN, MC and AS from the apparent sidereal time
// (nutation, true obliquity) for the place, all with the library's ΔT; WI and GZ as the
// model defines them, as are the time scale, the index date and the month table. The
// sidereal values (RA, Stz, Index Stz) and the obliquity are the modern ones. The
// retrograde flags of SO and ME..PO come from the speeds.
//
// Outside the library's range (SwissCoversMoment) a chart is the model's.

// Through the fitted series (fitted_sky.h): what the program uses.
void ComputeSwissFactors(const ChartMoment& moment, FactorMask wanted, ChartResult& result);
// Straight from the library, every value in one locked call: the reference for the fit.
void ComputeSwissFactorsDirect(const ChartMoment& moment, FactorMask wanted, ChartResult& result);

// Hands the fitted modern sky to the engine (ComputeFactors, RecomputeChart): call once in
// main() before any second thread runs.
void InstallSwissSky();

// Whether the modern sky can compute the moment.
bool SwissCoversMoment(const ChartMoment& moment);
// The years the program offers the modern sky for: the program's own range cut to the
// library's Moshier range.
inline constexpr int kSwissFirstYear = 1600;
inline constexpr int kSwissLastYear = 3000;
// Empty when the year can be computed in the modern sky, otherwise the German message
// that says why not.
QString SwissRangeMessage(int year);

}  // namespace gyrolux
