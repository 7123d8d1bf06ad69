#pragma once

#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "engine/calendar.h"
#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "platform/picture.h"

namespace gyrolux {

// The graphic ephemeris on an A4 landscape page at 96 pixels to the inch.
inline constexpr int kEphemerisWidth = 1123;
inline constexpr int kEphemerisHeight = 794;
inline constexpr QRect kEphemerisPlot(60, 40, 990, 690);  // left, top, width, height
// The longest period drawn: a hundred years and a little more.
inline constexpr int kEphemerisMaxDays = 36890;
// The longest period with MC or AS: they go round once a day, so a longer period only
// fills the plot, at a cost that grows with the days (about 100 MB for a year in the
// 22.5-degree mode).
inline constexpr int kEphemerisMaxAngleDays = 366;

// The factors drawn unless others are asked for: SO, MO, KN, ME .. PL and the hypothetical
// factors CU .. PO.
std::vector<int> DefaultEphemerisFactors();
// Whether a factor can be drawn at all (any factor of the chart).
bool EphemerisFactorAllowed(int factor);
// Whether a factor depends on the place: MC, AS and WI turn with the place and the day, so
// they are drawn only for a place, the radix's.
bool EphemerisFactorNeedsPlace(int factor);

// What the ephemeris shows: the days from (0 h world time) to to (24 h) in the mode's width,
// the factors' lines, and with a radix its factors (and on request its midpoints) as
// horizontal lines.
struct GraphicEphemerisRequest {
  CivilDate from;
  CivilDate to;
  DialMode mode = kMode90;
  std::vector<int> factors = DefaultEphemerisFactors();
  const ChartState* radix = nullptr;
  QString radixName{};
  bool radixMidpoints = false;
  // The place of the radix (its moment's longitude and latitude), where MC, AS and WI are
  // computed; without it they are refused, the rest being computed for Greenwich.
  std::optional<ChartMoment> radixPlace{};
  Ephemeris ephemeris = Ephemeris::Model;  // the sky the lines are computed in
};

// A German reason when the request cannot be drawn (the period reversed or too long, a
// factor not allowed, MC, AS or WI without the radix's place, in the modern sky beyond its
// years), else empty.
QString CheckEphemerisRequest(const GraphicEphemerisRequest& request);

// Where things stand on the page: time (days since 1 January 1970, world time) runs left
// to right across the plot, the mode's degrees bottom (0) to top (the width).
struct EphemerisLayout {
  double firstDay = 0.0;
  double endDay = 1.0;
  DialMode mode = kMode90;

  double xOfDay(double day) const;
  double yOfDegree(double degree) const;
  double dayAtX(double x) const;
  double degreeAtY(double y) const;
};
EphemerisLayout EphemerisLayoutOf(const GraphicEphemerisRequest& request);

// The moment of a day number with its fraction, in the sky given, at Greenwich or at the
// place given.
ChartMoment EphemerisMoment(double day, Ephemeris ephemeris = Ephemeris::Model,
                            const std::optional<ChartMoment>& place = std::nullopt);

// The page: title, degree scale, calendar scale, one group of lines per factor (named by
// its letters, "SO"), drawn thick where the factor runs backwards and cut where it leaves
// the mode's width at the top or bottom to come in again at the other edge, with its
// letters at its start; the radix's factors as horizontal lines in the radix colour (groups
// "r-SO"), its midpoints in a paler tone ("r-SO-MO"). A request that does not pass
// CheckEphemerisRequest draws the frame only.
Picture DrawGraphicEphemeris(const GraphicEphemerisRequest& request);

}  // namespace gyrolux
