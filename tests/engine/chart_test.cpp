#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <tuple>

#include "engine/chart.h"
#include "engine/calendar.h"
#include "engine/chart_core.h"
#include "engine/planet_elements.h"
#include "engine/time_scale.h"

namespace gyrolux {
namespace {

// A valid moment within the given years: any day of the month, any time of day below
// maxHours, a place within the ranges the dialogs accept.
ChartMoment RandomMoment(std::mt19937& random, int firstYear, int lastYear, double maxHours = 24.0) {
  const auto number = [&random](double low, double high) { return std::uniform_real_distribution<double>(low, high)(random); };
  ChartMoment m;
  m.year = std::uniform_int_distribution<int>(firstYear, lastYear)(random);
  m.month = std::uniform_int_distribution<int>(1, 12)(random);
  m.day = std::uniform_int_distribution<int>(1, GregorianMonthLength(m.year, m.month))(random);
  m.hours = number(0.0, maxHours);
  m.longitude = number(-180.0001, 180.0001);
  m.latitude = number(-90.0001, 90.0001);
  m.westLongitude = m.longitude < 0;
  m.southLatitude = m.latitude < 0;
  return m;
}

// gyrolux-calc, which the reference comparisons run, takes the years from 1600: the switch of
// the calendars by the year (all of 1582 Gregorian, 1581 not) is held here to the day
// numbers of the independent implementation's self-check.
TEST(ChartTest, TimeScaleSwitchesCalendarsByTheYear) {
  for (const auto& [day, month, year, jd] : {std::tuple{15, 10, 1582, 2299160.5}, {4, 10, 1582, 2299149.5},
                                              {4, 10, 1581, 2299159.5 - 365}}) {
    EXPECT_EQ(JulianCenturies(day, month, year, 0.0), (jd - 2415020.0) / 36525.0) << day << "." << year;
  }
}

// The reference comparisons cover times within the day; past 24 h (the minutes unit) the
// count reaches back more than a year: n = Trunc(2880 / 3.951388888888) = 728, 729 days.
TEST(ChartTest, IndexDateCountsBackWithTheFourYearRule) {
  const struct {
    int day, month, year;
    double hours;
    const char* expected;
  } kRows[] = {{1, 3, 1900, 0.0, "29.02.1900"},  // the table gives 1900 a 29 February
               {1, 1, 1901, 23.0 + 59.0 / 60, "02.01.1900"},
               {1, 1, 2002, 23.0 + 59.0 / 60, "01.01.2001"},
               {10, 5, 2003, 48.0, "11.05.2001"}};
  for (const auto& row : kRows) {
    Chart chart;
    chart.moment = {row.day, row.month, row.year, row.hours, 10.0, 50.0, false, false};
    RecomputeChart(chart);
    EXPECT_EQ(chart.texts.indexDateText, row.expected) << row.year;
  }
}

TEST(ChartTest, TheSunIsRaisedFromBelowButNotReducedFromAbove) {
  // At the March equinox of 2008 the true longitude lies just below 360 while the
  // corrections are positive: SO stands a little above 360 for a few minutes.
  const ChartMoment above{20, 3, 2008, 5.0 + 50.0 / 60, 0.0, 0.0, false, false};
  ChartResult result;
  ComputeChart(above, result);
  EXPECT_TRUE(result.state.factorLongitude[SO] > 360.0 && result.state.factorLongitude[SO] < 360.01);
  // Minute by minute over that morning SO never falls below 0 and crosses once from
  // near 360 to near 0.
  int crossings = 0;
  double previous = -1.0;
  for (int minute = 0; minute < 12 * 60; ++minute) {
    const ChartMoment m{20, 3, 2008, minute / 60.0, 0.0, 0.0, false, false};
    ChartResult r;
    ComputeFactors(m, FactorBit(SO), r);
    const double so = r.state.factorLongitude[SO];
    ASSERT_TRUE(so >= 0.0 && so < 360.01) << minute;
    if (previous > 359.9 && so < 0.1) ++crossings;
    previous = so;
  }
  EXPECT_EQ(crossings, 1);
}

TEST(ChartTest, ElementTableIsReadToItsEnd) {
  EXPECT_EQ(kPlanetElements.valuesRead, 521);
}

TEST(ChartTest, ChosenFactorsHaveTheBitsOfTheFullChart) {
  std::mt19937 random(99);
  std::uniform_int_distribution<int> factor(0, kFactorCount - 1);
  for (int i = 0; i < 2000; ++i) {
    const ChartMoment m = RandomMoment(random, 1600, 2100);
    ChartResult full;
    ComputeChart(m, full);
    FactorMask wanted = FactorBit(i % kFactorCount);
    for (int k = i % 4; k > 0; --k) wanted |= FactorBit(factor(random));
    ChartResult part;
    ComputeFactors(m, wanted, part);
    for (int id = 0; id < kFactorCount; ++id) {
      if (!(wanted & FactorBit(id))) continue;
      ASSERT_EQ(std::memcmp(&part.state.factorLongitude[id], &full.state.factorLongitude[id], sizeof(double)), 0)
          << FactorAbbrev[id] << " at moment " << i;
      if (id >= ME && id <= PO) {
        ASSERT_EQ(part.state.retrograde[id], full.state.retrograde[id]);
      }
    }
    ASSERT_EQ(part.state.ramc, full.state.ramc);
    ASSERT_EQ(part.state.centuriesT, full.state.centuriesT);
  }
}

TEST(ChartTest, EveryMomentTheDialogsAcceptGivesSoundNumbers) {
  std::mt19937 random(11);
  for (int i = 0; i < 4000; ++i) {
    const ChartMoment m = RandomMoment(random, 1600, 9999, 99.99);
    ChartResult r;
    ComputeChart(m, r);
    for (int id = 0; id < kMidpointFactorCount; ++id) {
      const double l = r.state.factorLongitude[id];
      // SO and MO are raised from below only; their corrections stay within a minute.
      ASSERT_TRUE(l >= 0.0 && l < (id == SO || id == MO ? 360.02 : 360.0)) << FactorAbbrev[id] << " " << m.year;
    }
    ASSERT_TRUE(r.state.localSiderealHours >= 0.0 && r.state.localSiderealHours < 24.0);
    ASSERT_TRUE(r.siderealHours >= 0.0 && r.siderealHours <= 24.0);
    ASSERT_TRUE(r.indexMonth >= 1 && r.indexMonth <= 12 && r.indexDay >= 1 && r.indexDay <= 31);
  }
  // The extremes of the ranges together.
  for (int year : {1600, 9999}) {
    for (double lat : {-90.0001, 90.0001}) {
      Chart chart;
      chart.moment = {year == 1600 ? 1 : 31, year == 1600 ? 1 : 12, year, 99.99, -180.0001, lat, true, lat < 0};
      RecomputeChart(chart);
      ASSERT_TRUE(std::isfinite(chart.state.factorLongitude[AS]));
      ASSERT_EQ(chart.texts.indexDateText.size(), 10);
    }
  }
}

TEST(ChartTest, NoNumberBreaksTheEngine) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const int32_t big = std::numeric_limits<int32_t>::max();
  const int32_t small = std::numeric_limits<int32_t>::min();
  const ChartMoment odd[] = {
      {0, 0, 0, 0.0, 0.0, 0.0, false, false},  // the chart before any moment is set
      {31, 2, 2025, nan, nan, nan, false, false},
      {big, big, big, inf, -inf, inf, true, true},
      {small, small, small, -inf, 1e300, -1e300, false, true},
      {-5, 13, -44, -1e9, 720.0, 500.0, false, false},
  };
  for (const ChartMoment& m : odd) {
    Chart chart;
    chart.moment = m;
    RecomputeChart(chart);
    EXPECT_EQ(chart.texts.siderealText.size() + chart.texts.ramcText.size() + chart.texts.indexSiderealText.size(), 24);
    EXPECT_LE(chart.texts.indexDateText.size(), 10);
    EXPECT_EQ(chart.state.factorLongitude[WI], 0.0);
  }
}

}  // namespace
}  // namespace gyrolux
