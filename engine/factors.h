#pragma once

#include <array>

namespace gyrolux {

// The factors in astro-alphabetical order. 0..21 are the "22 Faktoren von MC bis PO",
// 14..21 the hypothetical factors, 22 the point GZ.
enum FactorId : int {
  MC, WI, SO, AS, MO, KN, ME, VE, MA, JU, SA, UR, NE, PL,
  CU, HA, ZE, KR, AP, AD, VU, PO,
  GZ
};

inline constexpr int kFactorCount = 23;          // MC..GZ
inline constexpr int kMidpointFactorCount = 22;  // MC..PO: the factors that form midpoints
inline constexpr int kFirstHypothetical = CU;
inline constexpr int kFillerAbbrevIndex = 23;    // "--"

// Two-letter names of the factors; entry 23 is the filler "--".
inline constexpr std::array<const char*, 24> FactorAbbrev = {
    "MC", "WI", "SO", "AS", "MO", "KN", "ME", "VE", "MA", "JU", "SA", "UR",
    "NE", "PL", "CU", "HA", "ZE", "KR", "AP", "AD", "VU", "PO", "GZ", "--"};

}  // namespace gyrolux
