#include "midpoints/alarm_search.h"

#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "ephemeris/swiss_sky.h"
#include "tests/midpoints/search_comparison.h"
#include "tests/midpoints/search_test_support.h"

namespace gyrolux {
namespace {

using testing::SameResult;
using testing::Start;
constexpr int kFiller = kFillerAbbrevIndex;

SearchMoment Left(const char* dateText, int day, int month, int year, double hours) {
  SearchMoment m = Start(day, month, year, hours);
  m.dateText = dateText;
  return m;
}

// The time after n additions of 1/6 to 0.
double HoursAfterSteps(int n) {
  double h = 0.0;
  for (int i = 0; i < n; ++i) h += 1.0 / 6.0;
  return h;
}

TEST(AlarmSearchTest, HandCheckedSearches) {
  const SearchMoment start2000 = Start(1, 1, 2000, 12.0);
  const SearchMoment december9999 = Start(1, 12, 9999, 0.0);
  // WI/-- stands at 0, 11.25 from the target: never a hit.
  const AlarmQuery never = MidpointAngleQuery(WI, kFiller, 11.25);
  // GZ/GZ stands at 19.425 in 2003 and moves 50 arc seconds a year: 1.105 from 20.53 in
  // 2003, 1.091 (within 1.1) from 1.1.2004.
  const AlarmQuery gz = MidpointAngleQuery(GZ, GZ, 20.53);
  const struct {
    const char* name;
    AlarmQuery query;
    SearchMoment start;
    std::optional<int64_t> maxSteps;
    bool runPlain;  // where the plain loop is quick
    SearchStop stop;
    int64_t steps;
    SearchMoment left;
  } cases[] = {
      {"the start already hits", PictureQuery(kFiller, kFiller, WI, WI), Start(1, 1, 2000, 13.0 + 5.0 / 60.0), {},
       true, SearchStop::Found, 1, Start(1, 1, 2000, 13.0 + 5.0 / 60.0)},
      // 72 moments of 15.6.2003 from 12:00 and 199 days to 31.12., then 1.1.2004.
      {"GZ reaches the target at the new year", gz, Start(15, 6, 2003, 12.0), {}, true, SearchStop::Found,
       72 + 199 * 144 + 1, Start(1, 1, 2004, 0.0)},
      {"the step limit leaves the moment one step on", never, start2000, 100, true, SearchStop::MaxSteps, 100,
       Start(2, 1, 2000, HoursAfterSteps(28))},
      // 36889 days of 144 moments after the first day (2000 to 2100 hold 25 leap days).
      {"nothing in 100 years", never, start2000, {}, false, SearchStop::StopYear, 72 + 36889 * 144,
       Start(1, 1, 2101, 0.0)},
      // The stop year stays 9999: after 31 days the year 10000 ends the search, its text
      // cut to four digits of the year.
      {"no endless loop after 9999", never, december9999, {}, true, SearchStop::StopYear, 31 * 144,
       Left("01.01.1000", 1, 1, 10000, 0.0)},
      {"the limit on the step that passes the stop year", never, december9999, 31 * 144, true,
       SearchStop::StopYear, 31 * 144, Left("01.01.1000", 1, 1, 10000, 0.0)},
      {"the limit one step before", never, december9999, 31 * 144 - 1, true, SearchStop::MaxSteps, 31 * 144 - 1,
       Start(31, 12, 9999, HoursAfterSteps(143))},
      {"no time of day", never, Start(1, 1, 2000, std::nan("")), {}, true, SearchStop::Rejected, 0,
       Start(1, 1, 2000, std::nan(""))},
      {"a time the steps never lift to midnight", never, Start(1, 1, 2000, -1e20), {}, true,
       SearchStop::Rejected, 0, Start(1, 1, 2000, -1e20)},
      {"a year of five digits", never, Start(1, 1, 10000, 0.0), {}, true, SearchStop::Rejected, 0,
       Start(1, 1, 10000, 0.0)},
      {"no factor 24", PictureQuery(MC, SO, 24, MO), start2000, {}, true, SearchStop::Rejected, 0, start2000},
      {"a step limit of 0", never, start2000, 0, true, SearchStop::Rejected, 0, start2000},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SearchOptions options;
    options.maxSteps = c.maxSteps;
    const SearchResult expected{c.stop == SearchStop::Found, c.stop, c.steps, c.left};
    EXPECT_TRUE(SameResult(FastAlarmSearch(c.query, c.start, options), expected));
    if (c.runPlain) {
      EXPECT_TRUE(SameResult(PlainAlarmSearch(c.query, c.start, options), expected)) << "plain";
    }
  }
}

// A sample of the random comparison that the long test runs by the thousand.
TEST(AlarmSearchTest, FastAgreesWithPlainOnRandomSearches) {
  testing::CompareRandomSearches(testing::EnvironmentNumber("GYROLUX_SEARCH_CASES", 300),
                                 testing::EnvironmentNumber("GYROLUX_SEARCH_WINDOW", 3000),
                                 static_cast<uint32_t>(testing::EnvironmentNumber("GYROLUX_SEARCH_SEED", 20240611)));
}

// The same in the modern sky, whose bounds allow for the bending of light near the Sun.
TEST(AlarmSearchTest, FastAgreesWithPlainInTheModernSky) {
  InstallSwissSky();
  testing::CompareRandomSearches(testing::EnvironmentNumber("GYROLUX_SEARCH_CASES", 300),
                                 testing::EnvironmentNumber("GYROLUX_SEARCH_WINDOW", 3000), 20261208, Ephemeris::Swiss);
}

// A sample of the long test's random watches in every dial mode.
TEST(AlarmSearchTest, EvaluatorAgreesWithPlainInEveryMode) {
  testing::CompareRandomWatches(testing::EnvironmentNumber("GYROLUX_WATCH_CASES", 120),
                                testing::EnvironmentNumber("GYROLUX_WATCH_WINDOW", 2500), 11);
}

// The search runs on a thread while another sets the abort flag, as "&Abbruch" does.

TEST(AlarmSearchTest, AnAbortEndsTheSearch) {
  const AlarmQuery query = PictureQuery(MC, AS, SO, MO, 0.0);  // never a hit, many charts
  const SearchMoment start = Start(1, 1, 2000, 12.0);
  for (const bool fast : {true, false}) {
    std::atomic<bool> abort{false};
    SearchProgress progress;
    SearchOptions options{{}, &abort, &progress, 0};
    SearchResult result;
    std::thread worker([&] { result = (fast ? FastAlarmSearch : PlainAlarmSearch)(query, start, options); });
    while (progress.steps.load() < 1000) std::this_thread::yield();
    abort = true;
    worker.join();
    EXPECT_EQ(result.stop, SearchStop::Aborted) << fast;
    EXPECT_EQ(progress.steps.load(), result.steps);
    EXPECT_EQ(progress.year.load(), result.moment.moment.year);
    // The moments before the one left were tested: the plain loop with that limit agrees.
    options = {result.steps, nullptr, nullptr, 0};
    SearchResult limited = PlainAlarmSearch(query, start, options);
    limited.stop = SearchStop::Aborted;
    EXPECT_TRUE(SameResult(result, limited)) << fast;
  }
  // Set before the start: the plain loop takes its one step, which may still hit.
  std::atomic<bool> abort{true};
  const SearchOptions early{{}, &abort, nullptr, 0};
  EXPECT_EQ(PlainAlarmSearch(query, start, early).steps, 1);
  EXPECT_EQ(FastAlarmSearch(query, start, early).steps, 0);
  EXPECT_EQ(PlainAlarmSearch(PictureQuery(kFiller, kFiller, WI, WI), start, early).stop, SearchStop::Found);
}

}  // namespace
}  // namespace gyrolux
