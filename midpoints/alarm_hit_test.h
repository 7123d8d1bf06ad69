#pragma once

#include <array>

#include "engine/factors.h"
#include "midpoints/alarm_query.h"

namespace gyrolux {

using FactorLongitudes = std::array<double, kFactorCount>;

// The longitude a search reads for a factor: the chart's entry, 0 for "--".
double SearchLongitude(const FactorLongitudes& longitudes, int factor);

// Mod22_5 of the plain mean of the two longitudes.
double Midpoint22_5(const FactorLongitudes& longitudes, int a, int b);

// d of the hit test: |m1 - m2| for a picture, |m - angle| for the midpoint-angle search.
double AlarmDistance(const AlarmQuery& query, const FactorLongitudes& longitudes);

// A hit: d < orb, or d > 22.5 - orb (a coincidence across the wrap of the mode). A
// distance equal to either bound is no hit.
bool IsWithinOrb(double distance, double orb);

// The distance on the circle of the mode, min(d, |22.5 - d|): how far the two positions
// are apart however the wrap falls between them.
double CircularDistance22_5(double distance);

}  // namespace gyrolux
