#include "clock/state_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTimeZone>

#include "clock/system_moment.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using testing::WriteBytes;

using testing::ChartAt;

// Written at close and read at the next start: main_window_test.cpp; here the damaged
// files and the times past the day.
TEST(StateFileTest, DamagedFilesAreReadFieldByFieldWithoutFailing) {
  // Empty: four empty texts, every number 0.
  WriteBytes(QStringLiteral("ALT.DAT"), {});
  auto stored = ReadStateFile();
  ASSERT_TRUE(stored);
  Chart chart;
  SetStoredMoment(chart, *stored);
  EXPECT_TRUE(chart.moment.day == 0 && chart.moment.hours == 0.0);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 0.0001);

  // Short, with LF only and no end on the last line; the long first line is cut to 10.
  WriteBytes(QStringLiteral("ALT.DAT"), "05.12.2026 and more\n10:29\n+01");
  stored = ReadStateFile();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->dateText, QStringLiteral("05.12.2026"));
  EXPECT_EQ(stored->latitudeText, QString());
  SetStoredMoment(chart, *stored);
  EXPECT_EQ(chart.moment.year, 2026);
  EXPECT_DOUBLE_EQ(chart.moment.hours, 10 + 29 / 60.0);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 1.0001);
  // Any bytes, through start-up, a tick and the close: the fuzz target state_file.

  QFile::remove(QStringLiteral("ALT.DAT"));
  QString error;
  EXPECT_FALSE(ReadStateFile(&error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(StateFileTest, TimesBeyondTheDayAreCarriedIntoTheDate) {
  const struct {
    const char* date;
    double hours;
    const char* storedDate;
    double storedHours;
  } cases[] = {
      {"15.01.2026", 24.0, "16.01.2026", 0.0},   // 14 ticks of 1500 minutes from 10:00 on 01.01.
      {"30.12.2026", 125.5, "04.01.2027", 5.5},  // five days and 5:30, across the year's end
      {"01.03.2024", -1.25, "29.02.2024", 22.75},
      {"29.02.2025", 30.0, "02.03.2025", 6.0},    // a 29 February of a common year counts on as 1 March
      {"29.02.2025", 23.5, "29.02.2025", 23.5}};  // within the day nothing changes
  for (const auto& c : cases) {
    const StorableMoment stored = MomentForStorage(ChartAt(QString::fromLatin1(c.date), c.hours));
    EXPECT_EQ(stored.dateText, QString::fromLatin1(c.storedDate)) << c.date << " " << c.hours;
    EXPECT_DOUBLE_EQ(stored.hours, c.storedHours) << c.date << " " << c.hours;
  }
  const QStringList lines = StateFileLines(ChartAt(QStringLiteral("31.12.2026"), 99.75));
  EXPECT_EQ(lines.mid(0, 2), (QStringList{QStringLiteral("04.01.2027"), QStringLiteral("03:45:00")}));
}

TEST(SystemMomentTest, TheSystemClockGivesTextsAndNumbersInUniversalTime) {
  Chart chart;
  // 4.12.2026, 21:29:50 eight hours west of Greenwich is 5.12.2026, 05:29:50 there.
  SetMomentFromSystemClock(chart, QDateTime(QDate(2026, 12, 4), QTime(21, 29, 50), QTimeZone(-8 * 3600)));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("05.12.2026"));
  EXPECT_EQ(chart.texts.timeText, QStringLiteral("05.29.50"));
  EXPECT_TRUE(chart.moment.day == 5 && chart.moment.month == 12 && chart.moment.year == 2026);
  EXPECT_DOUBLE_EQ(chart.moment.hours, 5 + 29 / 60.0 + 50 / 3600.0);
}

}  // namespace
}  // namespace gyrolux
