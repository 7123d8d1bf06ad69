#pragma once

#include <QString>

#include "engine/chart.h"

namespace gyrolux {

// The pieces the evaluation lists and the axis lookups are made of.

// The longitude of a factor named in a pair; the filler "--" (23) stands at 0 degrees.
double PairLongitude(const ChartState& state, int factor);

// The midpoint (λA + λB) / 2 of a pair, not normalised.
double PairMidpoint(const ChartState& state, int a, int b);

// Its position in the 22.5-degree mode.
double PairPosition(const ChartState& state, int a, int b);

// The house of a pair: A is the base, B the factor asked.
int PairHouse(const ChartState& state, int a, int b);

// "A/B" with the two-letter names.
QString PairName(int a, int b);

// "A/B" and the house in two digits: "MC/SO10".
QString PairWithHouse(const ChartState& state, int a, int b);

}  // namespace gyrolux
