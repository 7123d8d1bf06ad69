#include "midpoints/all_hits.h"

#include <algorithm>
#include <random>
#include <thread>

#include <gtest/gtest.h>

#include "engine/chart_core.h"
#include "ephemeris/swiss_sky.h"
#include "midpoints/chunked_scan.h"
#include "midpoints/hit_refinement.h"
#include "midpoints/watched_distance.h"
#include "tests/midpoints/search_test_support.h"

namespace gyrolux {
namespace {

using testing::Start;

double DistanceAt(const AlarmQuery& query, const ChartMoment& moment) {
  ChartResult chart;
  ComputeChart(moment, chart);
  return AlarmDistance(query, chart.state.factorLongitude);
}

bool HitAt(const AlarmQuery& query, const ChartMoment& moment) {
  return IsHit(WatchOf(query), DistanceAt(query, moment));
}

// The runs of hit steps of the literal loop (first and last step), and each step's distance.
std::vector<std::pair<int64_t, int64_t>> PlainRuns(const AlarmQuery& query, const SearchMoment& start, int64_t steps,
                                                   std::vector<double>* distance = nullptr) {
  std::vector<std::pair<int64_t, int64_t>> runs;
  Chart chart = testing::ChartAt(start);
  for (int64_t i = 0; i < steps; ++i, testing::LiteralStep(chart)) {
    if (distance) distance->push_back(CircularDistance(WatchOf(query), DistanceAt(query, chart.moment)));
    if (!HitAt(query, chart.moment)) continue;
    if (!runs.empty() && runs.back().second == i - 1) runs.back().second = i;
    else runs.emplace_back(i, i);
  }
  return runs;
}

// The moment some seconds away on the clock, over midnight by the calendar.
ChartMoment SecondsAway(const SearchMoment& m, double seconds) {
  Chart chart = testing::ChartAt(m);
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

TEST(AllHitsTest, HandCheckedRuns) {
  // GZ/GZ at 19.425 + (year - 2003) / 72 comes within 1.1 of 20.53 on 1.1.2004 and stays
  // there past 2103; nearest in 2083 (0.006111 away; in 2082 0.0078).
  const AllHitsResult gz = FindAllHits(MidpointAngleQuery(GZ, GZ, 20.53), Start(15, 6, 2003, 12.0));
  EXPECT_EQ(gz.stop, SearchStop::StopYear);
  ASSERT_EQ(gz.runs.size(), 1u);
  const HitRun& run = gz.runs[0];
  EXPECT_EQ(run.firstStep, 72 + 199 * 144);
  EXPECT_EQ(run.lastStep, gz.steps - 1);
  EXPECT_TRUE(run.entersRefined);
  EXPECT_EQ(run.enters.dateText + " " + QString::number(run.enters.moment.hours), "01.01.2004 0");
  EXPECT_FALSE(run.leavesRefined);
  EXPECT_EQ(run.closest.dateText + " " + QString::number(run.closest.moment.hours), "01.01.2083 0");
  EXPECT_NEAR(run.leastDistance, 266.925 + 80.0 * 50.0 / 3600.0 - 11 * 22.5 - 20.53, 1e-9);

  // Always a hit: one run over the whole period, nothing to refine, distance 0.
  SearchOptions options;
  options.maxSteps = 1000;
  const AllHitsResult always =
      FindAllHits(PictureQuery(kFillerAbbrevIndex, kFillerAbbrevIndex, WI, WI), Start(1, 1, 2000, 12.0), options);
  EXPECT_EQ(always.stop, SearchStop::MaxSteps);
  ASSERT_EQ(always.runs.size(), 1u);
  EXPECT_EQ(always.runs[0].lastStep, 999);
  EXPECT_FALSE(always.runs[0].entersRefined || always.runs[0].leavesRefined);
  EXPECT_EQ(always.runs[0].leastDistance, 0.0);
}

// Random windows: the runs are the runs of hit steps of the literal loop, and each
// refined moment is what HitRun promises.
TEST(AllHitsTest, RunsMatchThePlainStepsAndRefineToTheSecond) {
  std::mt19937 random(99);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  const int fast[] = {MC, AS, MO, SO, ME, kFillerAbbrevIndex};
  int runsChecked = 0;
  for (int c = 0; c < 150; ++c) {
    const AlarmQuery query = c % 3 == 0 ? MidpointAngleQuery(fast[pick(0, 5)], pick(0, 21), real(0.0, 22.5))
                                        : PictureQuery(fast[pick(0, 5)], pick(0, 21), fast[pick(0, 5)], pick(0, 21), real(0.2, 2.0));
    const int year = pick(1600, 2100);
    const int month = pick(1, 12);
    const SearchMoment start = Start(pick(1, GregorianMonthLength(year, month)), month, year,
                                     c % 5 == 0 ? 24.0001 : real(0.0, 24.0), real(-60.0, 60.0));
    const int steps = pick(100, 3000);
    const AllHitsResult all = FindAllHits(query, start, {steps, nullptr, nullptr, pick(1, 2)});
    std::vector<double> distance;
    const auto expected = PlainRuns(query, start, steps, &distance);
    ASSERT_EQ(all.runs.size(), expected.size()) << "case " << c;
    for (size_t r = 0; r < expected.size(); ++r) {
      const HitRun& run = all.runs[r];
      SCOPED_TRACE(::testing::Message() << "case " << c << " run " << r);
      ASSERT_EQ(std::make_pair(run.firstStep, run.lastStep), expected[r]);
      if (run.entersRefined) {
        EXPECT_TRUE(HitAt(query, run.enters.moment));
        EXPECT_FALSE(HitAt(query, SecondsAway(run.enters, -1.0)));
      }
      if (run.leavesRefined) {
        EXPECT_TRUE(HitAt(query, run.leaves.moment));
        EXPECT_FALSE(HitAt(query, SecondsAway(run.leaves, 1.0)));
      }
      EXPECT_NEAR(CircularDistance(WatchOf(query), DistanceAt(query, run.closest.moment)), run.leastDistance, 1e-9);
      for (int64_t i = run.firstStep; i <= run.lastStep; ++i) EXPECT_LE(run.leastDistance, distance[i] + 1e-9);
      ++runsChecked;
    }
  }
  EXPECT_GT(runsChecked, 100);
}

// The refinement answers most of its questions from the estimate between two exact
// charts where its error bound leaves no doubt: every stay comes out to the last bit as
// with an exact chart for every question, for the angles and the Moon, orbs down to 0.01,
// places beyond the polar circles and near the Sun's and Moon's 0; in the model and in
// the modern sky, whose light bending, nutation and sidereal steps the bound carries.
TEST(AllHitsTest, EstimatesRefineToTheSameBitsAsExactCharts) {
  InstallSwissSky();
  std::mt19937 random(5);
  const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const auto real = [&](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  const int fast[] = {MC, AS, MO, SO, ME, kFillerAbbrevIndex, GZ};
  const auto same = [](const SearchMoment& a, const SearchMoment& b) {
    return testing::SameBits(a.moment.hours, b.moment.hours) && a.dateText == b.dateText;
  };
  for (const Ephemeris sky : {Ephemeris::Model, Ephemeris::Swiss}) {
    int64_t runs = 0;
    for (int c = 0; c < 80; ++c) {
      const AlarmQuery query =
          c % 4 == 0 ? MidpointAngleQuery(fast[pick(0, 6)], fast[pick(0, 6)], real(0.0, 22.5))
                     : PictureQuery(fast[pick(0, 6)], pick(0, 21), fast[pick(0, 6)], fast[pick(0, 6)],
                                    c % 3 == 0 ? real(0.01, 0.1) : real(0.1, 2.0));
      const int year = c % 10 == 0 && sky == Ephemeris::Model ? pick(1400, 1600) : pick(1600, 2100);
      SearchMoment start = Start(pick(1, 28), c % 5 == 0 ? 12 : pick(1, 12), year, real(0.0, 24.0),
                                 c % 3 == 0 ? real(-80.0, 80.0) : real(-60.0, 60.0));
      start.moment.ephemeris = sky;
      const SearchOptions options{3000, nullptr, nullptr, 1};
      const MomentSequence sequence(start, *options.maxSteps);
      const HitRefiner exact(query, sequence, options, false);
      for (const HitRun& run : FindAllHits(query, start, options).runs) {
        HitRun reference;
        reference.firstStep = run.firstStep;
        reference.lastStep = run.lastStep;
        reference.alarm = run.alarm;
        ASSERT_TRUE(exact.Refine(reference));
        ASSERT_TRUE(same(run.enters, reference.enters) && same(run.leaves, reference.leaves) &&
                    same(run.closest, reference.closest) && run.entersRefined == reference.entersRefined &&
                    run.leavesRefined == reference.leavesRefined &&
                    testing::SameBits(run.leastDistance, reference.leastDistance))
            << "sky " << static_cast<int>(sky) << " case " << c << " run " << run.firstStep << ": "
            << run.closest.moment.hours << " " << reference.closest.moment.hours;
        ++runs;
      }
    }
    EXPECT_GT(runs, 3000);
  }
}

// Stays of slow factors last for months and run across the batches in which the stays are
// found and handed on (some 65000 moments each): the sink gets the stays of a plain scan
// of every moment, in order, each once.
TEST(AllHitsTest, StaysAcrossBatchesStreamedInOrder) {
  const AlarmQuery query = PictureQuery(SA, UR, NE, PL);
  const SearchMoment start = Start(1, 1, 2000, 12.0);
  const int64_t steps = 300000;
  const auto expected = PlainRuns(query, start, steps);
  std::vector<std::pair<int64_t, int64_t>> streamed;
  const AllHitsResult all = FindAllHits(query, start, {steps, nullptr, nullptr, 2}, [&](const HitRun& run) {
    streamed.emplace_back(run.firstStep, run.lastStep);
  });
  EXPECT_TRUE(all.runs.empty());
  EXPECT_EQ(all.stop, SearchStop::MaxSteps);
  EXPECT_EQ(streamed, expected);
  const int64_t batch = 16 * kScanChunkSteps;
  EXPECT_TRUE(std::any_of(expected.begin(), expected.end(),
                          [&](const auto& run) { return run.first / batch != run.second / batch; }));
}

TEST(AllHitsTest, AnAbortKeepsTheRunsBeforeIt) {
  std::atomic<bool> abort{false};
  SearchProgress progress;
  AllHitsResult result;
  std::thread worker([&] {
    result = FindAllHits(PictureQuery(MC, AS, MO, SO, 0.3), Start(1, 1, 2000, 12.0), {{}, &abort, &progress, 0});
  });
  while (progress.steps.load() < 20000) std::this_thread::yield();
  abort = true;
  worker.join();
  EXPECT_EQ(result.stop, SearchStop::Aborted);
  for (const HitRun& run : result.runs) EXPECT_LT(run.lastStep, result.steps);
}

}  // namespace
}  // namespace gyrolux
