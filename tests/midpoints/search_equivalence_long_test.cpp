// The fast search against the plain loop at length: thousands of random searches and
// whole centuries of the pictures that cost it most (the angles, the Moon, orb 0, places
// beyond the polar circle). Each century takes the plain loop some 15 seconds.
#include <gtest/gtest.h>

#include "ephemeris/swiss_sky.h"
#include "midpoints/alarm_search.h"
#include "tests/midpoints/search_comparison.h"
#include "tests/midpoints/search_test_support.h"

namespace gyrolux {
namespace {

constexpr int kFiller = kFillerAbbrevIndex;

TEST(SearchEquivalenceLongTest, ThousandsOfRandomSearches) {
  testing::CompareRandomSearches(testing::EnvironmentNumber("GYROLUX_SEARCH_CASES", 4000),
                                 testing::EnvironmentNumber("GYROLUX_SEARCH_WINDOW", 12000),
                                 static_cast<uint32_t>(testing::EnvironmentNumber("GYROLUX_SEARCH_SEED", 7)));
}

TEST(SearchEquivalenceLongTest, ThousandsInTheModernSky) {
  InstallSwissSky();
  testing::CompareRandomSearches(testing::EnvironmentNumber("GYROLUX_SEARCH_CASES", 2000),
                                 testing::EnvironmentNumber("GYROLUX_SEARCH_WINDOW", 12000), 8, Ephemeris::Swiss);
}

TEST(SearchEquivalenceLongTest, ThousandsOfRandomWatchesInEveryMode) {
  testing::CompareRandomWatches(testing::EnvironmentNumber("GYROLUX_WATCH_CASES", 2000),
                                testing::EnvironmentNumber("GYROLUX_WATCH_WINDOW", 12000),
                                static_cast<uint32_t>(testing::EnvironmentNumber("GYROLUX_SEARCH_SEED", 7)));
}

// GYROLUX_SEARCH_CENTURY_LIMIT=N ends each century after N moments (for the much
// slower sanitizer build).
TEST(SearchEquivalenceLongTest, WholeCenturies) {
  const struct {
    AlarmQuery query;
    double latitude;
  } cases[] = {
      {PictureQuery(PL, kFiller, HA, VU), 52.5001},         // found in December 2100
      {PictureQuery(MC, AS, SO, MO, 0.0), 52.5001},         // never a hit
      {PictureQuery(AS, kFiller, MO, kFiller, 0.0), 68.0},  // beyond the polar circle
      {PictureQuery(MC, AS, SO, MO, 0.0), -71.0},
      {PictureQuery(MO, kFiller, MO, kFiller, 0.0), 52.5001},
      {PictureQuery(JU, SA, UR, NE, 0.0), 52.5001},
      {PictureQuery(MC, MO, JU, kFiller, 0.02), 40.0},
      {MidpointAngleQuery(SO, MO, 22.5), 52.5001},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << FactorAbbrev[c.query.factors[0]] << "/" << FactorAbbrev[c.query.factors[1]]
                                      << "=" << FactorAbbrev[c.query.factors[2]] << "/"
                                      << FactorAbbrev[c.query.factors[3]] << " at " << c.latitude);
    const SearchMoment start = testing::Start(1, 1, 2000, 12.0, c.latitude);
    SearchOptions options;
    if (const long long limit = testing::EnvironmentNumber("GYROLUX_SEARCH_CENTURY_LIMIT", 0); limit > 0) {
      options.maxSteps = limit;
    }
    EXPECT_TRUE(testing::SameResult(FastAlarmSearch(c.query, start, options),
                                    PlainAlarmSearch(c.query, start, options)));
  }
}

}  // namespace
}  // namespace gyrolux
