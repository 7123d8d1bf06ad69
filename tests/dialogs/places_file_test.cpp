#include "dialogs/places_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "platform/prompter.h"

namespace gyrolux {
namespace {

// Records the error boxes; nothing else may be asked while the places file is loaded.
class RecordingPrompter : public Prompter {
 public:
  void information(const QString& text) override {
    ADD_FAILURE() << "information: " << text.toStdString();
  }
  void error(const QString& text) override { errors.append(text); }
  bool question(const QString& text) override {
    ADD_FAILURE() << "question: " << text.toStdString();
    return false;
  }
  bool choosePrinter(QPrinter&) override { return false; }
  QStringList errors;
};

void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
  ASSERT_EQ(file.write(bytes), bytes.size());
}

QStringList ReadLines(const QByteArray& bytes) {
  WriteFile(QStringLiteral("w-orte.txt"), bytes);
  const std::optional<QStringList> lines = ReadPlacesLines(QStringLiteral("w-orte.txt"));
  EXPECT_TRUE(lines.has_value());
  return lines.value_or(QStringList{});
}

// HOME and XDG_DATA_HOME point into the test's working directory, so the user's folders
// are ./home/astro and ./data/gyrolux.
class PlacesLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedHome_ = qgetenv("HOME");
    savedDataHome_ = qgetenv("XDG_DATA_HOME");
    home_ = QDir::current().filePath(QStringLiteral("home"));
    dataHome_ = QDir::current().filePath(QStringLiteral("data"));
    qputenv("HOME", home_.toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome_.toLocal8Bit());
  }
  void TearDown() override {
    qputenv("HOME", savedHome_);
    if (savedDataHome_.isEmpty()) {
      qunsetenv("XDG_DATA_HOME");
    } else {
      qputenv("XDG_DATA_HOME", savedDataHome_);
    }
  }

  QString home_, dataHome_;

 private:
  QByteArray savedHome_, savedDataHome_;
};

TEST_F(PlacesLookupTest, TheUsersFilesComeFirstInAnyCaseThenTheShippedOne) {
  const QStringList candidates = PlacesFileCandidates();
  ASSERT_GE(candidates.size(), 4);
  EXPECT_EQ(candidates[0], home_ + "/astro/w-orte.txt");
  EXPECT_EQ(candidates[1], dataHome_ + "/gyrolux/w-orte.txt");
  const QString programFolder = QCoreApplication::applicationDirPath();
  EXPECT_EQ(candidates[2], programFolder + "/w-orte.txt");
  EXPECT_EQ(candidates[3], QDir::cleanPath(programFolder + "/../share/gyrolux/w-orte.txt"));

  RecordingPrompter prompter;
  // Without a file of the user's the shipped one (copied beside the program) is read.
  EXPECT_EQ(LoadPlacesTable(candidates, prompter)->lines,
            ReadPlacesLines(QStringLiteral(GYROLUX_SOURCE_DIR "/resources/W-ORTE.TXT")).value());
  WriteFile(dataHome_ + "/gyrolux/W-Orte.TXT", "data folder\r\n");
  EXPECT_EQ(LoadPlacesTable(candidates, prompter)->lines, QStringList{"data folder"});
  WriteFile(home_ + "/astro/W-ORTE.TXT", "home\r\n");
  EXPECT_EQ(LoadPlacesTable(candidates, prompter)->lines, QStringList{"home"});
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST(PlacesFile, WhatIsNoPlacesFileIsPassedOverAndAMissingFileReportedOnce) {
  RecordingPrompter prompter;
  QDir().mkpath("folder/w-orte.txt");  // a folder of that name is no places file
  QDir().mkpath("device");             // nor is a device, which would never end
  ASSERT_TRUE(QFile::link("/dev/zero", "device/W-ORTE.TXT"));
  EXPECT_FALSE(LoadPlacesTable({"nowhere/w-orte.txt", "folder/w-orte.txt", "device/w-orte.txt"}, prompter));
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0],
            QString::fromUtf8("\r\r     Die Datei W-ORTE.TXT fehlt in C:\\ASTRO;\r\r"
                              "Sie müssen daher Orte mit Koordinaten eingeben.     \r"));

  // The exact spelling wins over other cases in one folder; an empty file is one entry.
  WriteFile("a/W-ORTE.TXT", "upper\n");
  WriteFile("a/w-orte.txt", "");
  EXPECT_EQ(LoadPlacesTable({"a/w-orte.txt"}, prompter)->lines, QStringList{""});
  EXPECT_EQ(prompter.errors.size(), 1);
}

TEST(PlacesFile, ReadingStopsAtTheLastEntryOfTheTable) {
  QByteArray bytes;
  for (int i = 1; i <= 70000; ++i) bytes += QByteArray::number(i) + "\r\n";
  const QStringList lines = ReadLines(bytes);
  ASSERT_EQ(lines.size(), 65536);
  EXPECT_EQ(lines.back(), "65536");
}

TEST(PlacesFile, ABinaryFileGivesNothingReadable) {
  QByteArray bytes;
  for (int b = 0; b < 256; ++b) bytes.append(static_cast<char>(b));
  for (const QString& line : ReadLines(bytes + bytes)) {
    EXPECT_FALSE(ParsePlaceLatitude(line).has_value());
    EXPECT_FALSE(ParsePlaceLongitude(line).has_value());
  }
}

// ---- One places line ------------------------------------------------------------------

QString PaddedName(const char* name) { return QString::fromUtf8(name).leftJustified(33, u' '); }

TEST(PlaceLine, TheHamburgLineGivesItsNameAndCoordinates) {
  const QString line = PaddedName("Hamburg") + "53 33 00 N  009 59 00 E";
  EXPECT_EQ(PlaceName(line), PaddedName("Hamburg"));
  EXPECT_EQ(PlaceName(line).size(), 33);

  const std::optional<PlaceCoordinate> latitude = ParsePlaceLatitude(line);
  ASSERT_TRUE(latitude.has_value());
  EXPECT_EQ(latitude->degrees, 53);
  EXPECT_EQ(latitude->minutes, 33);
  EXPECT_EQ(latitude->seconds, 0);
  EXPECT_FALSE(latitude->southOrWest);
  EXPECT_DOUBLE_EQ(latitude->SignedDegrees(), 53.55);

  const std::optional<PlaceCoordinate> longitude = ParsePlaceLongitude(line);
  ASSERT_TRUE(longitude.has_value());
  EXPECT_EQ(longitude->degrees, 9);
  EXPECT_EQ(longitude->minutes, 59);
  EXPECT_FALSE(longitude->southOrWest);
  EXPECT_DOUBLE_EQ(longitude->SignedDegrees(), 9.0 + 59.0 / 60.0);
}

TEST(PlaceLine, HemisphereLettersInEitherCase) {
  struct Case {
    const char* tail;
    bool south, west;
  };
  for (const Case& c : {Case{"33 52 04 S  151 12 36 E", true, false},
                        Case{"33 52 04 s  151 12 36 w", true, true},
                        Case{"33 52 04 n  151 12 36 W", false, true},
                        Case{"33 52 04    151 12 36  ", false, false},
                        Case{"33 52 04 X  151 12 36 O", false, false}}) {
    SCOPED_TRACE(c.tail);
    const QString line = PaddedName("Sydney") + c.tail;
    ASSERT_TRUE(ParsePlaceLatitude(line) && ParsePlaceLongitude(line));
    EXPECT_EQ(ParsePlaceLatitude(line)->southOrWest, c.south);
    EXPECT_EQ(ParsePlaceLongitude(line)->southOrWest, c.west);
  }
  const QString sydney = PaddedName("Sydney") + "33 52 04 S  151 12 36 W";
  EXPECT_DOUBLE_EQ(ParsePlaceLatitude(sydney)->SignedDegrees(), -(33 + 52 / 60.0 + 4 / 3600.0));
  EXPECT_DOUBLE_EQ(ParsePlaceLongitude(sydney)->SignedDegrees(), -(151 + 12 / 60.0 + 36 / 3600.0));
}

TEST(PlaceLine, NumberFieldsMayStartWithBlanksButNotEndWithThem) {
  const QString name = PaddedName("Ort");
  // A blank followed by a digit is read as that digit, in every field.
  const QString blanksFirst = name + " 5  7  9 N    8  1  2 E";
  ASSERT_TRUE(ParsePlaceLatitude(blanksFirst).has_value());
  EXPECT_EQ(ParsePlaceLatitude(blanksFirst)->degrees, 5);
  EXPECT_EQ(ParsePlaceLatitude(blanksFirst)->minutes, 7);
  EXPECT_EQ(ParsePlaceLatitude(blanksFirst)->seconds, 9);
  ASSERT_TRUE(ParsePlaceLongitude(blanksFirst).has_value());
  EXPECT_EQ(ParsePlaceLongitude(blanksFirst)->degrees, 8);
  EXPECT_EQ(ParsePlaceLongitude(blanksFirst)->seconds, 2);
  // A digit followed by a blank is unreadable; the other coordinate is not affected.
  const QString latitudeBad = name + "5  33 00 N  009 59 00 E";
  EXPECT_FALSE(ParsePlaceLatitude(latitudeBad).has_value());
  EXPECT_TRUE(ParsePlaceLongitude(latitudeBad).has_value());
  EXPECT_FALSE(ParsePlaceLatitude(name + "53 3  00 N").has_value());
  EXPECT_FALSE(ParsePlaceLatitude(name + "53 33 0  N").has_value());
  const QString longitudeBad = name + "53 33 00 N  9   59 00 E";
  EXPECT_TRUE(ParsePlaceLatitude(longitudeBad).has_value());
  EXPECT_FALSE(ParsePlaceLongitude(longitudeBad).has_value());
  // Any character may stand between the fields; what follows column 56 is ignored.
  const QString separators = name + "53°33'00\"N--009°59'00\"E  and more 12 34";
  ASSERT_TRUE(ParsePlaceLatitude(separators) && ParsePlaceLongitude(separators));
  EXPECT_DOUBLE_EQ(ParsePlaceLongitude(separators)->SignedDegrees(), 9.0 + 59.0 / 60.0);
}

TEST(PlaceLine, ValuesKeepTheirLowEightBits) {
  const QString line = PaddedName("Ort") + "-1 +5 -0 N  999 99 99 E";
  ASSERT_TRUE(ParsePlaceLatitude(line) && ParsePlaceLongitude(line));
  EXPECT_EQ(ParsePlaceLatitude(line)->degrees, 255);
  EXPECT_EQ(ParsePlaceLatitude(line)->minutes, 5);
  EXPECT_EQ(ParsePlaceLatitude(line)->seconds, 0);
  EXPECT_EQ(ParsePlaceLongitude(line)->degrees, 999 - 768);
  EXPECT_EQ(ParsePlaceLongitude(line)->minutes, 99);
}

TEST(PlaceLine, ShortAndEmptyLines) {
  EXPECT_EQ(PlaceName(""), "");
  EXPECT_EQ(PlaceName("Kurz"), "Kurz");
  EXPECT_FALSE(ParsePlaceLatitude("").has_value());
  EXPECT_FALSE(ParsePlaceLongitude(PaddedName("Nur Breite") + "53 33 00 N").has_value());
  // The line ends before its hemisphere letters: north and east.
  const QString noLetters = PaddedName("Ort") + "53 33 00 N  009 59 00";
  ASSERT_TRUE(ParsePlaceLongitude(noLetters).has_value());
  EXPECT_FALSE(ParsePlaceLongitude(noLetters)->southOrWest);
  const QString cutInSeconds = PaddedName("Ort") + "53 33 0";
  EXPECT_TRUE(ParsePlaceLatitude(cutInSeconds).has_value());  // "0" is a whole field's text
}

TEST(PlaceLine, WholeNumberFields) {
  EXPECT_EQ(ParseWholeNumberField(u"  5"), 5);
  EXPECT_EQ(ParseWholeNumberField(u"+07"), 7);
  EXPECT_EQ(ParseWholeNumberField(u"-12"), -12);
  EXPECT_EQ(ParseWholeNumberField(u"000"), 0);
  for (const char16_t* unreadable : {u"", u"   ", u"+", u"-", u"5 ", u"- 5", u"+-5", u"5a", u"1.5",
                                     u"\t5", u"\u0663", u"99999999999999999999"}) {
    EXPECT_FALSE(ParseWholeNumberField(unreadable).has_value())
        << QString::fromUtf16(unreadable).toStdString();
  }
}

}  // namespace
}  // namespace gyrolux
