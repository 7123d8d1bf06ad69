#include "dialogs/places_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/scripted_prompter.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  testing::WriteBytes(path, bytes);
}

QStringList ReadLines(const QByteArray& bytes) {
  WriteFile(QStringLiteral("w-orte.txt"), bytes);
  const std::optional<QStringList> lines = ReadPlacesLines(QStringLiteral("w-orte.txt"));
  EXPECT_TRUE(lines.has_value());
  return lines.value_or(QStringList{});
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
  const QStringList lines = ReadLines(bytes);
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

}  // namespace
}  // namespace gyrolux
