#pragma once

#include <cstdint>

namespace gyrolux {

// The skies a chart can be computed in: the defined model (the default, always there)
// and the modern sky of ephemeris/, which the programs install at start
// (InstallModernSky).
enum class Ephemeris : uint8_t { Model, Swiss };

}  // namespace gyrolux
