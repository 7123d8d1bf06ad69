#include "engine/chart_core.h"

#include <atomic>

#include "engine/planets.h"
#include "engine/sun_moon.h"
#include "engine/time_scale.h"

namespace gyrolux {

namespace {

constexpr FactorMask kSolarFactors = FactorBit(SO) | FactorBit(MO) | FactorBit(KN);
constexpr FactorMask kBodyFactors = ((FactorMask{1} << (PO + 1)) - 1) & ~((FactorMask{1} << ME) - 1);

// GZ moves 50 arc seconds per calendar year from 266.925 in 2003.
double GzLongitude(int32_t year) { return 266.925 + ((static_cast<double>(year) - 2003.0) * 50.0) / 3600.0; }

std::atomic<SkyFunction> modernSky{nullptr};

}  // namespace

void InstallModernSky(SkyFunction compute) { modernSky.store(compute, std::memory_order_release); }

bool ModernSkyInstalled() { return modernSky.load(std::memory_order_acquire) != nullptr; }

void ComputeFactors(const ChartMoment& moment, FactorMask wanted, ChartResult& result) {
  if (moment.ephemeris == Ephemeris::Swiss) {
    if (const SkyFunction modern = modernSky.load(std::memory_order_acquire)) {
      modern(moment, wanted, result);
      return;
    }
  }
  ComputeModelFactors(moment, wanted, result);
}

void ComputeModelFactors(const ChartMoment& moment, FactorMask wanted, ChartResult& result) {
  result = ChartResult{};
  ChartState& state = result.state;

  // Step 1: time scale.
  const double t = JulianCenturies(moment.day, moment.month, moment.year, moment.hours);
  state.centuriesT = t;
  state.negObliquity = NegObliquity(t);

  // Step 2: sidereal time, index date and the angles.
  const SiderealTime sidereal = ComputeSiderealTime(t, moment.hours, moment.longitude);
  state.ramc = sidereal.ramc;
  state.localSiderealHours = sidereal.localSiderealHours;
  result.siderealHours = sidereal.siderealHours;
  result.indexSiderealHours = sidereal.indexSiderealHours;
  const CivilDate index = IndexDate(moment, state.monthLength);
  result.indexDay = index.day;
  result.indexMonth = index.month;
  result.indexYear = index.year;
  if (wanted & FactorBit(MC)) state.factorLongitude[MC] = MidheavenLongitude(state.ramc, state.negObliquity);
  if (wanted & FactorBit(AS)) {
    state.factorLongitude[AS] = AscendantLongitude(state.ramc, state.negObliquity, moment.latitude);
  }
  state.factorLongitude[WI] = 0.0;

  // Steps 3 and 4: the Sun, the Moon and the node.
  if (wanted & kSolarFactors) {
    const SolarElements solar = ComputeSolarElements(t);
    if (wanted & FactorBit(SO)) state.factorLongitude[SO] = SunLongitude(solar);
    if (wanted & FactorBit(MO)) state.factorLongitude[MO] = MoonLongitude(solar);
    if (wanted & FactorBit(KN)) state.factorLongitude[KN] = NodeLongitude(solar);
  }

  // Step 5: the planets and the hypothetical factors, seen from the Earth, and GZ.
  if (wanted & kBodyFactors) {
    const EarthState earth = ComputeEarth(t);
    state.retrograde[SO] = earth.retrograde ? 1 : 0;
    for (int number = ME; number <= PO; ++number) {
      if (!(wanted & FactorBit(number))) continue;
      const BodyResult body = ComputeBody(ElementsOfBody(number), t, earth);
      state.factorLongitude[number] = body.longitude;
      state.retrograde[number] = body.retrograde ? 1 : 0;
    }
  }
  if (wanted & FactorBit(GZ)) state.factorLongitude[GZ] = GzLongitude(moment.year);
}

void ComputeChart(const ChartMoment& moment, ChartResult& result) {
  ComputeFactors(moment, kAllFactors, result);
}

}  // namespace gyrolux
