#include "engine/time_scale.h"

#include <algorithm>
#include <cmath>

#include "engine/angles.h"
#include "engine/integer_conversion.h"

namespace gyrolux {

namespace {

// Adds step while x is below low, subtracts it while x is above high. Values that the
// reductions before have brought within a few steps need a few rounds; the bound keeps
// a value that no reduction could bring near (a huge or infinite input) from looping.
double RaiseAndLowerBy(double x, double step, double low, double high) {
  for (int i = 0; i < 64 && x < low; ++i) x += step;
  for (int i = 0; i < 64 && x > high; ++i) x -= step;
  return x;
}

// The sidereal time in hours without the clock time and the longitude.
double SiderealPolynomial(double t) { return 2400.051262 * t + 6.646065556 + 2.5805e-05 * t * t; }

int32_t FebruaryOfFourYearRule(int32_t year) { return year % 4 == 0 ? 29 : 28; }

}  // namespace

double JulianCenturies(int32_t day, int32_t month, int32_t year, double hours) {
  double y = year;
  double m = month;
  if (month <= 2) {
    y = static_cast<double>(year) - 1.0;
    m = static_cast<double>(month) + 12.0;
  }
  const double b = year >= 1582 ? std::trunc(y / 400.0) - std::trunc(y / 100.0) : -2.0;
  const double jd =
      std::trunc(365.25 * y) + std::trunc(30.6001 * (m + 1.0)) + b + 1720996.5 + day;
  return ((jd - 2415020.0) + hours / 24.0) / 36525.0;
}

double NegObliquity(double centuriesT) {
  return -DegToRad(23.452294 - 0.0130125 * centuriesT);
}

SiderealTime ComputeSiderealTime(double t, double hours, double longitude) {
  SiderealTime s;
  const double angle = ((2400.051262 * t + 6.646065556) + 2.5805e-05 * t * t + hours) * 15.0 +
                       longitude;
  s.ramc = DegToRad(Mod360(angle));
  s.localSiderealHours = RaiseAndLowerBy(RadToDeg(s.ramc), 360.0, 0.0, HUGE_VAL) / 15.0;
  // G is reduced like an angle although it counts hours; the day steps bring it into
  // 0..24 (exactly 24 stays).
  s.siderealHours = RaiseAndLowerBy(Mod360(SiderealPolynomial(t)), 24.0, 0.0, 24.0);
  double index = s.siderealHours - hours;
  if (index < 0.0) index += 24.0;
  if (index < 0.0) index += 24.0;
  s.indexSiderealHours = index;
  return s;
}

CivilDate IndexDate(const ChartMoment& moment, std::array<int32_t, 13>& monthLength) {
  monthLength = {0, 31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  // A date from the dialogs lies within these bounds; others are held there so that
  // the count below stays short and within the month table.
  CivilDate date{std::clamp(moment.day, 1, 31), std::clamp(moment.month, 1, 12),
                    std::clamp(moment.year, -1000000, 1000000)};
  monthLength[2] = FebruaryOfFourYearRule(date.year);
  const double hours = std::isnan(moment.hours) ? 0.0 : std::clamp(moment.hours, 0.0, 100.0);
  const int n = TruncClamped(hours * 60.0 / 3.951388888888, 0, 3000);
  date.day -= n + 1;
  while (date.day <= 0) {
    date.month -= 1;
    if (date.month == 0) {
      date.month = 12;
      date.year -= 1;
      monthLength[2] = FebruaryOfFourYearRule(date.year);
    }
    date.day += monthLength[date.month];
  }
  return date;
}

double MidheavenLongitude(double ramc, double negObliquity) {
  const RectPoint p = PolarToRect(ramc, 1.0);
  const double x = p.x * std::cos(-negObliquity);
  return Mod360(RadToDeg(RectToPolar(x, p.y).angle));
}

double ZenithLongitude(double theta, double negObliquity, double latitude) {
  const RectPoint cs = PolarToRect(DegToRad(latitude), 1.0);
  const RectPoint xy = PolarToRect(theta, cs.x);
  const PolarPoint ra = RectToPolar(xy.y, cs.y);
  const RectPoint uv = PolarToRect(ra.angle + negObliquity, ra.r);
  double lambda = RectToPolar(xy.x, uv.x).angle;
  if (lambda < 0.0) lambda += kTwoPi;
  return lambda;
}

double AscendantLongitude(double ramc, double negObliquity, double latitude) {
  return Mod360(RadToDeg(ZenithLongitude(ramc, negObliquity, latitude) + kHalfPi));
}

}  // namespace gyrolux
