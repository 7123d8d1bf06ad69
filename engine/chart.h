#pragma once

#include <array>
#include <cstdint>

#include <QString>

#include "engine/ephemeris_kind.h"
#include "engine/factors.h"

namespace gyrolux {

// The moment of a chart: a calendar date, a time of day in universal time and a place.
struct ChartMoment {
  int32_t day = 0;
  int32_t month = 0;
  int32_t year = 0;
  double hours = 0.0;      // universal time, normally 0 up to below 24
  double longitude = 0.0;  // degrees, east positive
  double latitude = 0.0;   // degrees, north positive
  bool westLongitude = false;
  bool southLatitude = false;
  // The sky the chart is computed in; a search or a list made from this moment keeps it.
  Ephemeris ephemeris = Ephemeris::Model;
};

// The moment and the sidereal results as the short texts (at most 10 characters) shown
// and stored by the windows.
struct ChartTexts {
  QString dateText;           // dd.mm.yyyy
  QString timeText;           // hh:mm...
  QString longitudeText;      // +010°00'
  QString latitudeText;       // +50°00'
  QString siderealText;       // hh:mm:ss, "Stz"
  QString ramcText;           // hh:mm:ss, "RA"
  QString indexSiderealText;  // hh:mm:ss, "Index Stz"
  QString indexDateText;      // dd.mm.yyyy, "Index Dat"
};

// The computed chart.
struct ChartState {
  std::array<double, kFactorCount> factorLongitude{};  // degrees by FactorId
  std::array<uint8_t, kFactorCount> retrograde{};     // 1 when the longitude decreases
  double centuriesT = 0.0;          // Julian centuries since JD 2415020.0
  double negObliquity = 0.0;        // minus the obliquity of the ecliptic, radians
  double ramc = 0.0;                // right ascension of the midheaven, radians
  double localSiderealHours = 0.0;  // 0 up to below 24
  std::array<int32_t, 13> monthLength{};  // entries 1..12; entry 0 unused
};

// The one chart of a run: moment, texts and results together.
struct Chart {
  ChartMoment moment;
  ChartTexts texts;
  ChartState state;
};

// Recomputes the whole ChartState and the four sidereal texts from chart.moment
// (time scale, sidereal time and angles, Sun, Moon and node, planets and GZ).
void RecomputeChart(Chart& chart);

}  // namespace gyrolux
