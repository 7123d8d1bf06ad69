#pragma once

#include <array>
#include <cstdint>

#include "engine/calendar.h"
#include "engine/chart.h"

namespace gyrolux {

// Julian centuries since JD 2415020.0, including the time of day. The Gregorian term is
// used for the whole year 1582 and later.
double JulianCenturies(int32_t day, int32_t month, int32_t year, double hours);

// Minus the obliquity of the ecliptic, radians.
double NegObliquity(double centuriesT);

struct SiderealTime {
  double ramc;                // radians; negative (above -2 pi) for a negative sidereal angle
  double localSiderealHours;  // 0 up to below 24
  double siderealHours;       // G, the sidereal time without clock time and longitude
  double indexSiderealHours;  // I = G - hours, raised by up to two days
};
SiderealTime ComputeSiderealTime(double centuriesT, double hours, double longitude);

// The index date, n + 1 days before the moment's date with n = Trunc(hours * 60 /
// 3.951388888888), counted with a month table of the plain four-year rule. Fills
// monthLength as the count leaves it (February of the last year counted).
CivilDate IndexDate(const ChartMoment& moment, std::array<int32_t, 13>& monthLength);

// MC from the sidereal angle: tan MC = tan RAMC / cos eps, in the quadrant of RAMC.
double MidheavenLongitude(double ramc, double negObliquity);
// The ecliptic longitude of the direction with right ascension theta and declination
// equal to the latitude, radians 0 up to below 2 pi.
double ZenithLongitude(double theta, double negObliquity, double latitude);
// AS = the zenith longitude plus 90 degrees.
double AscendantLongitude(double ramc, double negObliquity, double latitude);

}  // namespace gyrolux
