#include "midpoints/all_hits.h"

#include <cmath>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "engine/calendar.h"
#include "engine/chart_core.h"
#include "midpoints/alarm_hit_test.h"

namespace gyrolux {
namespace {

constexpr int kFiller = kFillerAbbrevIndex;

SearchMoment Start(const char* dateText, int day, int month, int year, double hours,
                   double latitude = 52.5001) {
  SearchMoment s;
  s.moment = {day, month, year, hours, 13.4001, latitude, false, false};
  s.dateText = dateText;
  return s;
}

double DistanceAt(const AlarmQuery& query, const ChartMoment& moment) {
  ChartResult chart;
  ComputeChart(moment, chart);
  return AlarmDistance(query, chart.state.factorLongitude);
}

bool HitAt(const AlarmQuery& query, const ChartMoment& moment) {
  return IsWithinOrb(DistanceAt(query, moment), query.orb);
}

// The moment a second earlier or later on the clock, over midnight by the calendar.
ChartMoment SecondAway(const SearchMoment& m, double seconds) {
  Chart chart;
  chart.moment = m.moment;
  chart.texts.dateText = m.dateText;
  chart.moment.hours += seconds / 3600.0;
  if (chart.moment.hours < 0.0) {
    PreviousDay(chart);
    chart.moment.hours += 24.0;
  } else if (chart.moment.hours >= 24.0) {
    NextDay(chart);
    chart.moment.hours -= 24.0;
  }
  return chart.moment;
}

struct Verdicts {
  std::vector<bool> hit;
  std::vector<double> distance;  // circular
};

// The literal stepping with full charts.
Verdicts PlainVerdicts(const AlarmQuery& query, const SearchMoment& start, int64_t steps) {
  Verdicts v;
  Chart chart;
  chart.moment = start.moment;
  chart.texts.dateText = start.dateText;
  for (int64_t i = 0; i < steps; ++i) {
    RecomputeChart(chart);
    const double d = AlarmDistance(query, chart.state.factorLongitude);
    v.hit.push_back(IsWithinOrb(d, query.orb));
    v.distance.push_back(CircularDistance22_5(d));
    chart.moment.hours += 1.0 / 6.0;
    if (chart.moment.hours >= 24.0) {
      NextDay(chart);
      chart.moment.hours = 0.0;
    }
  }
  return v;
}

TEST(AllHitsTest, HandCheckedRuns) {
  // GZ/GZ at 19.425 + (year - 2003) / 72 comes within 1.1 of 20.53 on 1.1.2004 and stays
  // there past 2103; nearest in 2083 (20.536111, 0.006111 away; 2082 lies 0.0078 away).
  SearchOptions options;
  AllHitsResult gz = FindAllHits(MidpointAngleQuery(GZ, GZ, 20.53), Start("15.06.2003", 15, 6, 2003, 12.0));
  EXPECT_EQ(gz.stop, SearchStop::StopYear);
  ASSERT_EQ(gz.runs.size(), 1u);
  const HitRun& run = gz.runs[0];
  EXPECT_EQ(run.firstStep, 72 + 199 * 144);
  EXPECT_EQ(run.alarm.dateText, "01.01.2004");
  EXPECT_EQ(run.lastStep, gz.steps - 1);
  EXPECT_TRUE(run.entersRefined);
  EXPECT_EQ(run.enters.dateText, "01.01.2004");
  EXPECT_EQ(run.enters.moment.hours, 0.0);
  EXPECT_FALSE(run.leavesRefined);
  EXPECT_EQ(run.closest.dateText, "01.01.2083");
  EXPECT_EQ(run.closest.moment.hours, 0.0);
  EXPECT_NEAR(run.leastDistance, 266.925 + 80.0 * 50.0 / 3600.0 - 11 * 22.5 - 20.53, 1e-9);

  // Always a hit: one run over the whole period, nothing to refine, distance 0.
  options.maxSteps = 1000;
  const AllHitsResult always =
      FindAllHits(PictureQuery(kFiller, kFiller, WI, WI), Start("01.01.2000", 1, 1, 2000, 12.0), options);
  EXPECT_EQ(always.stop, SearchStop::MaxSteps);
  EXPECT_EQ(always.steps, 1000);
  ASSERT_EQ(always.runs.size(), 1u);
  EXPECT_EQ(always.runs[0].firstStep, 0);
  EXPECT_EQ(always.runs[0].lastStep, 999);
  EXPECT_FALSE(always.runs[0].entersRefined);
  EXPECT_FALSE(always.runs[0].leavesRefined);
  EXPECT_EQ(always.runs[0].leastDistance, 0.0);

  EXPECT_EQ(FindAllHits(PictureQuery(MC, SO, 30, MO), Start("01.01.2000", 1, 1, 2000, 12.0)).stop,
            SearchStop::Rejected);
}

// Random windows: the runs are exactly the runs of hit steps of the literal loop, and
// each refined moment is what HitRun promises.
TEST(AllHitsTest, RunsMatchThePlainStepsAndRefineToTheSecond) {
  std::mt19937 random(99);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  const int fast[] = {MC, AS, MO, SO, ME, kFiller};
  int runsChecked = 0;
  for (int c = 0; c < 150; ++c) {
    const AlarmQuery query = c % 3 == 0
                                 ? MidpointAngleQuery(fast[pick(0, 5)], pick(0, 21), real(0.0, 22.5))
                                 : PictureQuery(fast[pick(0, 5)], pick(0, 21), fast[pick(0, 5)], pick(0, 21), real(0.2, 2.0));
    const int year = pick(1600, 2100);
    const int month = pick(1, 12);
    const int day = pick(1, GregorianMonthLength(year, month));
    SearchMoment start = Start("", day, month, year, c % 5 == 0 ? 24.0001 : real(0.0, 24.0), real(-60.0, 60.0));
    start.dateText = QString("%1.%2.%3").arg(day, 2, 10, QChar('0')).arg(month, 2, 10, QChar('0')).arg(year);
    SearchOptions options;
    options.maxSteps = pick(100, 3000);
    options.threads = pick(1, 2);
    const AllHitsResult all = FindAllHits(query, start, options);
    ASSERT_EQ(all.stop, SearchStop::MaxSteps);
    const Verdicts plain = PlainVerdicts(query, start, *options.maxSteps);
    std::vector<std::pair<int64_t, int64_t>> expected;
    for (int64_t i = 0; i < *options.maxSteps; ++i) {
      if (!plain.hit[i]) continue;
      if (!expected.empty() && expected.back().second == i - 1) {
        expected.back().second = i;
      } else {
        expected.push_back({i, i});
      }
    }
    ASSERT_EQ(all.runs.size(), expected.size()) << "case " << c;
    for (size_t r = 0; r < expected.size(); ++r) {
      const HitRun& run = all.runs[r];
      SCOPED_TRACE(::testing::Message() << "case " << c << " run " << r);
      ASSERT_EQ(run.firstStep, expected[r].first);
      ASSERT_EQ(run.lastStep, expected[r].second);
      EXPECT_TRUE(HitAt(query, run.alarm.moment));
      if (run.entersRefined) {
        EXPECT_TRUE(HitAt(query, run.enters.moment));
        EXPECT_FALSE(HitAt(query, SecondAway(run.enters, -1.0)));
      }
      if (run.leavesRefined) {
        EXPECT_TRUE(HitAt(query, run.leaves.moment));
        EXPECT_FALSE(HitAt(query, SecondAway(run.leaves, 1.0)));
      }
      EXPECT_NEAR(CircularDistance22_5(DistanceAt(query, run.closest.moment)), run.leastDistance, 1e-9);
      for (int64_t i = run.firstStep; i <= run.lastStep; ++i) {
        EXPECT_LE(run.leastDistance, plain.distance[i] + 1e-9) << i;
      }
      ++runsChecked;
    }
  }
  EXPECT_GT(runsChecked, 100);
}

TEST(AllHitsTest, AnAbortKeepsTheRunsBeforeIt) {
  std::atomic<bool> abort{false};
  SearchProgress progress;
  SearchOptions options;
  options.abort = &abort;
  options.progress = &progress;
  AllHitsResult result;
  std::thread worker([&] {
    result = FindAllHits(PictureQuery(MC, AS, MO, SO, 0.3), Start("01.01.2000", 1, 1, 2000, 12.0), options);
  });
  while (progress.steps.load() < 20000) std::this_thread::yield();
  abort = true;
  worker.join();
  EXPECT_EQ(result.stop, SearchStop::Aborted);
  EXPECT_LT(result.steps, 5312088);
  for (const HitRun& run : result.runs) EXPECT_LT(run.lastStep, result.steps);
}

}  // namespace
}  // namespace gyrolux
