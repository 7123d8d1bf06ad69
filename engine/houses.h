#pragma once

#include <array>

#include <QString>

namespace gyrolux {

// The house whose cusp each base factor MC, WI, SO, AS, MO, KN marks.
inline constexpr std::array<unsigned char, 6> HouseBaseCusp = {10, 7, 4, 1, 10, 1};

// House number 1..12 of a longitude in the house circle of a base factor (base > 5
// counts as SO).
int MidpointHouse(int base, int factor, double baseLongitude, double longitude);

// The meaning of house n is entry n - 1; two-line texts are joined by CR LF.
const std::array<QString, 12>& HouseMeaning();

// Two blanks and the twelve three-letter sign names; sign k (1..12) starts at
// character 3k (1-based).
inline constexpr const char* SignAbbrev = "  WIDSTIZWIKRELOEJUNWAASKOSCHSTEWASFIS";

// Sign number 1..12 of a longitude: Trunc(longitude / 30 + 1) for 0 up to below 360;
// other longitudes are first brought into that range.
int SignNumber(double longitude);

// The three letters of the sign of a longitude 0 up to below 360.
QString SignOfLongitude(double longitude);

// Cusp k (0..11) of the meridian house system in degrees 0 up to below 360, from the
// sidereal angle and the obliquity with inverted sign (radians).
double MeridianHouseCusp(double ramc, double negObliquity, int k);

}  // namespace gyrolux
