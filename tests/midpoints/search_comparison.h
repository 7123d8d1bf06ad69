#pragma once

#include <cstdio>
#include <random>

#include <gtest/gtest.h>

#include "midpoints/alarm_evaluator.h"
#include "midpoints/alarm_search.h"
#include "tests/midpoints/search_test_support.h"

namespace gyrolux::testing {

// Found, stop, steps and the moment left, to the last bit.
inline ::testing::AssertionResult SameResult(const SearchResult& a, const SearchResult& b) {
  const ChartMoment& x = a.moment.moment;
  const ChartMoment& y = b.moment.moment;
  if (a.found == b.found && a.stop == b.stop && a.steps == b.steps && SameBits(x.hours, y.hours) &&
      x.day == y.day && x.month == y.month && x.year == y.year && a.moment.dateText == b.moment.dateText) {
    return ::testing::AssertionSuccess();
  }
  return ::testing::AssertionFailure() << "stop " << static_cast<int>(a.stop) << "/" << static_cast<int>(b.stop)
                                       << ", steps " << a.steps << "/" << b.steps << ", "
                                       << a.moment.dateText.toStdString() << " " << x.hours << "/"
                                       << b.moment.dateText.toStdString() << " " << y.hours;
}

// The random cases' draws: factors (MC, AS, MO, SO, the placeholder, WI and GZ at the chance
// given), years (mostly 1600 to 2100, some before and past 2250), places (a fifth from 60 to
// 85 degrees north or south, around and beyond the polar circles, the rest nearer the equator).
struct RandomDraws {
  explicit RandomDraws(uint32_t seed) : random(seed) {}
  bool chance(double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p; }
  int pick(long long low, long long high) {
    return static_cast<int>(std::uniform_int_distribution<long long>(low, high)(random));
  }
  double real(double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); }
  int factor(double special) {
    static constexpr int kSpecial[] = {MC, AS, MO, SO, kFillerAbbrevIndex, WI, GZ};
    return chance(special) ? kSpecial[pick(0, 6)] : pick(0, kMidpointFactorCount - 1);
  }
  int year() { return chance(0.9) ? pick(1600, 2100) : chance(0.5) ? pick(1400, 1599) : pick(2250, 2400); }
  double latitude() { return chance(0.2) ? (chance(0.5) ? 1.0 : -1.0) * real(60.0, 85.0) : real(-60.0, 60.0); }
  std::mt19937 random;
};

// Random searches over windows of up to `window` moments, the fast search against the
// plain loop: pictures and midpoint angles of every factor (MC, AS, MO and SO often, and
// often on both sides), orbs from 0 up, starts at any time (often late, at the end of a
// month or year, at 24:00 as 24.0001), some at odd times. In the modern sky the starts lie
// from 1600, where it begins, to 2400.
inline void CompareRandomSearches(long long count, long long window, uint32_t seed, Ephemeris sky = Ephemeris::Model) {
  RandomDraws r(seed);
  const auto factor = [&] { return r.factor(0.4); };
  const auto orb = [&] {
    return r.chance(0.25) ? 1.18 : r.chance(0.2) ? 1.1 : r.chance(0.1) ? 0.0 : r.real(0.0, r.chance(0.7) ? 0.3 : 2.0);
  };
  long long found = 0;
  long long steps = 0;
  for (long long i = 0; i < count; ++i) {
    const int a = factor();
    AlarmQuery query = PictureQuery(a, factor(), factor(), factor(), orb());
    if (r.chance(0.15)) query.factors[r.pick(2, 3)] = a;  // a factor on both sides
    if (r.chance(0.3))
      query = MidpointAngleQuery(a, factor(), r.chance(0.2) ? 0.0 : r.chance(0.25) ? 22.5 : r.real(0.0, 22.5));
    if (query.kind == AlarmKind::MidpointAngle && r.chance(0.3)) query.orb = orb();
    int year = r.year();
    if (sky == Ephemeris::Swiss && year < 1600) year += 200;
    const int month = r.chance(0.1) ? 12 : r.pick(1, 12);
    const int length = GregorianMonthLength(year, month);
    const double hours =
        r.chance(0.3) ? r.real(23.0, 24.0) : r.chance(0.1) ? 24.0001 : r.chance(0.05) ? 1e300 : r.real(0.0, 24.0);
    const double latitude = r.latitude();
    SearchMoment start = Start(r.chance(0.3) ? length : r.pick(1, length), month, year, hours, latitude);
    start.moment.ephemeris = sky;
    SearchOptions options;
    options.maxSteps = r.chance(0.1) ? r.pick(1, 20) : r.pick(1, window);
    options.threads = r.pick(1, 2);
    const SearchResult plain = PlainAlarmSearch(query, start, options);
    ASSERT_TRUE(SameResult(FastAlarmSearch(query, start, options), plain))
        << "case " << i << ": " << FactorAbbrev[query.factors[0]] << "/" << FactorAbbrev[query.factors[1]] << "="
        << FactorAbbrev[query.factors[2]] << "/" << FactorAbbrev[query.factors[3]] << " angle " << query.angle
        << " orb " << query.orb << " from " << start.dateText.toStdString() << " " << hours << " latitude "
        << start.moment.latitude;
    found += plain.found ? 1 : 0;
    steps += plain.steps;
  }
  std::printf("%lld random searches, %lld found, %lld moments tested\n", count, found, steps);
}

// Random watches in every dial mode (360, 90, 45 and 22.5 degrees), walked by the
// evaluator as the fast search walks it: its verdict at each moment it tests and every
// moment it vouches for against the plain loop's test of the full chart, and the fast
// search's result against the plain loop's. Midpoints of every factor (MC, AS, SO and MO
// often), fixed positions anywhere in the mode, orbs from 0 up, starts as in the searches.
inline void CompareRandomWatches(long long count, long long window, uint32_t seed) {
  RandomDraws r(seed);
  const auto factor = [&] { return r.factor(0.5); };
  constexpr DialMode kModes[] = {kMode360, kMode90, kMode45, kMode22_5};
  long long moments = 0;
  long long hits = 0;
  for (long long i = 0; i < count; ++i) {
    Watch watch;
    watch.mode = kModes[i % 4];
    const double width = watch.mode.Width();
    watch.first.factors = {factor(), factor()};
    watch.second.factors = {r.chance(0.2) ? watch.first.factors[0] : factor(), factor()};
    if (r.chance(0.25)) watch.second.fixed = r.chance(0.2) ? width * r.pick(0, 1) : r.real(0.0, width);
    watch.orb.degrees = r.chance(0.2) ? 0.0 : r.chance(0.2) ? 1.18 : r.real(0.0, r.chance(0.5) ? 0.5 : width / 4.0);
    const int year = r.year();
    const int month = r.pick(1, 12);
    const double latitude = r.latitude();
    const SearchMoment start = Start(r.chance(0.2) ? GregorianMonthLength(year, month) : r.pick(1, 28), month, year,
                                     r.chance(0.2) ? r.real(23.0, 24.0) : r.real(0.0, 24.0), latitude);
    SearchOptions options;
    options.maxSteps = r.pick(1, window);
    options.threads = r.pick(1, 2);
    ASSERT_TRUE(SameResult(FastWatchSearch(watch, start, options), PlainWatchSearch(watch, start, options)))
        << "case " << i;
    const MomentSequence sequence(start, *options.maxSteps);
    const AlarmEvaluator evaluator(watch, sequence);
    Chart chart = ChartAt(start);
    StepVerdict verdict;
    verdict.sameUntil = -1;
    for (int64_t m = 0; m < sequence.Size(); ++m, LiteralStep(chart)) {
      RecomputeChart(chart);
      const bool hit = IsHit(watch, WatchedDistance(watch, chart.state.factorLongitude));
      if (m > verdict.sameUntil) verdict = evaluator.Evaluate(m, sequence.Size() - 1);
      ASSERT_EQ(verdict.hit, hit) << "case " << i << " moment " << m << ": " << FactorAbbrev[watch.first.factors[0]]
                                  << "/" << FactorAbbrev[watch.first.factors[1]] << "="
                                  << FactorAbbrev[watch.second.factors[0]] << "/"
                                  << FactorAbbrev[watch.second.factors[1]] << " fixed "
                                  << watch.second.fixed.value_or(-1.0) << " width " << width << " orb "
                                  << watch.orb.degrees << " from " << start.dateText.toStdString() << " latitude "
                                  << latitude;
      hits += hit ? 1 : 0;
    }
    moments += sequence.Size();
  }
  std::printf("%lld random watches, %lld moments, %lld hits\n", count, moments, hits);
}

}  // namespace gyrolux::testing
