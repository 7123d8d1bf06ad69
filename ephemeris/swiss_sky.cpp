#include "ephemeris/swiss_sky.h"

#include <cmath>

#include "engine/angles.h"
#include "ephemeris/fitted_sky.h"
#include "ephemeris/swiss_library.h"

namespace gyrolux {

namespace {

constexpr FactorMask kSwissBodyMask = [] {
  FactorMask mask = 0;
  for (FactorId f : {SO, MO, KN, ME, VE, MA, JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO}) mask |= FactorBit(f);
  return mask;
}();

double Norm360(double degrees) {
  const double r = std::fmod(degrees, 360.0);
  return r < 0.0 ? r + 360.0 : (r >= 360.0 ? 0.0 : r);
}

double RaiseIntoDay(double hours) {
  const double r = std::fmod(hours, 24.0);
  return r < 0.0 ? r + 24.0 : r;
}

// MC and AS from the sidereal angle and the true obliquity (degrees) at a latitude, as
// the library's house routine makes them: within the polar circle the ascendant is the
// one of the two horizon points that lies east of the meridian.
struct Angles {
  double midheaven;
  double ascendant;
};
Angles AnglesOf(double armcDegrees, double obliquityDegrees, double latitude) {
  const double armc = DegToRad(armcDegrees);
  const double eps = DegToRad(obliquityDegrees);
  const double phi = DegToRad(std::fmin(std::fmax(latitude, -90.0 + 1e-10), 90.0 - 1e-10));
  const double mc = Norm360(RadToDeg(std::atan2(std::sin(armc), std::cos(armc) * std::cos(eps))));
  double as = Norm360(RadToDeg(std::atan2(std::cos(armc), -(std::sin(armc) * std::cos(eps) +
                                                                std::tan(phi) * std::sin(eps)))));
  if (std::fabs(latitude) >= 90.0 - obliquityDegrees && std::remainder(as - mc, 360.0) < 0.0) {
    as = Norm360(as + 180.0);
  }
  return {mc, as};
}

// Fills the sidereal values, the obliquity and MC and AS from the apparent sidereal time
// at Greenwich and the true obliquity (degrees).
void FillSidereal(const ChartMoment& moment, FactorMask wanted, double gastDegrees, double obliquity,
                  ChartResult& result) {
  ChartState& state = result.state;
  const double armc = Norm360(gastDegrees + moment.longitude);
  state.ramc = DegToRad(armc);
  state.localSiderealHours = armc / 15.0;
  state.negObliquity = -DegToRad(obliquity);
  // Stz is the sidereal time less the clock time, as in the model; Index Stz that less the
  // clock time once more.
  result.siderealHours = RaiseIntoDay(Norm360(gastDegrees) / 15.0 - moment.hours);
  result.indexSiderealHours = RaiseIntoDay(result.siderealHours - moment.hours);
  if (wanted & (FactorBit(MC) | FactorBit(AS))) {
    const Angles angles = AnglesOf(armc, obliquity, moment.latitude);
    if (wanted & FactorBit(MC)) state.factorLongitude[MC] = angles.midheaven;
    if (wanted & FactorBit(AS)) state.factorLongitude[AS] = angles.ascendant;
  }
}

void SetBody(ChartState& state, FactorId factor, double longitude, double speed) {
  state.factorLongitude[factor] = Norm360(longitude);
  // The model flags SO and the bodies ME..PO; the Moon never goes back and the node's
  // steady backward motion is not flagged there either.
  if (factor == SO || factor >= ME) state.retrograde[factor] = speed < 0.0 ? 1 : 0;
}

// The model's time scale, index date, month table and GZ; the sky's values are then set
// over it.
void StartFromModel(const ChartMoment& moment, FactorMask wanted, ChartResult& result) {
  ComputeModelFactors(moment, wanted & FactorBit(GZ), result);
}

}  // namespace

bool SwissCoversMoment(const ChartMoment& moment) {
  return moment.year >= kSwissFirstYear && moment.year <= kSwissLastYear &&
         SwissCoversJulianDay(JulianDayUt(moment));
}

QString SwissRangeMessage(int year) {
  if (year >= kSwissFirstYear && year <= kSwissLastYear) return {};
  return QStringLiteral("Die Swiss Ephemeris rechnet ohne Datendateien (Moshier-Modus) nur vom Jahr "
                        "3000 v. Chr. bis zum Jahr 3000 n. Chr., das Programm vom Jahr 1600 bis 9999. "
                        "Das Jahr %1 liegt außerhalb; für die Jahre 3001 bis 9999 bitte die Ephemeride "
                        "„Modell (Version 5.0)“ wählen.")
      .arg(year);
}

void ComputeSwissFactors(const ChartMoment& moment, FactorMask wanted, ChartResult& result) {
  if (!SwissCoversMoment(moment)) {
    ComputeModelFactors(moment, wanted, result);
    return;
  }
  StartFromModel(moment, wanted, result);
  const double jd = JulianDayUt(moment);
  // A chart of bodies alone (the searches' and the event list's) leaves the sidereal values
  // the model's: every chart that shows them asks for the angles too.
  if (wanted & (FactorBit(MC) | FactorBit(AS))) {
    const std::optional<FittedValue> sidereal = FittedChannelAt(kSiderealChannel, jd);
    const std::optional<FittedValue> obliquity = FittedChannelAt(kObliquityChannel, jd);
    if (!sidereal || !obliquity) {
      ComputeSwissFactorsDirect(moment, wanted, result);
      return;
    }
    FillSidereal(moment, wanted, EarthTurnDegrees(jd) + sidereal->value, obliquity->value, result);
  }
  if (!(wanted & kSwissBodyMask)) return;
  for (int body = 0; body < kSwissBodyCount; ++body) {
    const FactorId factor = kSwissBodyFactor[body];
    if (!(wanted & FactorBit(factor))) continue;
    const std::optional<FittedValue> v = FittedBodyAt(body, jd);
    if (!v) {
      ComputeSwissFactorsDirect(moment, wanted, result);
      return;
    }
    SetBody(result.state, factor, v->value, v->rate);
  }
}

void ComputeSwissFactorsDirect(const ChartMoment& moment, FactorMask wanted, ChartResult& result) {
  if (!SwissCoversMoment(moment)) {
    ComputeModelFactors(moment, wanted, result);
    return;
  }
  StartFromModel(moment, wanted, result);
  const double jd = JulianDayUt(moment);
  const std::optional<SwissAngles> angles = SwissAnglesAt(jd, moment.longitude, moment.latitude);
  if (!angles) {
    ComputeModelFactors(moment, wanted, result);
    return;
  }
  FillSidereal(moment, wanted & ~(FactorBit(MC) | FactorBit(AS)), angles->apparentSiderealDegrees,
               angles->trueObliquity, result);
  if (wanted & FactorBit(MC)) result.state.factorLongitude[MC] = angles->midheaven;
  if (wanted & FactorBit(AS)) result.state.factorLongitude[AS] = angles->ascendant;
  for (int body = 0; body < kSwissBodyCount; ++body) {
    const FactorId factor = kSwissBodyFactor[body];
    if (!(wanted & FactorBit(factor))) continue;
    const std::optional<SwissPosition> p = SwissBodyAt(jd, body);
    if (!p) {
      ComputeModelFactors(moment, wanted, result);
      return;
    }
    SetBody(result.state, factor, p->longitude, p->speed);
  }
}

void InstallSwissSky() { InstallModernSky(&ComputeSwissFactors); }

}  // namespace gyrolux
