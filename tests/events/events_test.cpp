// The event search against a brute-force scan of the full model at one-minute steps:
// every crossing of a radix position and every orb boundary the scan sees is reported to
// the second of the true moment (bisected on the model), with the pass the scan counts,
// and nothing else is reported.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <map>
#include <random>

#include <QRegularExpression>

#include "engine/chart_core.h"
#include "engine/formatting.h"
#include "ephemeris/swiss_sky.h"
#include "events/event_search.h"
#include "events/radix_lists.h"
#include "midpoints/picture_orb.h"

namespace gyrolux {
namespace {

struct Picture {
  EventKind kind;
  std::array<int, 2> moving;
  std::array<int, 2> target;
  auto operator<=>(const Picture&) const = default;
};

// What the minute scan finds for one picture: true crossings and boundary moments, in
// seconds (not rounded).
struct Seen {
  std::vector<double> crossings;
  std::vector<int> passes;  // of each crossing
  std::vector<double> boundaries;
  std::vector<std::pair<double, double>> standstills;  // least distance short of the position, and its moment
};

// The passes over one radix position, counted along the moving term's unwrapped offset
// from it: each crossing of an alias, and each turn inside the orb short of it, is the
// next pass while the term stays with that alias; entering the orb of another alias (the
// term has come round the mode's circle) starts the count again. A stay under way when the
// count starts (a slow midpoint can stay in a wide orb for years) has no known count.
struct PassCount {
  double unwrapped = 0.0, width = 22.5, orb = 1.0;
  int64_t alias = std::numeric_limits<int64_t>::min();
  int count = 0;
  bool known = true;
  double turnSample = 0.0, turnDelta = 0.0;  // the hourly samples that show a turn

  int64_t Nearest(double u) const { return std::llround(u / width); }
  void Enter(double u) {
    const int64_t j = Nearest(u);
    if (std::fabs(u - static_cast<double>(j) * width) < orb && j != alias) alias = j, count = 0, known = true;
  }
  // The offset moved by `change` (under half the width); returns the pass of a crossing
  // (-1 when not known), else 0.
  int Step(double change) {
    const double before = unwrapped;
    unwrapped += change;
    Enter(unwrapped);
    const double level = static_cast<double>(Nearest(0.5 * (before + unwrapped))) * width;
    if ((before - level < 0) == (unwrapped - level < 0)) return 0;
    ++count;
    return known ? count : -1;
  }
  // An hourly sample: a turn short of the alias within the orb is a pass as well.
  void Hourly() {
    const double delta = unwrapped - turnSample;
    const double g = turnSample - static_cast<double>(Nearest(turnSample)) * width;
    if (delta * turnDelta < 0 && Nearest(turnSample) == alias && std::fabs(g) < orb && (turnDelta > 0) == (g < 0)) ++count;
    if (delta != 0.0) turnDelta = delta;
    turnSample = unwrapped;
  }
};

std::vector<Picture> PicturesOf(const EventQuery& query) {
  std::vector<Picture> pictures;
  std::vector<std::array<int, 2>> factors, all;
  for (int a = 0; a < kFactorCount; ++a) factors.push_back({a, kFillerAbbrevIndex});
  all = factors;
  for (int a = 0; a < kFactorCount; ++a)
    for (int b = a + 1; b < kFactorCount; ++b) all.push_back({a, b});
  for (const int m : query.moving) {
    if (query.kinds & EventKindBit(EventKind::Transit))
      for (const auto& t : all) pictures.push_back({EventKind::Transit, {m, kFillerAbbrevIndex}, t});
    if (query.kinds & EventKindBit(EventKind::Arc))
      for (const auto& t : all) pictures.push_back({EventKind::Arc, {m, kFillerAbbrevIndex}, t});
  }
  if (query.kinds & EventKindBit(EventKind::Midpoint)) {
    for (size_t i = 0; i < query.moving.size(); ++i)
      for (size_t j = i + 1; j < query.moving.size(); ++j)
        for (const auto& t : factors)
          pictures.push_back({EventKind::Midpoint,
                              {std::min(query.moving[i], query.moving[j]), std::max(query.moving[i], query.moving[j])},
                              t});
  }
  return pictures;
}

// The moment within (a, b) seconds where f changes its verdict, to a millisecond.
template <typename F>
double Bisect(double a, double b, const F& f) {
  const bool start = f(a);
  while (b - a > 1e-3) {
    const double m = 0.5 * (a + b);
    (f(m) == start ? a : b) = m;
  }
  return 0.5 * (a + b);
}

std::map<Picture, Seen> MinuteScan(const EventQuery& query) {
  const double orb = query.orb.degrees, width = query.mode.Width();
  struct Scan {
    Picture picture;
    RadixEvent probe;
    Watch watch;
    double before = 0.0;
    PassCount passes;
    double beforeThat = NAN;
  };
  std::vector<Scan> scans;
  for (const Picture& picture : PicturesOf(query)) {
    RadixEvent probe;
    probe.kind = picture.kind;
    probe.moving = picture.moving;
    probe.target = picture.target;
    scans.push_back({picture, probe, EventWatch(query, probe), 0.0, {}, NAN});
  }
  std::map<Picture, Seen> seen;
  // One chart and one progressed chart a minute serve every picture.
  const auto charts = [&](double s, ChartResult& now, ChartResult& progressed) {
    ComputeFactors(EventMoment(query, s), kAllFactors, now);
    ComputeFactors(EventMoment(query, ProgressedSeconds(query, s)), FactorBit(SO), progressed);
  };
  const auto offset = [&](const Scan& scan, const ChartResult& now, const ChartResult& progressed) {
    return WatchedOffset(scan.watch, (scan.picture.kind == EventKind::Arc ? progressed : now).state.factorLongitude);
  };
  ChartResult now, progressed;
  // The passes are counted from 416 days before the period (hourly there), the search's
  // look-back, long enough for any retrograde loop begun before it.
  const double lead = -416.0 * 86400.0;
  charts(lead, now, progressed);
  for (Scan& scan : scans) {
    scan.before = offset(scan, now, progressed);
    scan.passes = {scan.before, width, orb};
    scan.passes.turnSample = scan.before;
    scan.passes.Enter(scan.before);
    scan.passes.known = scan.passes.alias == std::numeric_limits<int64_t>::min();
  }
  for (double s = lead + 3600.0; s < 0.0; s += 3600.0) {
    charts(s, now, progressed);
    for (Scan& scan : scans) {
      const double after = offset(scan, now, progressed);
      scan.passes.Step(std::remainder(after - scan.before, width));
      scan.passes.Hourly();
      scan.before = after;
    }
  }
  charts(0.0, now, progressed);
  for (Scan& scan : scans) {
    const double after = offset(scan, now, progressed);
    scan.passes.Step(std::remainder(after - scan.before, width));
    scan.passes.Hourly();
    scan.before = after;
  }
  const double end = static_cast<double>(query.days) * 86400.0;
  for (double s = 60.0; s <= end + 1e-9; s += 60.0) {
    charts(s, now, progressed);
    for (Scan& scan : scans) {
      const double after = offset(scan, now, progressed);
      const int pass = scan.passes.Step(std::remainder(after - scan.before, width));
      if (std::fmod(s, 3600.0) == 0.0) scan.passes.Hourly();
      const auto exact = [&](double x) { return ExactEventOffset(query, scan.probe, x); };
      Seen& out = seen[scan.picture];
      if (std::fabs(scan.before) < width / 4 && std::fabs(after) < width / 4 && (scan.before < 0) != (after < 0)) {
        out.crossings.push_back(Bisect(s - 60.0, s, [&](double x) { return exact(x) < 0; }));
        out.passes.push_back(pass);
      }
      if ((std::fabs(scan.before) < orb) != (std::fabs(after) < orb))
        out.boundaries.push_back(Bisect(s - 60.0, s, [&](double x) { return std::fabs(exact(x)) < orb; }));
      // A least distance a minute ago, on the same side before and after: a standstill.
      const double d = std::fabs(scan.before);
      if (d < orb && d < std::fabs(scan.beforeThat) && d <= std::fabs(after) && (scan.beforeThat < 0) == (after < 0) &&
          (scan.before < 0) == (after < 0))
        out.standstills.push_back({s - 60.0, d});
      scan.beforeThat = scan.before;
      scan.before = after;
    }
  }
  return seen;
}

int Compare(const EventQuery& query, const std::string& label) {
  std::map<Picture, std::vector<RadixEvent>> found;
  int64_t last = std::numeric_limits<int64_t>::min();
  EXPECT_EQ(FindRadixEvents(query,
                            [&](const RadixEvent& e) {
                              EXPECT_GE(e.exact, last) << label;  // sorted by the exact moment
                              last = e.exact;
                              found[{e.kind, e.moving, e.target}].push_back(e);
                            }),
            EventSearchEnd::Done);
  const auto seen = MinuteScan(query);
  const auto near = [](int64_t reported, double truth) { return std::fabs(reported - truth) <= 0.5 + 2e-3; };
  int crossings = 0;
  for (const auto& [picture, s] : seen) {
    const std::string name = label + " " + FactorAbbrev[picture.moving[0]] + "/" + FactorAbbrev[picture.moving[1]] +
                             " on " + FactorAbbrev[picture.target[0]] + "/" + FactorAbbrev[picture.target[1]];
    const std::vector<RadixEvent>& events = found[picture];  // none: an empty list
    std::vector<int64_t> exact, bounds;
    std::vector<int> passes;
    for (const RadixEvent& e : events) {
      if (e.distance == 0.0) exact.push_back(e.exact), passes.push_back(e.pass);
      if (e.entering) bounds.push_back(*e.entering);
      if (e.leaving) bounds.push_back(*e.leaving);
      EXPECT_LT(e.distance, query.orb.degrees) << name;
      EXPECT_GE(e.exact, 0) << name;
      EXPECT_LT(e.exact, query.days * 86400) << name;
    }
    std::sort(bounds.begin(), bounds.end());
    bounds.erase(std::unique(bounds.begin(), bounds.end()), bounds.end());
    EXPECT_EQ(exact.size(), s.crossings.size()) << name;
    if (exact.size() != s.crossings.size()) continue;
    for (size_t i = 0; i < exact.size(); ++i) EXPECT_PRED2(near, exact[i], s.crossings[i]) << name;
    for (size_t i = 0; i < passes.size(); ++i) {
      if (s.passes[i] > 0) {
        EXPECT_EQ(passes[i], s.passes[i]) << name << " crossing " << i;
      }
    }
    crossings += static_cast<int>(exact.size());
    // The stay around each crossing enters and leaves where the scan saw it, and every
    // entering or leaving reported is a boundary the scan saw.
    for (const double c : s.crossings) {
      const auto after = std::upper_bound(s.boundaries.begin(), s.boundaries.end(), c);
      if (after != s.boundaries.begin()) {
        const double b = *(after - 1);
        EXPECT_TRUE(std::any_of(bounds.begin(), bounds.end(), [&](int64_t x) { return near(x, b); })) << name << " entering " << b;
      }
      if (after != s.boundaries.end()) {
        EXPECT_TRUE(std::any_of(bounds.begin(), bounds.end(), [&](int64_t x) { return near(x, *after); })) << name << " leaving " << *after;
      }
    }
    for (const int64_t x : bounds) {
      EXPECT_TRUE(std::any_of(s.boundaries.begin(), s.boundaries.end(), [&](double b) { return near(x, b); }))
          << name << " reported boundary " << x;
    }
    // Standstills match both ways, away from the period's ends, within an hour (a turn's
    // moment is ill-defined) and a millionth of a degree.
    const double end = static_cast<double>(query.days) * 86400.0;
    const auto matches = [&](double when, double distance, double otherWhen, double otherDistance) {
      return std::fabs(when - otherWhen) < 3600.0 && std::fabs(distance - otherDistance) < 1e-6;
    };
    for (const std::pair<double, double>& seenOne : s.standstills) {
      if (seenOne.first < 7200.0 || seenOne.first > end - 7200.0) continue;
      EXPECT_TRUE(std::any_of(events.begin(), events.end(), [&](const RadixEvent& e) {
        return e.distance > 0.0 && matches(static_cast<double>(e.exact), e.distance, seenOne.first, seenOne.second);
      })) << name << " standstill at " << seenOne.first;
    }
    for (const RadixEvent& e : events) {
      if (e.distance == 0.0 || e.exact < 7200 || static_cast<double>(e.exact) > end - 7200.0) continue;
      EXPECT_TRUE(std::any_of(s.standstills.begin(), s.standstills.end(), [&](const auto& seen) {
        return matches(static_cast<double>(e.exact), e.distance, seen.first, seen.second);
      })) << name << " reported standstill at " << e.exact;
    }
  }
  for (const auto& [picture, events] : found) EXPECT_TRUE(seen.count(picture)) << label;
  return crossings;
}

EventQuery RandomQuery(std::mt19937& random, int maxDays, Ephemeris sky = Ephemeris::Model) {
  std::uniform_int_distribution<int> year(1900, 2100), month(1, 12), day(1, 28), days(1, maxDays);
  std::uniform_real_distribution<double> hours(0.0, 24.0), lon(-180.0, 180.0), lat(-60.0, 60.0), orb(0.2, 2.0);
  EventQuery query;
  query.radix = {day(random), month(random), year(random), hours(random), lon(random), lat(random)};
  query.radix.westLongitude = query.radix.longitude < 0;
  query.radix.southLatitude = query.radix.latitude < 0;
  query.radix.ephemeris = sky;
  ChartResult chart;
  ComputeChart(query.radix, chart);
  query.radixLongitudes = chart.state.factorLongitude;
  query.from = {day(random), month(random), query.radix.year + std::uniform_int_distribution<int>(0, 60)(random)};
  query.days = days(random);
  query.orb = Orb{orb(random)};
  const std::vector<int> bodies{SO, MO, KN, ME, VE, MA, JU, SA, UR, NE, PL, CU, HA, ZE, KR, AP, AD, VU, PO};
  std::uniform_int_distribution<size_t> pick(0, bodies.size() - 1);
  query.moving = {bodies[pick(random)], bodies[pick(random)]};
  if (query.moving[0] == query.moving[1]) query.moving.pop_back();
  query.kinds = std::uniform_int_distribution<unsigned>(1, 7)(random);
  return query;
}

// Random radixes, periods, factors and kinds: a quick handful here, many under `long`.
void RandomCases(int count, int maxDays, unsigned seed, Ephemeris sky = Ephemeris::Model) {
  std::mt19937 random(seed);
  int crossings = 0;
  for (int i = 0; i < count; ++i) {
    const EventQuery query = RandomQuery(random, maxDays, sky);
    crossings += Compare(query, "case " + std::to_string(i));
  }
  EXPECT_GT(crossings, count);  // the cases test something
}

TEST(EventSearchTest, RandomCasesMatchTheMinuteScan) {
  RandomCases(3, 12, 7);
  InstallSwissSky();
  RandomCases(3, 12, 5, Ephemeris::Swiss);
}

// The modern sky bends Apollon's light while it passes behind the Sun (29 October 2025),
// fast and not smoothly: radix positions placed on its path through those hours must be
// crossed to the second, each once.
TEST(EventSearchTest, ModernSkyBehindTheSun) {
  InstallSwissSky();
  EventQuery query;
  query.radix = {1, 1, 1990, 12.0, 10.0, 50.0};
  query.radix.ephemeris = Ephemeris::Swiss;
  query.from = {27, 10, 2025};
  query.days = 5;
  query.moving = {AP};
  query.kinds = EventKindBit(EventKind::Transit);
  query.orb = Orb{0.01};
  double conjunction = 0.0, closest = 360.0;
  for (double s = 0.0; s < 5 * 86400.0; s += 600.0) {
    ChartResult r;
    ComputeFactors(EventMoment(query, s), FactorBit(AP) | FactorBit(SO), r);
    const double apart = std::fabs(std::remainder(r.state.factorLongitude[AP] - r.state.factorLongitude[SO], 360.0));
    if (apart < closest) closest = apart, conjunction = s;
  }
  ASSERT_LT(closest, 0.3);
  for (int f = 0; f < kFactorCount; ++f) query.radixLongitudes[f] = std::fmod(37.0 * f + 5.0, 360.0);
  const std::array<double, 8> hours{-20.0, -6.0, -2.0, -0.5, 0.0, 0.7, 3.0, 9.0};
  for (size_t i = 0; i < hours.size(); ++i) {
    ChartResult r;
    ComputeFactors(EventMoment(query, conjunction + hours[i] * 3600.0), FactorBit(AP), r);
    query.radixLongitudes[SO + static_cast<int>(i)] = r.state.factorLongitude[AP] + 1e-5 * static_cast<double>(i % 3);
  }
  EXPECT_GE(Compare(query, "behind the Sun"), static_cast<int>(hours.size()));
}
// A sanitized build computes a chart many times slower: it runs fewer cases
// (GYROLUX_EVENT_CASES) over the same kinds of periods.
TEST(EventSearchTest, ManyRandomCasesMatchTheMinuteScan) {
  const char* cases = std::getenv("GYROLUX_EVENT_CASES");
  const int count = cases != nullptr ? std::atoi(cases) : 40;
  RandomCases(count, 60, 11);
  InstallSwissSky();
  RandomCases(std::max(1, count / 4), 60, 13, Ephemeris::Swiss);
}

// A radix position set just inside the orb's edge from where Jupiter stands still: the
// stay is a few hours, and the search must neither miss it nor double it; and one set on
// the station itself gives three passes within one retrograde loop.
TEST(EventSearchTest, StationNearTheOrbEdgeAndThreePasses) {
  EventQuery query;
  query.radix = {1, 1, 1990, 12.0, 10.0, 50.0};
  query.from = {1, 4, 2020};
  query.days = 255;
  query.moving = {JU};
  query.orb = Orb{1.0};
  // Jupiter's first station in the period, from the full model at hourly steps.
  double station = 0.0, longitude = 0.0, side = 1.0;
  for (double s = 3600.0, previous = -1e9, before = 0.0;; s += 3600.0) {
    ChartResult r;
    ComputeFactors(EventMoment(query, s), FactorBit(JU), r);
    const double now = r.state.factorLongitude[JU];
    if (previous > -1e8 && (now - previous) * (previous - before) < 0) {
      station = s, longitude = previous, side = previous > before ? 1.0 : -1.0;
      break;
    }
    before = previous, previous = now;
  }
  ASSERT_GT(station, 0.0);
  query.radixLongitudes[SO] = longitude + side * (1.0 - 3e-5);  // 3e-5 inside the orb at the standstill
  query.radixLongitudes[MO] = longitude - side * 0.2;          // passed three times
  EXPECT_GT(Compare(query, "station"), 0);
  std::vector<int> passes;
  std::vector<RadixEvent> touches;
  FindRadixEvents(query, [&](const RadixEvent& e) {
    if (e.target[0] == MO && e.target[1] == kFillerAbbrevIndex) passes.push_back(e.pass);
    if (e.target[0] == SO && e.target[1] == kFillerAbbrevIndex && e.distance > 0.0) touches.push_back(e);
  });
  EXPECT_EQ(passes, (std::vector<int>{1, 2, 3}));
  // The standstill short of the radix Sun: one event, at the station, 3e-5 inside the orb,
  // its stay a few hours around it.
  ASSERT_EQ(touches.size(), 1u);
  EXPECT_NEAR(touches[0].distance, 1.0 - 3e-5, 2e-6);
  EXPECT_NEAR(static_cast<double>(touches[0].exact), station, 3600.0);
  ASSERT_TRUE(touches[0].entering && touches[0].leaving);
  EXPECT_LT(*touches[0].leaving - *touches[0].entering, 86400);
}

// The lists against a radix: a moment equal to the radix puts every factor on itself, the
// solar arc a year after birth is the Sun's motion on the day after birth, every sum
// line recomputes from the radix, and each list runs from the closest hit on.
Chart ChartAt(int day, int month, int year, double hours) {
  Chart chart;
  chart.moment = {day, month, year, hours, 13.4, 52.5};
  chart.texts.dateText = FormatDateText(day, month, year);
  RecomputeChart(chart);
  return chart;
}

// The degrees of a line's orb, "00°12'34\"" at its end.
double OrbOf(const QString& line) {
  const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("(\\d+)°(\\d+)'(\\d+)\"$")).match(line);
  EXPECT_TRUE(m.hasMatch()) << line.toStdString();
  return m.captured(1).toDouble() + m.captured(2).toDouble() / 60.0 + m.captured(3).toDouble() / 3600.0;
}

TEST(RadixLists, FactorsOnThemselvesTheArcAndTheSums) {
  const Chart radix = ChartAt(14, 7, 1968, 9.5);
  for (const RadixListKind kind : {RadixListKind::Transite, RadixListKind::Progression}) {
    const QStringList lines = RadixList(kind, radix, QStringLiteral("Anna"), radix, kPictureOrb);
    const QChar mark = kind == RadixListKind::Transite ? u't' : u'p';
    for (const char* factor : {"MC", "SO", "MO", "KN", "PL", "PO"}) {
      const QString line = QStringLiteral(" %1%2 = %1r").arg(QLatin1String(factor)).arg(mark);
      EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](const QString& l) {
        return l.startsWith(line + u' ') && OrbOf(l) == 0.0;
      })) << line.toStdString();
    }
  }
  // 366 days after birth the progressed moment is 366 / 365.25 days after it: the arc is
  // the Sun's motion of the day after birth, in that share.
  const Chart later = ChartAt(15, 7, 1969, 9.5);
  const Chart dayAfter = ChartAt(15, 7, 1968, 9.5);
  const double expected = dayAfter.state.factorLongitude[SO] - radix.state.factorLongitude[SO];
  EXPECT_NEAR(SolarArc(later, radix), expected * 366.0 / 365.25, 1e-6);

  const QStringList sums = RadixList(RadixListKind::Summen, later, QStringLiteral("Anna"), radix, Orb{0.5});
  const QRegularExpression pattern(QStringLiteral("^ (\\w\\w)(\\w)\\+(\\w\\w)\\w-(\\w\\w)\\w = (\\w\\w)r"));
  double previous = 0.0;
  int checked = 0;
  for (const QString& line : sums.mid(3)) {
    const QRegularExpressionMatch m = pattern.match(line);
    ASSERT_TRUE(m.hasMatch()) << line.toStdString();
    const auto id = [](const QString& name) {
      return static_cast<int>(std::find_if(FactorAbbrev.begin(), FactorAbbrev.end(),
                                           [&](const char* a) { return name == QLatin1String(a); }) -
                              FactorAbbrev.begin());
    };
    const FactorLongitudes& from = (m.captured(2) == u"r" ? radix : later).state.factorLongitude;
    const double point = from[id(m.captured(1))] + from[id(m.captured(3))] - from[id(m.captured(4))];
    const double d = std::remainder(point - radix.state.factorLongitude[id(m.captured(5))], 22.5);
    EXPECT_NEAR(std::fabs(d), OrbOf(line), 1.0 / 3600.0) << line.toStdString();
    EXPECT_LT(std::fabs(d), 0.5);
    EXPECT_GE(OrbOf(line), previous);
    previous = OrbOf(line);
    ++checked;
  }
  EXPECT_GT(checked, 100);
}

}  // namespace
}  // namespace gyrolux
