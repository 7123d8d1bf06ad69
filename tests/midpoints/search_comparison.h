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

// Random searches over windows of up to `window` moments, the fast search against the
// plain loop: pictures and midpoint angles of every factor (MC, AS, MO and SO often, and
// often on both sides), orbs from 0 up, starts from 1600 to 2100 at any time (often late,
// at the end of a month or year, at 24:00 as 24.0001), some before 1600 and past 2300,
// some at odd times; places up to 60 degrees north and south, a fifth of them from 60 to
// 85 degrees, around and beyond the polar circles. In the modern sky the starts lie from
// 1600, where it begins, to 2400.
inline void CompareRandomSearches(long long count, long long window, uint32_t seed, Ephemeris sky = Ephemeris::Model) {
  constexpr int kFiller = kFillerAbbrevIndex;
  std::mt19937 random(seed);
  const auto chance = [&](double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p; };
  const auto pick = [&](long long low, long long high) {
    return static_cast<int>(std::uniform_int_distribution<long long>(low, high)(random));
  };
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  const auto factor = [&] {
    static constexpr int kSpecial[] = {MC, AS, MO, SO, kFiller, WI, GZ};
    return chance(0.4) ? kSpecial[pick(0, 6)] : pick(0, kMidpointFactorCount - 1);
  };
  const auto orb = [&] { return chance(0.25) ? 1.18 : chance(0.2) ? 1.1 : chance(0.1) ? 0.0 : real(0.0, chance(0.7) ? 0.3 : 2.0); };
  long long found = 0;
  long long steps = 0;
  for (long long i = 0; i < count; ++i) {
    const int a = factor();
    AlarmQuery query = PictureQuery(a, factor(), factor(), factor(), orb());
    if (chance(0.15)) query.factors[pick(2, 3)] = a;  // a factor on both sides
    if (chance(0.3)) query = MidpointAngleQuery(a, factor(), chance(0.2) ? 0.0 : chance(0.25) ? 22.5 : real(0.0, 22.5));
    if (query.kind == AlarmKind::MidpointAngle && chance(0.3)) query.orb = orb();
    int year = chance(0.9) ? pick(1600, 2100) : chance(0.5) ? pick(1400, 1599) : pick(2250, 2400);
    if (sky == Ephemeris::Swiss && year < 1600) year += 200;
    const int month = chance(0.1) ? 12 : pick(1, 12);
    const int length = GregorianMonthLength(year, month);
    const double hours = chance(0.3) ? real(23.0, 24.0) : chance(0.1) ? 24.0001 : chance(0.05) ? 1e300 : real(0.0, 24.0);
    const double latitude = chance(0.2) ? (chance(0.5) ? 1.0 : -1.0) * real(60.0, 85.0) : real(-60.0, 60.0);
    SearchMoment start = Start(chance(0.3) ? length : pick(1, length), month, year, hours, latitude);
    start.moment.ephemeris = sky;
    SearchOptions options;
    options.maxSteps = chance(0.1) ? pick(1, 20) : pick(1, window);
    options.threads = pick(1, 2);
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
// search's result against the plain loop's. Midpoints of
// every factor (MC, AS, SO and MO often), fixed positions anywhere in the mode, orbs from
// 0 up, places up to 85 degrees, starts as in CompareRandomSearches.
inline void CompareRandomWatches(long long count, long long window, uint32_t seed) {
  std::mt19937 random(seed);
  const auto chance = [&](double p) { return std::uniform_real_distribution<double>(0.0, 1.0)(random) < p; };
  const auto pick = [&](long long low, long long high) {
    return static_cast<int>(std::uniform_int_distribution<long long>(low, high)(random));
  };
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  const auto factor = [&] {
    static constexpr int kSpecial[] = {MC, AS, MO, SO, kFillerAbbrevIndex, WI, GZ};
    return chance(0.5) ? kSpecial[pick(0, 6)] : pick(0, kMidpointFactorCount - 1);
  };
  constexpr DialMode kModes[] = {kMode360, kMode90, kMode45, kMode22_5};
  long long moments = 0;
  long long hits = 0;
  for (long long i = 0; i < count; ++i) {
    Watch watch;
    watch.mode = kModes[i % 4];
    const double width = watch.mode.Width();
    watch.first.factors = {factor(), factor()};
    watch.second.factors = {chance(0.2) ? watch.first.factors[0] : factor(), factor()};
    if (chance(0.25)) watch.second.fixed = chance(0.2) ? width * pick(0, 1) : real(0.0, width);
    watch.orb.degrees = chance(0.2) ? 0.0 : chance(0.2) ? 1.18 : real(0.0, chance(0.5) ? 0.5 : width / 4.0);
    const int year = chance(0.9) ? pick(1600, 2100) : chance(0.5) ? pick(1400, 1599) : pick(2250, 2400);
    const int month = pick(1, 12);
    const double latitude = chance(0.2) ? (chance(0.5) ? 1.0 : -1.0) * real(60.0, 85.0) : real(-60.0, 60.0);
    const SearchMoment start = Start(chance(0.2) ? GregorianMonthLength(year, month) : pick(1, 28), month, year,
                                     chance(0.2) ? real(23.0, 24.0) : real(0.0, 24.0), latitude);
    SearchOptions options;
    options.maxSteps = pick(1, window);
    options.threads = pick(1, 2);
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
