#include "midpoints/moment_sequence.h"

#include <cmath>

#include <gtest/gtest.h>

#include "tests/midpoints/search_test_support.h"

namespace gyrolux {
namespace {

using testing::Start;

TEST(MomentSequenceTest, FollowsTheLiteralSteppingToTheBit) {
  SearchMoment textFirst = Start(5, 5, 1955, 22.5);
  textFirst.dateText = "31.12.1999";  // NextDay reads the text
  SearchMoment noText = Start(30, 4, 2003, 20.0);
  noText.dateText = "xx.yy.zzzz";  // NextDay falls back on the numbers
  const SearchMoment starts[] = {
      Start(28, 2, 2000, 13.0 + 5.0 / 60.0), Start(31, 12, 1999, 23.0 + 59.0 / 60.0),
      Start(31, 1, 2001, 24.0001),           Start(28, 2, 1900, 0.0),
      Start(31, 12, 1581, 23.95),            Start(27, 2, 1500, 12.0),
      Start(15, 6, 2000, -5.0),              Start(10, 10, 2010, 1e300),
      Start(10, 10, 2010, HUGE_VAL),         Start(31, 12, 9999, 22.0),
      textFirst,                             noText,
  };
  for (const SearchMoment& start : starts) {
    SCOPED_TRACE(start.dateText.toStdString() + " " + std::to_string(start.moment.hours));
    const MomentSequence sequence(start, 1000);
    Chart chart = testing::ChartAt(start);
    for (int64_t i = 0; i <= sequence.Size(); ++i, testing::LiteralStep(chart)) {
      const SearchMoment m = sequence.SearchMomentAt(i);
      ASSERT_TRUE(testing::SameBits(m.moment.hours, chart.moment.hours)) << i;
      ASSERT_EQ(m.dateText, chart.texts.dateText) << i;
      ASSERT_TRUE(m.moment.day == chart.moment.day && m.moment.month == chart.moment.month) << i;
      ASSERT_EQ(sequence.YearAt(i), chart.moment.year) << i;
    }
  }
}

TEST(MomentSequenceTest, AfterTheFirstMidnightTheStepsFallOnWholeTenMinuteMarks) {
  const MomentSequence sequence(Start(7, 3, 2001, 13.0 + 5.0 / 60.0), 1000);
  // 13:15, 13:25, ... 23:55 are steps 1 to 65, then the next day from 00:00.
  for (int i = 1; i <= 65; ++i) EXPECT_NEAR(sequence.MomentAt(i).hours, 13.0 + (5.0 + 10.0 * i) / 60.0, 1e-9);
  EXPECT_EQ(sequence.SearchMomentAt(66).dateText, "08.03.2001");
  EXPECT_EQ(sequence.MomentAt(66).hours, 0.0);
  EXPECT_EQ(sequence.MomentAt(67).hours, 1.0 / 6.0);
}

TEST(MomentSequenceTest, StepsThatJumpOnTheTimeScaleAreIrregular) {
  const struct {
    const char* name;
    SearchMoment start;
    bool regular;
  } cases[] = {
      {"10 minutes within a day", Start(1, 1, 2000, 12.0), true},
      {"midnight", Start(28, 2, 2000, 23.0 + 50.0 / 60.0), true},
      {"the Julian day falls back 9 days into 1582", Start(31, 12, 1581, 23.9), false},
      {"the Julian calendar's 29 February 1500 is skipped", Start(28, 2, 1500, 23.9), false},
      {"24:00 falls back to 00:00", Start(31, 1, 2001, 24.0001), false},
  };
  for (const auto& c : cases) {
    const MomentSequence sequence(c.start, 1000);
    EXPECT_EQ(sequence.IsRegularStep(0), c.regular) << c.name;
    EXPECT_EQ(sequence.RegularRunEnd(0, false), c.regular ? 999 : 0) << c.name;
  }
  // GZ moves at a new year: the run ends on 31.12. at 23:50, step 71.
  EXPECT_EQ(MomentSequence(Start(31, 12, 2000, 12.0), 1000).RegularRunEnd(0, true), 71);
}

TEST(MomentSequenceTest, MomentsBetweenStepsCountOnIntoTheNextDay) {
  const MomentSequence sequence(Start(31, 12, 2000, 23.0 + 55.0 / 60.0), 10);
  EXPECT_NEAR(sequence.SecondsToNext(0), 300.0, 1e-6);
  EXPECT_NEAR(sequence.SearchMomentBetween(0, 120.0).moment.hours, 23.0 + 57.0 / 60.0, 1e-9);
  const SearchMoment after = sequence.SearchMomentBetween(0, 360.0);
  EXPECT_EQ(after.dateText, "01.01.2001");
  EXPECT_NEAR(after.moment.hours, 1.0 / 60.0, 1e-9);
}

}  // namespace
}  // namespace gyrolux
