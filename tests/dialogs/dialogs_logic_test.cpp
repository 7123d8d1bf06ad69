// The places file, the checks of the date, time and place dialog, the picking of a place,
// and the lines and labels that report a search's hit.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "dialogs/moment_input.h"
#include "dialogs/places_file.h"
#include "dialogs/search_report.h"
#include "platform/scripted_prompter.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  testing::WriteBytes(path, bytes);
}

TEST(PlacesFileTest, TheUsersFilesComeFirstInAnyCaseThenTheShippedOne) {
  // The user's folders inside the test's working directory: ./home/astro, ./data/gyrolux.
  const QString home = QDir::current().filePath(QStringLiteral("home"));
  const QString dataHome = QDir::current().filePath(QStringLiteral("data"));
  // The program's own private folders (test_support/private_environment.h) are set back at the end.
  const QByteArray homeBefore = qgetenv("HOME"), dataHomeBefore = qgetenv("XDG_DATA_HOME");
  qputenv("HOME", home.toLocal8Bit());
  qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
  const QStringList candidates = PlacesFileCandidates();
  ASSERT_GE(candidates.size(), 4);
  EXPECT_EQ(candidates[0], home + "/astro/w-orte.txt");
  EXPECT_EQ(candidates[1], dataHome + "/gyrolux/w-orte.txt");
  const QString programFolder = QCoreApplication::applicationDirPath();
  EXPECT_EQ(candidates[2], programFolder + "/w-orte.txt");
  EXPECT_EQ(candidates[3], QDir::cleanPath(programFolder + "/../share/gyrolux/w-orte.txt"));

  ScriptedPrompter prompter;
  // Without a file of the user's the shipped one (copied beside the program) is read.
  EXPECT_EQ(LoadPlacesTable(candidates, prompter)->lines,
            ReadPlacesLines(QStringLiteral(GYROLUX_SOURCE_DIR "/resources/W-ORTE.TXT")).value());
  WriteFile(dataHome + "/gyrolux/W-Orte.TXT", "data folder\r\n");
  EXPECT_EQ(LoadPlacesTable(candidates, prompter)->lines, QStringList{"data folder"});
  WriteFile(home + "/astro/W-ORTE.TXT", "home\r\n");
  EXPECT_EQ(LoadPlacesTable(candidates, prompter)->lines, QStringList{"home"});
  EXPECT_TRUE(prompter.shown().empty());
  qputenv("HOME", homeBefore);
  qputenv("XDG_DATA_HOME", dataHomeBefore);
}

TEST(PlacesFileTest, WhatIsNoPlacesFileIsPassedOverAndAMissingFileReportedOnce) {
  ScriptedPrompter prompter;
  QDir().mkpath("folder/w-orte.txt");  // a folder of that name is no places file
  QDir().mkpath("device");             // nor is a device, which would never end
  ASSERT_TRUE(QFile::link("/dev/zero", "device/W-ORTE.TXT"));
  EXPECT_FALSE(LoadPlacesTable({"nowhere/w-orte.txt", "folder/w-orte.txt", "device/w-orte.txt"}, prompter));
  const std::vector<ScriptedPrompter::Shown> missing = {
      {ScriptedPrompter::Kind::Error, QString::fromUtf8("\r\r     Die Datei W-ORTE.TXT fehlt in C:\\ASTRO;\r\r"
                                                        "Sie müssen daher Orte mit Koordinaten eingeben.     \r")}};
  EXPECT_EQ(prompter.shown(), missing);

  // The exact spelling wins over other cases in one folder; an empty file is one entry.
  WriteFile("a/W-ORTE.TXT", "upper\n");
  WriteFile("a/w-orte.txt", "");
  EXPECT_EQ(LoadPlacesTable({"a/w-orte.txt"}, prompter)->lines, QStringList{""});
  EXPECT_EQ(prompter.shown(), missing);
}

TEST(PlacesFileTest, ReadingStopsAtTheLastEntryOfTheTable) {
  QByteArray bytes;
  for (int i = 1; i <= 70000; ++i) bytes += QByteArray::number(i) + "\r\n";
  WriteFile(QStringLiteral("w-orte.txt"), bytes);
  const QStringList lines = ReadPlacesLines(QStringLiteral("w-orte.txt")).value_or(QStringList{});
  ASSERT_EQ(lines.size(), 65536);
  EXPECT_EQ(lines.back(), "65536");
}

// Any bytes, read and parsed: the fuzz targets places_file and places_line.

// ---- One places line ------------------------------------------------------------------

// "d m s h" of a coordinate, "-" when there is none.
std::string Shown(const std::optional<PlaceCoordinate>& c) {
  if (!c) return "-";
  return std::to_string(c->degrees) + " " + std::to_string(c->minutes) + " " + std::to_string(c->seconds) +
         (c->southOrWest ? " -" : " +");
}

TEST(PlacesFileTest, CoordinatesFromTheFixedColumns) {
  const struct {
    const char* tail;  // from column 34 on
    const char *latitude, *longitude;
  } cases[] = {
      {"53 33 00 N  009 59 00 E", "53 33 0 +", "9 59 0 +"},
      // Hemisphere letters in either case; anything else is north and east.
      {"33 52 04 s  151 12 36 w", "33 52 4 -", "151 12 36 -"},
      {"33 52 04 X  151 12 36 O", "33 52 4 +", "151 12 36 +"},
      {"53 33 00 N  009 59 00", "53 33 0 +", "9 59 0 +"},  // the line ends before the letter
      // A blank followed by a digit is read as that digit, a digit followed by a blank is
      // unreadable; the other coordinate is not affected.
      {" 5  7  9 N    8  1  2 E", "5 7 9 +", "8 1 2 +"},
      {"5  33 00 N  009 59 00 E", "-", "9 59 0 +"},
      {"53 33 00 N  9   59 00 E", "53 33 0 +", "-"},
      {"53 33 0", "53 33 0 +", "-"},  // "0" is a whole field's text
      // Any character may stand between the fields; what follows column 56 is ignored.
      {"53°33'00\"N--009°59'00\"E  and more 12 34", "53 33 0 +", "9 59 0 +"},
      // Values keep their low eight bits.
      {"-1 +5 -0 N  999 99 99 E", "255 5 0 +", "231 99 99 +"}};
  for (const auto& c : cases) {
    const QString line = QStringLiteral("Ort").leftJustified(33, u' ') + QString::fromUtf8(c.tail);
    EXPECT_EQ(Shown(ParsePlaceLatitude(line)), c.latitude) << c.tail;
    EXPECT_EQ(Shown(ParsePlaceLongitude(line)), c.longitude) << c.tail;
  }
  EXPECT_FALSE(ParsePlaceLatitude("").has_value());
  const QString sydney = QStringLiteral("Sydney").leftJustified(33, u' ') + "33 52 04 S  151 12 36 W";
  EXPECT_DOUBLE_EQ(ParsePlaceLongitude(sydney)->SignedDegrees(), -(151 + 12 / 60.0 + 36 / 3600.0));
  EXPECT_EQ(PlaceName(sydney), QStringLiteral("Sydney").leftJustified(33, u' '));
}

void SetTexts(Chart& chart, const char* date, const char* time, const char* longitude, const char* latitude) {
  chart.texts.dateText = QString::fromUtf8(date);
  chart.texts.timeText = QString::fromUtf8(time);
  chart.texts.longitudeText = QString::fromUtf8(longitude);
  chart.texts.latitudeText = QString::fromUtf8(latitude);
}

// Each group of fields is taken into the chart's number and text, or refused with the chart
// left as it was. Each check's message and the field it puts the focus in, the sign checks
// and a longitude beyond 180: dialogs_window_test.cpp.
TEST(MomentInputTest, EachGroupIsTakenWholeOrNotAtAll) {
  enum Group { kDate, kTime, kLongitude, kLatitude };
  const struct {
    Group group;
    const char* typed[3];
    const char* text = nullptr;  // the group's text after the check; nullptr: refused
    double value = 0;            // the year, the hours or the degrees taken
  } cases[] = {
      {kDate, {"29", "02", "2000"}, "29.02.2000", 2000}, {kDate, {"29", "02", "1900"}}, {kDate, {"31", "04", "2025"}},
      {kDate, {"01", "01", "1599"}}, {kDate, {"01", "01", "1600"}, "01.01.1600", 1600}, {kDate, {"00", "01", "2000"}},
      {kDate, {"31", "12", "9999"}, "31.12.9999", 9999}, {kDate, {"01", "13", "2000"}}, {kDate, {"5 ", "01", "2000"}},
      {kDate, {" 5", "1", "2000"}, "05.01.2000", 2000},
      {kTime, {"24", "00"}, "24:00:00", 24.0001}, {kTime, {"13", "05"}, "13:05:00", 13 + 5 / 60.0 + 0.0001},
      {kTime, {"0", "0"}, "00:00:00", 0.0001}, {kTime, {"12", "-0"}, "12:00:00", 12.0001}, {kTime, {"24", "01"}},
      {kTime, {"23", "60"}}, {kTime, {"-1", "00"}}, {kTime, {"1.", "00"}},
      {kLongitude, {"+", "180", "00"}, "+180°00'", 180.0001}, {kLongitude, {"-", "10", "30"}, "-010°30'", -10.5001},
      {kLongitude, {"+", "180", "01"}}, {kLongitude, {"+", "10", "60"}}, {kLongitude, {"+", "x", "00"}},
      {kLatitude, {"+", "90", "00"}, "+90°00'", 90.0001}, {kLatitude, {"-", "5", "7."}, "-05°7.'", -(5 + 7 / 60.0 + 0.0001)},
      {kLatitude, {"+", "90", "01"}}, {kLatitude, {"+", "-1", "00"}}};
  const MomentField first[] = {MomentField::Day, MomentField::Hour, MomentField::LongitudeSign, MomentField::LatitudeSign};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.typed[0]) + "|" + c.typed[1] + "|" + (c.typed[2] ? c.typed[2] : ""));
    MomentFieldTexts fields;
    for (int i = 0; i < 3 && c.typed[i]; ++i) fields[static_cast<int>(first[c.group]) + i] = QString::fromUtf8(c.typed[i]);
    Chart chart;
    chart.moment = {3, 3, 3, 3.0, 3.0, 3.0, false, false};
    SetTexts(chart, "alt", "alt", "alt", "alt");
    const FieldCheck check = c.group == kDate   ? CheckDate(fields, chart)
                             : c.group == kTime ? CheckTime(fields, true, chart)
                             : c.group == kLongitude ? CheckLongitude(fields, chart)
                                                     : CheckLatitude(fields, chart);
    const QString texts[] = {chart.texts.dateText, chart.texts.timeText, chart.texts.longitudeText, chart.texts.latitudeText};
    const double values[] = {double(chart.moment.year), chart.moment.hours, chart.moment.longitude, chart.moment.latitude};
    EXPECT_EQ(check.passed, c.text != nullptr);
    EXPECT_EQ(texts[c.group], QString::fromUtf8(c.text ? c.text : "alt"));
    EXPECT_DOUBLE_EQ(values[c.group], c.text ? c.value : 3.0);
    if (!c.text) continue;
    EXPECT_TRUE(check.message.isEmpty());
    EXPECT_EQ(check.closeDialog, c.group == kLatitude);  // only a valid latitude closes the dialog
    EXPECT_TRUE(c.group != kTime || check.focus == MomentField::PlacesList);
    EXPECT_EQ(c.group == kLatitude ? chart.moment.southLatitude : chart.moment.westLongitude,
              c.group >= kLongitude && c.value < 0);
  }
  // A latitude's degrees beyond 90 are refused without a message and keep the focus.
  const FieldCheck wide = CheckDegrees(MomentField::LatitudeDegrees, QStringLiteral("91"));
  EXPECT_TRUE(!wide.passed && wide.message.isEmpty() && wide.focus == MomentField::LatitudeDegrees);
}

// A line of the places file: the name in columns 1-33, then the latitude and the longitude.
QString PlaceLine(const char* coordinates) {
  return QStringLiteral("Hamburg (D)").leftJustified(33) + QString::fromLatin1(coordinates);
}

TEST(MomentInputTest, PickingAPlace) {
  // Lower-case s and w count as south and west; seconds are kept in the numbers. (A
  // northern and eastern place and an unreadable line are picked in dialogs_window_test.cpp,
  // what a line holds is the places file's above; here the ranges.)
  Chart chart;
  PlacePick pick = PickPlace(PlaceLine("33 52 30 s  151 12 36 w"), chart);
  EXPECT_TRUE(pick.message.isEmpty());
  EXPECT_DOUBLE_EQ(chart.moment.latitude, -(33 + 52 / 60.0 + 30 / 3600.0));
  EXPECT_DOUBLE_EQ(chart.moment.longitude, -(151 + 12 / 60.0 + 36 / 3600.0));
  EXPECT_TRUE(chart.moment.southLatitude && chart.moment.westLongitude);
  EXPECT_EQ(chart.texts.latitudeText, QStringLiteral("-33°52'"));
  EXPECT_EQ(chart.texts.longitudeText, QStringLiteral("-151°12'"));

  // Beyond the pole nothing is taken; beyond the date line the latitude before it is.
  for (const bool pole : {true, false}) {
    Chart after;
    after.moment.latitude = after.moment.longitude = 1.0;
    pick = PickPlace(PlaceLine(pole ? "90 00 01 N  009 59 00 E" : "53 33 00 N  181 00 00 E"), after);
    EXPECT_EQ(pick.message, QString::fromUtf8(pole ? "Die Breitenangabe" : "Die Längenangabe") +
                                QStringLiteral(" oder deren Position in der Datei-Zeile ist fehlerhaft"));
    EXPECT_DOUBLE_EQ(after.moment.latitude, pole ? 1.0 : 53.55);
    EXPECT_DOUBLE_EQ(after.moment.longitude, 1.0);
  }
}

TEST(MomentInputTest, ActivationReadsTheCoordinatesBackFromTheirTexts) {
  Chart chart;
  SetTexts(chart, "07.03.1999", "09:05:00", "-009°59'", "-33°52'");
  // A place picked before: its seconds are dropped, 0.0001 is added.
  chart.moment.longitude = -(9 + 59 / 60.0 + 30 / 3600.0);
  chart.moment.latitude = 12.0;
  const MomentFieldTexts fields = ActivateMomentFields(chart);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, -(9 + 59 / 60.0 + 0.0001));
  EXPECT_DOUBLE_EQ(chart.moment.latitude, -(33 + 52 / 60.0 + 0.0001));
  EXPECT_TRUE(chart.moment.westLongitude && chart.moment.southLatitude);
  const MomentFieldTexts expected = {"07", "03", "1999", "09", "05", "-", "009", "59", "-", "33", "52"};
  EXPECT_EQ(fields, expected);

  // Damaged texts count the digits before the first other character.
  SetTexts(chart, "7x.3", "", "+1°", "x");
  const MomentFieldTexts damaged = ActivateMomentFields(chart);
  const MomentFieldTexts expectedDamaged = {"07", "03", "0000", "00", "00", "+", "001", "00", "+", "00", "00"};
  EXPECT_EQ(damaged, expectedDamaged);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 1.0001);
}

// A chart at 24.12.2030 with MC 15°, SO 0° (MC/SO 7°30'), MA 10° and JU 6°02'
// (MA/JU 8°01'), at the 10-minute mark 12:40 reached by steps from midnight.
Chart FoundChart() {
  Chart chart;
  chart.moment = {24, 12, 2030, 0.0, 0.0, 0.0, false, false};
  for (int step = 0; step < 76; ++step) chart.moment.hours += 1.0 / 6.0;
  chart.state.factorLongitude[MC] = 15.0;
  chart.state.factorLongitude[SO] = 0.0;
  chart.state.factorLongitude[MA] = 10.0;
  chart.state.factorLongitude[JU] = 6.0 + 2.0 / 60.0;
  return chart;
}

TEST(SearchReportTest, ResultLinesAndLabelsShowTheMarkReached) {
  const Chart chart = FoundChart();
  // The stepped hours lie a hair below 12 2/3; cutting them would show 12:39:59.
  ASSERT_LT(chart.moment.hours, 12.0 + 2.0 / 3.0);
  EXPECT_EQ(SearchResultLine(PictureQuery(MC, SO, MA, JU), chart),
            QStringLiteral("     MC/SO=MA/JU 07°30'/08°01' gefunden: Datum:24.12.2030  WZ:12:40:00"));
  EXPECT_EQ(SearchResultLine(MidpointAngleQuery(MC, SO, 7.5), chart),
            QStringLiteral("         MC/SO=07°30' gefunden: Datum: 24.12.2030   WZ: 12:40:00"));
  // The placeholder counts as 0°: MA/-- is 5°.
  EXPECT_TRUE(SearchResultLine(PictureQuery(MC, SO, MA, kFillerAbbrevIndex), chart)
                  .startsWith(QStringLiteral("     MC/SO=MA/-- 07°30'/05°00' ")));
  EXPECT_EQ(FoundDateLabel(chart.moment), QStringLiteral("Di, 24.12.2030"));
  EXPECT_EQ(FoundTimeLabel(chart.moment.hours), QStringLiteral("12:40:00 WZ/GMT"));
}

}  // namespace
}  // namespace gyrolux
