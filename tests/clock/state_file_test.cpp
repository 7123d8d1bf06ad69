#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "engine/formatting.h"
#include "clock/state_file.h"
#include "engine/field_readers.h"
#include "clock/system_moment.h"
#include "engine/formatting.h"

namespace gyrolux {
namespace {

void WriteBytes(const QString& name, const QByteArray& bytes) {
  QFile file(name);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadBytes(const QString& name) {
  QFile file(name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Chart ChartAt(const QString& date, double hours) {
  Chart chart;
  chart.texts.dateText = date;
  ReadDateFields(date, chart.moment);
  chart.moment.hours = hours;
  chart.texts.longitudeText = QStringLiteral("+010\u00B000'");
  chart.texts.latitudeText = QStringLiteral("+50\u00B000'");
  return chart;
}

TEST(StateFileTest, FieldsCountTheDigitsBeforeTheFirstOtherCharacter) {
  EXPECT_EQ(LeadingNumber(u"2026"), 2026);
  EXPECT_EQ(LeadingNumber(u"5."), 5);
  EXPECT_EQ(LeadingNumber(u"1x9"), 1);
  EXPECT_EQ(LeadingNumber(u" 5"), 0);
  EXPECT_EQ(LeadingNumber(u""), 0);
  EXPECT_EQ(LeadingNumber(u"999999999999999999"), 999999999);  // held in range
  EXPECT_EQ(FieldNumber(QStringLiteral("05.12.2026"), 7, 4), 2026);
  EXPECT_EQ(FieldNumber(QStringLiteral("05.12.20"), 7, 4), 20);  // short line
  EXPECT_EQ(FieldNumber(QStringLiteral("05"), 4, 2), 0);
  // The separators are not looked at.
  EXPECT_DOUBLE_EQ(HoursFromTimeText(QStringLiteral("10.29.50")), 10 + 29 / 60.0 + 50 / 3600.0);
  EXPECT_DOUBLE_EQ(HoursFromTimeText(QStringLiteral("10:3")), 10 + 3 / 60.0);
}

TEST(StateFileTest, StoredPlaceAddsTheTenThousandthAndTakesTheSign) {
  Chart chart;
  SetStoredPlace(chart, {{}, {}, QStringLiteral("-008\u00B030'"), QStringLiteral("-33\u00B045'")});
  EXPECT_DOUBLE_EQ(chart.moment.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(chart.moment.latitude, -33.7501);
  EXPECT_TRUE(chart.moment.westLongitude);
  EXPECT_TRUE(chart.moment.southLatitude);
  EXPECT_EQ(PlaceLabel(chart.moment), QStringLiteral("008\u00B030' W, 33\u00B045' S"));
  EXPECT_EQ(PlaceLabelFromTexts(chart.texts.longitudeText, chart.texts.latitudeText),
            QStringLiteral("008\u00B030' W, 33\u00B045' S"));

  SetDefaultPlace(chart);
  EXPECT_EQ(chart.moment.longitude, 10.0);
  EXPECT_EQ(chart.moment.latitude, 50.0);
  EXPECT_EQ(PlaceLabel(chart.moment), QStringLiteral("010\u00B000' E, 50\u00B000' N"));
}

TEST(StateFileTest, DamagedFilesAreReadFieldByFieldWithoutFailing) {
  // Empty: four empty texts, every number 0.
  WriteBytes(QStringLiteral("ALT.DAT"), {});
  auto stored = ReadStateFile();
  ASSERT_TRUE(stored);
  EXPECT_TRUE(stored->dateText.isEmpty() && stored->latitudeText.isEmpty());
  Chart chart;
  SetStoredMoment(chart, *stored);
  EXPECT_EQ(chart.moment.day, 0);
  EXPECT_EQ(chart.moment.hours, 0.0);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 0.0001);

  // Short, with LF only and no end on the last line; the long first line is cut to 10.
  WriteBytes(QStringLiteral("ALT.DAT"), "05.12.2026 and more\n10:29\n+01");
  stored = ReadStateFile();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->dateText, QStringLiteral("05.12.2026"));
  EXPECT_EQ(stored->timeText, QStringLiteral("10:29"));
  EXPECT_EQ(stored->longitudeText, QStringLiteral("+01"));
  EXPECT_EQ(stored->latitudeText, QString());
  SetStoredMoment(chart, *stored);
  EXPECT_EQ(chart.moment.year, 2026);
  EXPECT_DOUBLE_EQ(chart.moment.hours, 10 + 29 / 60.0);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 1.0001);

  // Binary: NUL bytes, high bytes, a megabyte without a line end.
  QByteArray binary(1 << 20, '\xff');
  binary[3] = '\0';
  binary.prepend("\x01\x02\xb0");
  WriteBytes(QStringLiteral("ALT.DAT"), binary);
  stored = ReadStateFile();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->dateText.size(), 10);
  EXPECT_EQ(stored->dateText[2], QChar(0xB0));
  SetStoredMoment(chart, *stored);
  EXPECT_EQ(chart.moment.day, 0);

  QFile::remove(QStringLiteral("ALT.DAT"));
  QString error;
  EXPECT_FALSE(ReadStateFile(&error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(StateFileTest, WrittenInWindows1252WithCrLfAndReadBackAsTheSameMoment) {
  Chart chart = ChartAt(QStringLiteral("05.12.2026"), 10 + 29 / 60.0 + 50 / 3600.0);
  QString error;
  ASSERT_TRUE(WriteStateFile(StateFileLines(chart), &error)) << qPrintable(error);
  EXPECT_EQ(ReadBytes(QStringLiteral("ALT.DAT")),
            QByteArray("05.12.2026\r\n10:29:50\r\n+010\xb0" "00'\r\n+50\xb0" "00'\r\n"));
  const auto stored = ReadStateFile();
  ASSERT_TRUE(stored);
  Chart back;
  SetStoredMoment(back, *stored);
  EXPECT_EQ(back.texts.dateText, chart.texts.dateText);
  EXPECT_EQ(FormatClock(back.moment.hours), QStringLiteral("10:29:50"));
}

TEST(StateFileTest, TimesBeyondTheDayAreCarriedIntoTheDate) {
  // 14 ticks of 1500 minutes from 10:00 on 01.01.2026: 15.01.2026 at 24:00 is 16.01. 00:00.
  auto stored = MomentForStorage(ChartAt(QStringLiteral("15.01.2026"), 24.0));
  EXPECT_EQ(stored.dateText, QStringLiteral("16.01.2026"));
  EXPECT_EQ(stored.hours, 0.0);
  // 125.5 hours are five days and 5:30, across the year's end.
  stored = MomentForStorage(ChartAt(QStringLiteral("30.12.2026"), 125.5));
  EXPECT_EQ(stored.dateText, QStringLiteral("04.01.2027"));
  EXPECT_DOUBLE_EQ(stored.hours, 5.5);
  // A negative time of day lies in the days before.
  stored = MomentForStorage(ChartAt(QStringLiteral("01.03.2024"), -1.25));
  EXPECT_EQ(stored.dateText, QStringLiteral("29.02.2024"));
  EXPECT_DOUBLE_EQ(stored.hours, 22.75);
  stored = MomentForStorage(ChartAt(QStringLiteral("01.01.2000"), -48.0));
  EXPECT_EQ(stored.dateText, QStringLiteral("30.12.1999"));
  EXPECT_EQ(stored.hours, 0.0);
  // A 29 February of a common year (the year step keeps it) counts on as 1 March.
  stored = MomentForStorage(ChartAt(QStringLiteral("29.02.2025"), 30.0));
  EXPECT_EQ(stored.dateText, QStringLiteral("02.03.2025"));
  EXPECT_DOUBLE_EQ(stored.hours, 6.0);
  // Within the day nothing changes, not even such a date.
  stored = MomentForStorage(ChartAt(QStringLiteral("29.02.2025"), 23.5));
  EXPECT_EQ(stored.dateText, QStringLiteral("29.02.2025"));

  const QStringList lines = StateFileLines(ChartAt(QStringLiteral("31.12.2026"), 99.75));
  EXPECT_EQ(lines[0], QStringLiteral("04.01.2027"));
  EXPECT_EQ(lines[1], QStringLiteral("03:45:00"));
}

TEST(StateFileTest, AWriteThatCannotBeDoneSaysWhy) {
  // A folder in the file's place cannot be replaced by the file (even for root).
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("ALT.DAT")));
  QString error;
  EXPECT_FALSE(WriteStateFile(StateFileLines(ChartAt(QStringLiteral("05.12.2026"), 1.0)), &error));
  EXPECT_FALSE(error.isEmpty());
  EXPECT_TRUE(QFileInfo(QStringLiteral("ALT.DAT")).isDir());
}

TEST(StateFileTest, SystemClockGivesTextsAndNumbers) {
  Chart chart;
  SetMomentFromSystemClock(chart, QDateTime(QDate(2026, 12, 5), QTime(10, 29, 50)));
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("05.12.2026"));
  EXPECT_EQ(chart.texts.timeText, QStringLiteral("10.29.50"));
  EXPECT_EQ(chart.moment.day, 5);
  EXPECT_EQ(chart.moment.month, 12);
  EXPECT_EQ(chart.moment.year, 2026);
  EXPECT_DOUBLE_EQ(chart.moment.hours, 10 + 29 / 60.0 + 50 / 3600.0);
  EXPECT_EQ(DateLabel(chart), QStringLiteral("Sa, 05.12.2026"));
  EXPECT_EQ(TimeLabel(chart.moment.hours), QStringLiteral("10:29:50 WZ/GMT"));
}

}  // namespace
}  // namespace gyrolux
