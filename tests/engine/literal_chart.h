#pragma once

#include "engine/chart_core.h"

namespace gyrolux::testing {

// The chart computed the plain way: every definition transcribed as it reads, one sine
// per term, the planet model's rotations through the polar form, the element table read
// with one running index. Slow; the reference that the engine is checked against.
void LiteralChart(const ChartMoment& moment, ChartResult& result);

// How many values the literal planet step read from the element table.
int LiteralElementValuesRead(double centuriesT);

}  // namespace gyrolux::testing
