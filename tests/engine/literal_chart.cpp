#include "tests/engine/literal_chart.h"

#include <cmath>

#include "engine/angles.h"
#include "engine/planet_element_table.h"

namespace gyrolux::testing {

namespace {

double Int(double x) { return std::trunc(x); }

// Step 1.
void TimeScale(const ChartMoment& mo, ChartState& st) {
  double y, m;
  if (mo.month > 2) {
    y = mo.year;
    m = mo.month;
  } else {
    y = mo.year - 1.0;
    m = mo.month + 12.0;
  }
  double b;
  if (mo.year >= 1582) {
    b = Int(y / 400) - Int(y / 100);
  } else {
    b = -2;
  }
  const double jd = Int(365.25 * y) + Int(30.6001 * (m + 1)) + b + 1720996.5 + mo.day;
  st.centuriesT = ((jd - 2415020.0) + mo.hours / 24) / 36525;
  const double eps = 23.452294 - 0.0130125 * st.centuriesT;
  st.negObliquity = -DegToRad(eps);
}

double ZenithLongitude(double theta, double negObliquity, double latitude) {
  const RectPoint cs = PolarToRect(DegToRad(latitude), 1);
  const double c = cs.x, s = cs.y;
  const RectPoint xy = PolarToRect(theta, c);
  PolarPoint ra = RectToPolar(xy.y, s);
  double alpha = ra.angle + negObliquity;
  const RectPoint uv = PolarToRect(alpha, ra.r);
  double lambda = RectToPolar(xy.x, uv.x).angle;
  if (lambda < 0) lambda = lambda + 6.283185307179586;
  return lambda;
}

// Step 2.
void SiderealAndAngles(const ChartMoment& mo, ChartResult& res) {
  ChartState& st = res.state;
  const double T = st.centuriesT;
  const double S = ((2400.051262 * T + 6.646065556) + 2.5805e-05 * T * T + mo.hours) * 15 + mo.longitude;
  st.ramc = DegToRad(Mod360(S));
  double lst = RadToDeg(st.ramc);
  while (lst < 0) lst = lst + 360;
  st.localSiderealHours = lst / 15;
  double G = 2400.051262 * T + 6.646065556 + 2.5805e-05 * T * T;
  G = Mod360(G);
  while (G < 0) G = G + 24;
  while (G > 24) G = G - 24;
  res.siderealHours = G;
  double I = G - mo.hours;
  if (I < 0) I = I + 24;
  if (I < 0) I = I + 24;
  res.indexSiderealHours = I;

  const int ml[13] = {0, 31, 0, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int k = 1; k <= 12; ++k) {
    if (k != 2) st.monthLength[k] = ml[k];
  }
  st.monthLength[2] = mo.year % 4 == 0 ? 29 : 28;
  const int n = static_cast<int>(mo.hours * 60 / 3.951388888888);
  int d = mo.day, m = mo.month, y = mo.year;
  for (int i = 0; i < n + 1; ++i) {  // one day back at a time
    d = d - 1;
    if (d == 0) {
      m = m - 1;
      if (m == 0) {
        m = 12;
        y = y - 1;
        st.monthLength[2] = y % 4 == 0 ? 29 : 28;
      }
      d = st.monthLength[m];
    }
  }
  res.indexDay = d;
  res.indexMonth = m;
  res.indexYear = y;

  RectPoint p = PolarToRect(st.ramc, 1);
  const double eps = -st.negObliquity;
  p.x = p.x * std::cos(eps);
  const double mc = Mod360(RadToDeg(RectToPolar(p.x, p.y).angle));
  const double lambda = ZenithLongitude(st.ramc, st.negObliquity, mo.latitude);
  const double as = Mod360(RadToDeg(lambda + 1.5707963267948966));
  st.factorLongitude[0] = mc;
  st.factorLongitude[3] = as;
  st.factorLongitude[1] = 0.0;
}

// Working values that step 3 leaves for step 4.
struct SunWork {
  double Lm, Pm, Om, Ms, Dm, Nut;
};

// Step 3.
SunWork Sun(ChartState& st) {
  const double T = st.centuriesT;
  const double T2 = T * T;
  const double N = T * 36525;
  SunWork w;
  w.Lm = Mod360(13.1763965268 * N + 270.4341639 + (1.9e-06 * T - 0.001133) * T2);
  w.Pm = Mod360(0.1114040803 * N + 334.3295556 + (-1.2e-05 * T + 0.010325) * T2);
  w.Om = Mod360(259.183275 - 0.0529539222 * N + (2e-06 * T + 0.002078) * T2);
  double Ls = 36000.76892 * T + 279.6966778 + 0.0003025 * T * T;
  double Ms = 35999.04975 * T + 358.4758444 - 0.00015 * T * T;
  const double e = 0.01675104 - 4.18e-05 * T - 1.26e-07 * T * T;
  Ms = Mod360(Ms);
  Ls = Mod360(Ls);
  Ms = DegToRad(Ms);
  double Ek = Ms;
  for (int i = 0; i < 5; ++i) Ek = e * std::sin(Ek) + Ms;
  double Vs = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * TanRad(Ek / 2));
  Vs = RadToDeg(Vs);
  if (Vs < 0) Vs = Vs + 360;
  Ms = RadToDeg(Ms);
  const double Ts = Mod360(Vs - Ms + Ls);
  const double P1 = (6.4 * SinDeg(20.2 * T + 231.19) + (1.882 - 0.016 * T) * SinDeg(150.27 * T + 57.24) +
                     0.266 * SinDeg(119 * T + 31.8) + 0.202 * SinDeg(893.3 * T + 315.6)) / 3600;
  Ms = Ms + P1;
  const double Dm = 445267.114166 * T + 350.7374861 - 0.001436111 * T * T;
  const double Am = 477198.8489 * T + 296.1046083 + 0.00919166666 * T * T;
  const double Av = Mod360(22518.442986 * T + 63.07037);
  const double Aa = Mod360(16859.069667 * T + 165.94905);
  const double Aj = Mod360(32964.466939 * T + 221.64742);
  const double Ab = Mod360(34777.259042 * T + 193.1323);
  const double M = Ms;
  const double venus = 4.838 * CosDeg(Av + 90) + 5.526 * CosDeg(2 * Av + 90.12) +
                       2.497 * CosDeg(2 * Av - M + 257.75) + 1.559 * CosDeg(3 * Av - M + 77.96) +
                       1.024 * CosDeg(3 * Av - 2 * M + 50.85) + 0.666 * CosDeg(3 * Av + 270.41) +
                       0.21 * CosDeg(4 * Av + 89.8) + 0.154 * CosDeg(5 * Av - 3 * M + 34.1) +
                       0.152 * CosDeg(4 * Av - 2 * M + 227.4) + 0.144 * CosDeg(4 * Av - M + 79);
  const double mars = 2.043 * CosDeg(2 * Aa + 89.76) + 1.77 * CosDeg(2 * Aa - M + 306.27) +
                      0.585 * CosDeg(4 * Aa - 2 * M + 185.82) + 0.5 * CosDeg(4 * Aa - M + 317.7) +
                      0.425 * CosDeg(3 * Aa - M + 317.7) + 0.204 * CosDeg(5 * Aa - 2 * M + 185.5);
  const double jupiter = 7.208 * CosDeg(Aj + 91.09) + 2.731 * CosDeg(2 * Aj + 270.25) +
                         2.6 * CosDeg(Aj - M + 174.77) + 1.61 * CosDeg(2 * Aj - M + 292.6) +
                         0.556 * CosDeg(3 * Aj - M + 177.31);
  const double saturn = 0.419 * CosDeg(Ab + 90.34) + 0.32 * CosDeg(Ab - M + 259.22);
  const double moon = 6.454 * SinDeg(Dm) + 0.424 * SinDeg(Dm - Am);
  const double Nut = (-(0.01737 * T + 17.2327) * SinDeg(w.Om) - 1.273 * SinDeg(2 * Ls)) / 3600;
  const double Abr = (-(0.342 * CosDeg(Ms) + 20.47)) / 3600;
  double SO = Ts + P1 + (venus + mars + jupiter + saturn + moon) / 3600 + Nut + Abr;
  if (SO < 0) SO = SO + 360;
  st.factorLongitude[2] = SO;
  w.Ms = Ms;
  w.Dm = Dm;
  w.Nut = Nut;
  return w;
}

// Step 4.
void MoonAndNode(ChartState& st, SunWork w) {
  const double T = st.centuriesT;
  const double T2 = T * T;
  double lp = w.Ms;
  double l = w.Lm - w.Pm;
  double F = w.Lm - w.Om;
  double D = w.Dm;
  const double s1 = SinDeg(20.2 * T + 51.2);
  const double s2 = 14.27 * SinDeg(193.4404 - 132.87 * T - 0.0091731 * T2);
  const double s3 = SinDeg(w.Om);
  const double s4 = -15.58 * SinDeg(275.05 + w.Om - 2.3 * T);
  w.Lm += (0.84 * s1 + s2 + 7.261 * s3) / 3600;
  l += (2.94 * s1 + s2 + 9.337 * s3) / 3600;
  D += (7.24 * s1 + s2 + 7.261 * s3) / 3600;
  lp += (-6.4 * s1) / 3600;
  F += (0.21 * s1 + s2 - 88.699 * s3 + s4) / 3600;
  const auto sn = [](double x) { return SinDeg(x); };
  double S = 0;
  S += 769.016 * sn(2 * l) + 2369.912 * sn(2 * D) + 22639.55 * sn(l) - 4586.465 * sn(l - 2 * D) -
       668.1469 * sn(lp) + 191.953 * sn(l + 2 * D) - 411.608 * sn(2 * F) - 211.6562 * sn(2 * l - 2 * D) -
       205.962 * sn(l + lp - 2 * D) - 165.145 * sn(lp - 2 * D);
  S += 147.687 * sn(l - lp) - 125.154 * sn(D) - 109.673 * sn(l + lp) - 55.173 * sn(2 * F - 2 * D) -
       45.099 * sn(l + 2 * F) + 28.475 * sn(l - lp - 2 * D) + 36.124 * sn(3 * l) + 39.529 * sn(l - 2 * F) -
       38.428 * sn(l - 4 * D) - 30.773 * sn(2 * l - 4 * D);
  S += -24.42 * sn(lp + 2 * D) + 9.366 * sn(l - 2 * F - 2 * D) + 9.703 * sn(2 * l - lp) + 13.902 * sn(4 * D) +
       14.387 * sn(2 * l + 2 * D) + 14.577 * sn(l - lp + 2 * D) + 18.023 * sn(lp + D) + 18.609 * sn(l - D) -
       13.193 * sn(3 * l - 2 * D) - 8.627 * sn(2 * l + lp - 2 * D);
  S += -8.466 * sn(l + D) + 3.215 * sn(l - 3 * D) - 8.096 * sn(2 * lp - 2 * D) - 7.649 * sn(2 * l + lp) -
       7.486 * sn(2 * lp) - 7.412 * sn(l + 2 * lp - 2 * D) - 6.382 * sn(l - 2 * F + 2 * D) -
       5.741 * sn(2 * F + 2 * D) - 4.391 * sn(l + lp - 4 * D) - 3.996 * sn(2 * l + 2 * F);
  S += -2.921 * sn(l + lp + 2 * D) + 1.75 * sn(2 * l - D) + 1.938 * sn(4 * l) + 1.979 * sn(l + 4 * D) +
       2.533 * sn(l - 2 * lp - 2 * D) + 2.58 * sn(l - 2 * lp) - 2.74 * sn(2 * l + lp - 4 * D) -
       2.494 * sn(2 * l - lp - 2 * D) - 2.152 * sn(lp + 2 * F - 2 * D) - 1.877 * sn(lp - 4 * D);
  S += 1.06 * sn(3 * l + 2 * D) + 1.181 * sn(2 * l - lp + 2 * D) + 1.225 * sn(2 * l - 3 * D) +
       1.267 * sn(l + lp + D) - 1.44 * sn(lp - 2 * F + 2 * D) - 1.298 * sn(2 * l - 2 * F) -
       1.187 * sn(3 * l - 4 * D) - 1.167 * sn(l + 2 * lp) - 1.089 * sn(l - lp - D) + 0.757 * sn(l - 2 * lp + 2 * D);
  S += 0.56 * sn(lp - D) + 0.636 * sn(l - 4 * D) - 0.992 * sn(l + 2 * F + 2 * D) - 0.952 * sn(4 * l - 2 * D) -
       0.57 * sn(2 * l - 6 * D) - 0.586 * sn(2 * l + D) + 0.538 * sn(2 * l - 2 * F - 2 * D) +
       0.557 * sn(2 * l + 2 * F - 2 * D) + 0.681 * sn(3 * l - lp) + 0.584 * sn(2 * F - D);
  S += -0.551 * sn(3 * l + lp);
  double MO = Mod360(w.Lm + S / 3600) + w.Nut;
  if (MO < 0) MO = MO + 360;
  st.factorLongitude[4] = MO;
  double KN = w.Om;
  if (KN < 0) KN = KN + 360;
  st.factorLongitude[5] = KN;
}

struct Vec {
  double x, y, z;
};

Vec OrbitToEcliptic(double x, double y, double w, double i, double node) {
  const auto turn = [](double angle, double r) { return PlanetPolarToRect(angle, r); };
  PolarPoint p = PlanetRectToPolar(x, y);
  RectPoint q = turn(p.angle + w, p.r);
  const double x1 = q.x, y1 = q.y;
  p = PlanetRectToPolar(y1, 0);
  q = turn(p.angle + i, p.r);
  const double y2 = q.x, z = q.y;
  p = PlanetRectToPolar(x1, y2);
  double theta = p.angle + node;
  if (theta < 0) theta = theta + 6.283185307179586;
  q = turn(theta, p.r);
  return {q.x, q.y, z};
}

// Step 5 with one running index through the element table.
struct PlanetPass {
  const double T;
  int index = 0;
  Vec earthPos{0, 0, 0};
  Vec earthInvVel{0, 0, 0};

  // Reading past the end counts on without reading, so that a layout that wants more
  // values than the table holds shows in the count.
  double Next() {
    const double v = index < kPlanetElementCount ? PlanetElementTable[index] : 0.0;
    ++index;
    return v;
  }
  double Polynomial() {
    const double a0 = Next(), a1 = Next(), a2 = Next();
    return DegToRad(a0 + a1 * T + a2 * T * T);
  }
  double Correction(int terms) {
    double sum = Polynomial();
    for (int k = 0; k < terms; ++k) {
      const double A = Next(), B = Next(), C = Next();
      sum += DegToRad(A) * std::cos((B * T + C) * 3.141592653589793 / 180);
    }
    return RadToDeg(sum);
  }

  void Body(int n, ChartState& st) {
    const double M = ModPositive(Polynomial(), 6.283185307179586);
    const double e = RadToDeg(Polynomial());
    double E = M;
    for (int k = 0; k < 5; ++k) E = e * std::sin(E) + M;
    const double a = Next();
    const double Edot = 0.0172021 / ((1 - e * std::cos(E)) * std::sqrt(a * a * a));
    const double vx = -a * Edot * std::sin(E);
    const double vy = a * Edot * std::sqrt(1 - e * e) * std::cos(E);
    const double w = Polynomial();
    const double node = Polynomial();
    const double inc = Polynomial();
    const Vec V = OrbitToEcliptic(vx, vy, w, inc, node);
    double Gx = 0, Gy = 0;
    if (n == 2) {
      earthInvVel = {-V.x, -V.y, -V.z};
    } else {
      Gx = V.x + earthInvVel.x;
      Gy = V.y + earthInvVel.y;
    }
    const double px = a * (std::cos(E) - e);
    const double py = a * std::sin(E) * std::sqrt(1 - e * e);
    Vec P = OrbitToEcliptic(px, py, w, inc, node);
    if (n >= 9 && n <= 13) {
      const int terms = n == 9 ? 11 : n == 10 ? 5 : 4;
      const double q1 = Correction(terms);
      const double q2 = Correction(terms);
      const double q3 = n == 9 ? 0.0 : Correction(terms - 1);
      P.x += q2;
      P.y += q1;
      P.z += q3;
    }
    double L = (P.x * V.y - P.y * V.x) / (P.x * P.x + P.y * P.y);
    if (n == 2) {
      earthPos = P;
    } else {
      P.x -= earthPos.x;
      P.y -= earthPos.y;
      P.z -= earthPos.z;
      L = (P.x * Gy - P.y * Gx) / (P.x * P.x + P.y * P.y);
    }
    st.retrograde[n] = L < 0 ? 1 : 0;
    const double tau = std::sqrt(P.x * P.x + P.y * P.y + P.z * P.z) * 0.0057683 * RadToDeg(L);
    const double lambda = RadToDeg(PlanetRectToPolar(P.x, P.y).angle) + tau;
    if (n != 2) st.factorLongitude[n] = ModPositive(lambda, 360);
  }

  void Run(ChartState& st) {
    index = 0;
    earthInvVel = {0, 0, 0};
    Body(2, st);
    for (int n = 6; n <= 21; ++n) Body(n, st);
  }
};

}  // namespace

void LiteralChart(const ChartMoment& moment, ChartResult& result) {
  result = ChartResult{};
  TimeScale(moment, result.state);
  SiderealAndAngles(moment, result);
  const SunWork w = Sun(result.state);
  MoonAndNode(result.state, w);
  PlanetPass pass{result.state.centuriesT};
  pass.Run(result.state);
  result.state.factorLongitude[22] = 266.925 + ((moment.year - 2003) * 50) / 3600.0;
}

int LiteralElementValuesRead(double centuriesT) {
  ChartState st;
  PlanetPass pass{centuriesT};
  pass.Run(st);
  return pass.index;
}

}  // namespace gyrolux::testing
