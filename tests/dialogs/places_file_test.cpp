#include "dialogs/places_file.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include "clock/session.h"
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

// HOME and XDG_DATA_HOME point into the test's working directory, and the program is
// called gyrolux, so the user's folders are ./home/astro and ./data/gyrolux.
class PlacesLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedHome_ = qgetenv("HOME");
    savedDataHome_ = qgetenv("XDG_DATA_HOME");
    savedName_ = QCoreApplication::applicationName();
    home_ = QDir::current().filePath(QStringLiteral("home"));
    dataHome_ = QDir::current().filePath(QStringLiteral("data"));
    qputenv("HOME", home_.toLocal8Bit());
    qputenv("XDG_DATA_HOME", dataHome_.toLocal8Bit());
    QCoreApplication::setApplicationName(QStringLiteral("gyrolux"));
  }
  void TearDown() override {
    qputenv("HOME", savedHome_);
    if (savedDataHome_.isEmpty()) {
      qunsetenv("XDG_DATA_HOME");
    } else {
      qputenv("XDG_DATA_HOME", savedDataHome_);
    }
    QCoreApplication::setApplicationName(savedName_);
  }

  QString home_, dataHome_;

 private:
  QByteArray savedHome_, savedDataHome_;
  QString savedName_;
};

TEST_F(PlacesLookupTest, CandidatesRunFromTheUsersFoldersToTheShippedFile) {
  QStringList candidates = PlacesFileCandidates();
  ASSERT_GE(candidates.size(), 4);
  EXPECT_EQ(candidates[0], home_ + "/astro/w-orte.txt");
  EXPECT_EQ(candidates[1], dataHome_ + "/gyrolux/w-orte.txt");
  const QString programFolder = QCoreApplication::applicationDirPath();
  EXPECT_EQ(candidates[2], programFolder + "/w-orte.txt");
  EXPECT_EQ(candidates[3], QDir::cleanPath(programFolder + "/../share/gyrolux/w-orte.txt"));
  EXPECT_EQ(candidates.removeDuplicates(), 0);
}

TEST_F(PlacesLookupTest, TheHomeFileComesFirstWhateverTheCaseOfItsName) {
  RecordingPrompter prompter;
  WriteFile(dataHome_ + "/gyrolux/w-orte.txt", "data folder\r\n");
  for (const char* name : {"W-ORTE.TXT", "w-orte.txt", "W-Orte.txt"}) {
    SCOPED_TRACE(name);
    const QString path = home_ + "/astro/" + name;
    WriteFile(path, QByteArray("home ") + name + "\r\n");
    Session session(prompter);
    LoadPlacesTable(session);
    EXPECT_TRUE(session.flags.placesFilePresent);
    EXPECT_EQ(session.places.lines, QStringList{QString("home ") + name});
    QFile::remove(path);
  }
  // Without a file in ~/astro the one in the data folder is taken, in any case too.
  QFile::rename(dataHome_ + "/gyrolux/w-orte.txt", dataHome_ + "/gyrolux/W-Orte.TXT");
  Session session(prompter);
  LoadPlacesTable(session);
  EXPECT_TRUE(session.flags.placesFilePresent);
  EXPECT_EQ(session.places.lines, QStringList{"data folder"});
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST_F(PlacesLookupTest, WithoutAFileOfTheUsersTheShippedOneIsRead) {
  RecordingPrompter prompter;
  Session session(prompter);
  LoadPlacesTable(session);
  EXPECT_TRUE(session.flags.placesFilePresent);
  EXPECT_TRUE(prompter.errors.isEmpty());
  // The build copies it beside the program; it is the file of the source tree.
  EXPECT_EQ(session.places.lines,
            ReadPlacesLines(QCoreApplication::applicationDirPath() + "/W-ORTE.TXT").value());
  EXPECT_EQ(session.places.lines,
            ReadPlacesLines(QStringLiteral(GYROLUX_SOURCE_DIR "/resources/W-ORTE.TXT")).value());
}

TEST(PlacesFile, TheExactSpellingWinsOverOtherCasesInOneFolder) {
  RecordingPrompter prompter;
  WriteFile("a/W-ORTE.TXT", "upper\n");
  WriteFile("a/w-orte.txt", "lower\n");
  WriteFile("b/W-ORTE.TXT", "upper\n");
  WriteFile("b/W-Orte.txt", "mixed\n");
  Session session(prompter);
  LoadPlacesTable(session, {"a/w-orte.txt"});
  EXPECT_EQ(session.places.lines, QStringList{"lower"});
  // Neither spelled as asked: the first in name order ("W-ORTE" sorts before "W-Orte").
  LoadPlacesTable(session, {"b/w-orte.txt"});
  EXPECT_EQ(session.places.lines, QStringList{"upper"});
}

TEST(PlacesFile, AMissingFileIsReportedOnceAndLeavesAnEmptyTable) {
  RecordingPrompter prompter;
  QDir().mkpath("folder/w-orte.txt");  // a folder of that name is no places file
  // Nor is a device, which would never end.
  QDir().mkpath("device");
  ASSERT_TRUE(QFile::link("/dev/zero", "device/W-ORTE.TXT"));
  Session session(prompter);
  session.places.lines = {"stale"};
  session.flags.placesFilePresent = true;
  LoadPlacesTable(session, {"nowhere/w-orte.txt", "folder/w-orte.txt", "device/w-orte.txt"});
  EXPECT_FALSE(ReadPlacesLines("device/W-ORTE.TXT").has_value());
  EXPECT_FALSE(session.flags.placesFilePresent);
  EXPECT_TRUE(session.places.lines.isEmpty());
  ASSERT_EQ(prompter.errors.size(), 1);
  EXPECT_EQ(prompter.errors[0],
            QString::fromUtf8("\r\r     Die Datei W-ORTE.TXT fehlt in C:\\ASTRO;\r\r"
                              "Sie müssen daher Orte mit Koordinaten eingeben.     \r"));
}

TEST(PlacesFile, AnEmptyFileGivesOneEmptyEntry) {
  RecordingPrompter prompter;
  WriteFile("w-orte.txt", "");
  Session session(prompter);
  LoadPlacesTable(session, {QDir::current().filePath("W-ORTE.TXT")});
  EXPECT_TRUE(session.flags.placesFilePresent);
  EXPECT_EQ(session.places.lines, QStringList{""});
  EXPECT_TRUE(prompter.errors.isEmpty());
}

TEST(PlacesFile, LineEndsCountOnceEach) {
  EXPECT_EQ(ReadLines("A\r\nB\r\n"), (QStringList{"A", "B"}));
  EXPECT_EQ(ReadLines("A\nB\n"), (QStringList{"A", "B"}));
  EXPECT_EQ(ReadLines("A\rB\r"), (QStringList{"A", "B"}));
  EXPECT_EQ(ReadLines("A\r\nB"), (QStringList{"A", "B"}));  // the last line without an end
  EXPECT_EQ(ReadLines("A\r\n\r\n"), (QStringList{"A", ""}));
  EXPECT_EQ(ReadLines("\n"), QStringList{""});
  EXPECT_EQ(ReadLines("A\n\rB"), (QStringList{"A", "", "B"}));  // LF CR is two line ends
}

TEST(PlacesFile, LinesAreWindows1252) {
  EXPECT_EQ(ReadLines("M\xFCnchen \xC4\xD6\xDC\xDF \xB0\r\n\x80\x84\x93\x96\x81\r\n"),
            (QStringList{QString::fromUtf8("München ÄÖÜß °"),
                         QString::fromUtf8("€„“–") + QChar(0x81)}));
}

TEST(PlacesFile, LongLinesAreCutTo255Characters) {
  const QStringList lines =
      ReadLines(QByteArray(300, 'x') + "\r\nnext\r\n" + QByteArray(255, 'y') + "\n");
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QString(255, 'x'));
  EXPECT_EQ(lines[1], "next");
  EXPECT_EQ(lines[2], QString(255, 'y'));
}

TEST(PlacesFile, LinesAcrossReadBlocksStayWhole) {
  // The file is read in blocks of 64 KiB: a CR LF split by a block end is still one line
  // end, and a line much longer than a block is still one cut entry.
  const QByteArray first = QByteArray(65535, 'a') + "\r\n";  // the CR ends the first block
  const QByteArray second = QByteArray(200000, 'b') + "\r\n";
  const QStringList lines = ReadLines(first + second + "end");
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], QString(255, 'a'));
  EXPECT_EQ(lines[1], QString(255, 'b'));
  EXPECT_EQ(lines[2], "end");
}

TEST(PlacesFile, ABinaryFileGivesItsPiecesBetweenLineEndBytes) {
  QByteArray bytes;
  for (int b = 0; b < 256; ++b) bytes.append(static_cast<char>(b));
  // 00..09, then LF; 0B 0C, then CR; 0E..FF.
  const QStringList lines = ReadLines(bytes);
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0].size(), 10);
  EXPECT_EQ(lines[0][0], QChar(0));
  EXPECT_EQ(lines[1], QString::fromUtf8("\x0B\x0C"));
  EXPECT_EQ(lines[2].size(), 242);
  EXPECT_EQ(lines[2][0x80 - 14], QChar(0x20AC));
  EXPECT_EQ(lines[2][241], QChar(0xFF));
  // Nothing readable comes out of such lines, and nothing breaks.
  for (const QString& line : lines) {
    EXPECT_FALSE(ParsePlaceLatitude(line).has_value());
    EXPECT_FALSE(ParsePlaceLongitude(line).has_value());
  }
}

TEST(PlacesFile, ReadingStopsAtTheLastEntryOfTheTable) {
  QByteArray bytes;
  for (int i = 1; i <= 70000; ++i) bytes += QByteArray::number(i) + "\r\n";
  const QStringList lines = ReadLines(bytes);
  ASSERT_EQ(lines.size(), 65536);
  EXPECT_EQ(lines.front(), "1");
  EXPECT_EQ(lines.back(), "65536");
  // Exactly as many lines as the table holds, the last one without a line end.
  bytes.clear();
  for (int i = 1; i <= 65536; ++i) bytes += QByteArray::number(i) + (i < 65536 ? "\n" : "");
  EXPECT_EQ(ReadLines(bytes).size(), 65536);
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
