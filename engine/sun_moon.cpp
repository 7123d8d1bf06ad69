#include "engine/sun_moon.h"

#include <array>
#include <cmath>

#include "engine/angles.h"
#include "engine/moon_series.h"
#include "engine/series_trig.h"
#include "engine/sun_perturbations.h"

namespace gyrolux {

namespace {

constexpr double kArcSecond = 1.0 / 3600.0;

// e^(i angle) and its integer powers; the many periodic terms are products of a few of
// these, which is far cheaper than a sine per term and agrees with it to rounding.
struct Phasor {
  double re;
  double im;
};
Phasor operator*(Phasor a, Phasor b) {
  return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
Phasor Conjugate(Phasor a) { return {a.re, -a.im}; }
Phasor PhasorOfDegrees(double degrees) {
  const SineCosine k = SinCosOfDegrees(degrees);
  return {k.cos, k.sin};
}

// Powers -N..N of a phasor, index k + N for power k; filled up to the highest power
// used.
template <int N>
struct PowerTable {
  std::array<Phasor, 2 * N + 1> power{};
  explicit PowerTable(Phasor base, int highest = N) {
    power[N] = {1.0, 0.0};
    Phasor p = {1.0, 0.0};
    for (int k = 1; k <= highest; ++k) {
      p = p * base;
      power[N + k] = p;
      power[N - k] = Conjugate(p);
    }
  }
  Phasor operator[](int k) const { return power[N + k]; }
};

// e^(i phase) of every perturbation term, taken once.
const std::array<Phasor, kSunPerturbationCount>& PerturbationPhases() {
  static const std::array<Phasor, kSunPerturbationCount> phases = [] {
    std::array<Phasor, kSunPerturbationCount> p{};
    for (int i = 0; i < kSunPerturbationCount; ++i) {
      p[i] = PhasorOfDegrees(kSunPerturbations[i].phase);
    }
    return p;
  }();
  return phases;
}

// The Moon's terms gathered by their part in l, l' and F: within a group only the
// multiple of D differs, so a group's terms are summed as amplitude times a power of
// e^(iD) first and turned by the group's common angle once.
struct MoonTermGroup {
  int l = 0;
  int lSun = 0;
  int f = 0;
  int firstTerm = 0;  // into MoonTermGroups::terms
  int termCount = 0;
};
struct MoonTermGroups {
  int groupCount = 0;
  std::array<MoonTermGroup, kMoonTermCount> groups{};
  std::array<int, kMoonTermCount> terms{};  // indices into kMoonTerms, group by group
};

constexpr MoonTermGroups GroupMoonTerms() {
  MoonTermGroups g;
  std::array<bool, kMoonTermCount> taken{};
  int filled = 0;
  for (int i = 0; i < kMoonTermCount; ++i) {
    if (taken[i]) continue;
    MoonTermGroup& group = g.groups[g.groupCount++];
    group.l = kMoonTerms[i].l;
    group.lSun = kMoonTerms[i].lSun;
    group.f = kMoonTerms[i].f;
    group.firstTerm = filled;
    for (int j = i; j < kMoonTermCount; ++j) {
      if (!taken[j] && kMoonTerms[j].l == group.l && kMoonTerms[j].lSun == group.lSun &&
          kMoonTerms[j].f == group.f) {
        taken[j] = true;
        g.terms[filled++] = j;
        ++group.termCount;
      }
    }
  }
  return g;
}
constexpr MoonTermGroups kMoonTermGroups = GroupMoonTerms();

}  // namespace

SolarElements ComputeSolarElements(double t) {
  SolarElements el{};
  el.t = t;
  el.t2 = t * t;
  const double t2 = el.t2;
  const double n = t * 36525.0;
  el.lm = Mod360(13.1763965268 * n + 270.4341639 + (1.9e-06 * t - 0.001133) * t2);
  el.pm = Mod360(0.1114040803 * n + 334.3295556 + (-1.2e-05 * t + 0.010325) * t2);
  el.om = Mod360(259.183275 - 0.0529539222 * n + (2e-06 * t + 0.002078) * t2);
  double ls = 36000.76892 * t + 279.6966778 + 0.0003025 * t * t;
  double ms = 35999.04975 * t + 358.4758444 - 0.00015 * t * t;
  el.e = 0.01675104 - 4.18e-05 * t - 1.26e-07 * t * t;
  ms = Mod360(ms);
  ls = Mod360(ls);
  el.ls = ls;
  const double msRad = DegToRad(ms);

  const double ek = FiveKeplerRounds(msRad, el.e).eccentricAnomaly;
  double vs = 2.0 * std::atan(std::sqrt((1.0 + el.e) / (1.0 - el.e)) * TanRad(ek / 2.0));
  vs = RadToDeg(vs);
  if (vs < 0.0) vs += 360.0;
  ms = RadToDeg(msRad);
  el.ts = Mod360(vs - ms + ls);

  el.p1 = (6.4 * SinOfDegrees(20.2 * t + 231.19) + (1.882 - 0.016 * t) * SinOfDegrees(150.27 * t + 57.24) +
           0.266 * SinOfDegrees(119.0 * t + 31.8) + 0.202 * SinOfDegrees(893.3 * t + 315.6)) *
          kArcSecond;
  el.ms = ms + el.p1;
  el.dm = 445267.114166 * t + 350.7374861 - 0.001436111 * t * t;
  el.am = 477198.8489 * t + 296.1046083 + 0.00919166666 * t * t;
  el.sinOm = SinOfDegrees(el.om);
  el.nut = (-(0.01737 * t + 17.2327) * el.sinOm - 1.273 * SinOfDegrees(2.0 * ls)) * kArcSecond;
  return el;
}

double SunLongitude(const SolarElements& el) {
  const double t = el.t;
  const std::array<PowerTable<5>, 4> perturber = {
      PowerTable<5>(PhasorOfDegrees(Mod360(22518.442986 * t + 63.07037)), 5),   // Venus
      PowerTable<5>(PhasorOfDegrees(Mod360(16859.069667 * t + 165.94905)), 5),  // Mars
      PowerTable<5>(PhasorOfDegrees(Mod360(32964.466939 * t + 221.64742)), 3),  // Jupiter
      PowerTable<5>(PhasorOfDegrees(Mod360(34777.259042 * t + 193.1323)), 1),   // Saturn
  };
  const PowerTable<3> anomaly(PhasorOfDegrees(el.ms));
  const auto& phases = PerturbationPhases();
  double sum = 0.0;
  for (int i = 0; i < kSunPerturbationCount; ++i) {
    const SunPerturbation& term = kSunPerturbations[i];
    const Phasor angle = perturber[static_cast<int>(term.planet)][term.multiple] *
                         anomaly[-term.anomalyMultiple] * phases[i];
    sum += term.amplitude * angle.re;
  }
  sum += 6.454 * SinOfDegrees(el.dm) + 0.424 * SinOfDegrees(el.dm - el.am);
  const double aberration = -(0.342 * anomaly[1].re + 20.47) * kArcSecond;
  double so = el.ts + el.p1 + sum * kArcSecond + el.nut + aberration;
  if (so < 0.0) so += 360.0;
  return so;
}

double MoonLongitude(const SolarElements& el) {
  const double t = el.t;
  double lSun = el.ms;
  double l = el.lm - el.pm;
  double f = el.lm - el.om;
  double d = el.dm;
  double lm = el.lm;
  const double s1 = SinOfDegrees(20.2 * t + 51.2);
  const double s2 = 14.27 * SinOfDegrees(193.4404 - 132.87 * t - 0.0091731 * el.t2);
  const double s3 = el.sinOm;
  const double s4 = -15.58 * SinOfDegrees(275.05 + el.om - 2.3 * t);
  lm += (0.84 * s1 + s2 + 7.261 * s3) * kArcSecond;
  l += (2.94 * s1 + s2 + 9.337 * s3) * kArcSecond;
  d += (7.24 * s1 + s2 + 7.261 * s3) * kArcSecond;
  lSun += (-6.4 * s1) * kArcSecond;
  f += (0.21 * s1 + s2 - 88.699 * s3 + s4) * kArcSecond;

  const PowerTable<4> lPow(PhasorOfDegrees(l));
  const PowerTable<2> lSunPow(PhasorOfDegrees(lSun));
  const PowerTable<2> fPow(PhasorOfDegrees(f));
  const PowerTable<6> dPow(PhasorOfDegrees(d));
  double sum = 0.0;
  for (int g = 0; g < kMoonTermGroups.groupCount; ++g) {
    const MoonTermGroup& group = kMoonTermGroups.groups[g];
    Phasor weighted{0.0, 0.0};
    for (int k = group.firstTerm; k < group.firstTerm + group.termCount; ++k) {
      const MoonTerm& term = kMoonTerms[kMoonTermGroups.terms[k]];
      const Phasor p = dPow[term.d];
      weighted.re += term.amplitude * p.re;
      weighted.im += term.amplitude * p.im;
    }
    const Phasor common = lPow[group.l] * lSunPow[group.lSun] * fPow[group.f];
    sum += common.re * weighted.im + common.im * weighted.re;
  }
  double mo = Mod360(lm + sum / 3600.0) + el.nut;
  if (mo < 0.0) mo += 360.0;
  return mo;
}

double NodeLongitude(const SolarElements& el) {
  double kn = el.om;
  if (kn < 0.0) kn += 360.0;
  return kn;
}

}  // namespace gyrolux
