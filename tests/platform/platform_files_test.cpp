// The files the program reads and writes: the bundled pictures, the JPEG decoder, the
// Windows-1252 texts and their writers under any kind of name.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <functional>

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "platform/bundled_images.h"
#include "platform/jpeg_image.h"
#include "platform/text_file.h"
#include "tests/test_support/file_size_limit.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using namespace Qt::StringLiterals;
using testing::FileSizeLimit;
using testing::ReadBytes;
using testing::WriteBytes;

TEST(BundledImagesTest, TitleCoverAndIconDecodeToTheirSizes) {
  QString error;
  const QImage title = TitlePicture(&error);
  EXPECT_EQ(title.size(), QSize(765, 569)) << error.toStdString();
  const QImage cover = CoverPicture(&error);
  EXPECT_EQ(cover.size(), QSize(525, 553)) << error.toStdString();
  EXPECT_EQ(ApplicationIconImage().size(), QSize(32, 32));
}

TEST(JpegImageTest, ColoursComeOutInTheirPlaces) {
  // A picture made here with known halves: red on the left, blue on the right.
  QImage source(64, 32, QImage::Format_RGB32);
  source.fill(QColor(255, 0, 0));
  for (int y = 0; y < 32; ++y)
    for (int x = 32; x < 64; ++x) source.setPixel(x, y, qRgb(0, 0, 255));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  ASSERT_TRUE(source.save(&buffer, "JPEG", 95));

  QString error;
  const QImage decoded = DecodeJpeg(bytes, &error);
  ASSERT_EQ(decoded.size(), QSize(64, 32)) << error.toStdString();
  EXPECT_TRUE(error.isEmpty());
  const QColor left = decoded.pixelColor(8, 16), right = decoded.pixelColor(56, 16);
  EXPECT_TRUE(left.red() > 220 && left.blue() < 40) << left.name().toStdString();
  EXPECT_TRUE(right.blue() > 220 && right.red() < 40) << right.name().toStdString();
}

TEST(JpegImageTest, BrokenInputIsReportedNeverDecoded) {
  const QByteArray title = ReadBytes(QStringLiteral(":/gyrolux/title.jpg"));
  ASSERT_GT(title.size(), 1000);
  QString error;
  // Cut short at several places, from inside the header to just before the end marker.
  for (const qsizetype length : {qsizetype(2), qsizetype(600), title.size() - 2}) {
    error.clear();
    EXPECT_TRUE(DecodeJpeg(QByteArrayView(title).first(length), &error).isNull()) << length;
    EXPECT_TRUE(error.startsWith(QStringLiteral("Das Bild kann nicht gelesen werden"))) << length;
  }
  for (const QByteArray& other : {QByteArray("not a picture at all"), ReadBytes(QStringLiteral(":/gyrolux/icon.png"))}) {
    EXPECT_TRUE(DecodeJpeg(other, &error).isNull());
  }
  // Any other damage: the fuzz target jpeg_image.
}

TEST(Windows1252Test, EveryByteComesBackAndStrangersBecomeQuestionMarks) {
  QByteArray all;
  for (int byte = 0x20; byte <= 0xFF; ++byte) all.append(static_cast<char>(byte));
  const QString text = DecodeWindows1252(all);
  ASSERT_EQ(text.size(), all.size());
  EXPECT_EQ(EncodeWindows1252(text), all);
  // Spot checks from the code page's table: euro sign, Y with diaeresis.
  EXPECT_EQ(text[0x80 - 0x20], QChar(0x20AC));
  EXPECT_EQ(text[0x9F - 0x20], QChar(0x0178));
  EXPECT_EQ(EncodeWindows1252(QStringLiteral("12°34' Größe")), QByteArray("12\xB0" "34' Gr\xF6\xDF" "e"));
  EXPECT_EQ(EncodeWindows1252(QStringLiteral("\u20AC \u2013 \u2014")), QByteArray("\x80 \x96 \x97"));
  // A Cyrillic letter, a sign of the zodiac and a character beyond the BMP: one "?" each.
  EXPECT_EQ(EncodeWindows1252(QStringLiteral("a\u0416b\u2648c\U0001F600d")), QByteArray("a?b?c?d"));
}

// Written and read back whole by the state file (clock/main_window_test.cpp); here the odd line ends.
TEST(TextFileTest, EachLineEndCountsOnce) {
  const struct {
    QByteArray bytes;
    QStringList lines;
  } cases[] = {
      {"A\r\nB\r\n", {"A", "B"}},
      {"A\nB\n", {"A", "B"}},
      {"A\rB\r", {"A", "B"}},
      {"one\ntwo\r\n\r\nthree", {"one", "two", "", "three"}},  // a last line without its end
      {"\n", {""}},
      {"A\n\rB", {"A", "", "B"}},  // LF CR is two line ends
      {"", {}},
      // A CR LF split by the end of a 64 KiB read block is still one line end.
      {QByteArray(65535, 'a') + "\r\n" + QByteArray(200000, 'b') + "\r\nend",
       {QString(255, u'a'), QString(255, u'b'), "end"}},
  };
  for (const auto& c : cases) {
    WriteBytes(QStringLiteral("lines.txt"), c.bytes);
    EXPECT_EQ(ReadTextLines(QStringLiteral("lines.txt")), c.lines) << c.bytes.left(20).toStdString();
  }
  // At most as many lines as asked for.
  WriteBytes(QStringLiteral("lines.txt"), "1\r\n2\r\n3\r\n4\r\n5\r\n");
  EXPECT_EQ(ReadTextLines(QStringLiteral("lines.txt"), nullptr, TextReadOptions{255, 4}),
            (QStringList{"1", "2", "3", "4"}));
}

TEST(TextFileTest, LongLinesAreCutAndNulBytesDoNotEndALine) {
  QByteArray bytes = QByteArray("a\0b\r\n", 5);
  bytes += QByteArray(1 << 20, 'x') + "\r\n";      // a megabyte on one line
  bytes += QByteArray(255, 'y') + "\r\n";          // exactly the longest kept line
  bytes += QByteArray(256, 'z') + "\r\n";          // one too long
  bytes += "last\n";
  WriteBytes(QStringLiteral("odd.txt"), bytes);
  const std::optional<QStringList> read = ReadTextLines(QStringLiteral("odd.txt"));
  EXPECT_EQ(read, (QStringList{QString(QStringLiteral("a")) + QChar(0) + QStringLiteral("b"), QString(255, u'x'),
                               QString(255, u'y'), QString(255, u'z'), QStringLiteral("last")}));

  // A shorter limit, as for the ten-character fields of the state file.
  EXPECT_EQ(ReadTextLines(QStringLiteral("odd.txt"), nullptr, TextReadOptions{10}).value().at(1), QString(10, u'x'));
}

TEST(TextFileTest, MissingFilesAreReportedInGerman) {
  QString error;
  EXPECT_FALSE(ReadTextLines(QStringLiteral("ALT.DAT"), &error).has_value());
  EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei ALT.DAT kann nicht geöffnet werden."))) << error.toStdString();
  EXPECT_FALSE(TextFileReader(QStringLiteral("no/such/folder/ALT.DAT")).readLine().has_value());
  EXPECT_FALSE(WriteTextLines(QStringLiteral("no/such/folder/ALT.DAT"), {QStringLiteral("x")}, &error));
  EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei ALT.DAT kann nicht geschrieben werden."))) << error.toStdString();
}

// Everything under the working folder as lstat sees it: name, kind, link target, bytes.
std::string Everything() {
  QStringList seen;
  QDirIterator it(QStringLiteral("."), QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = it.next();
    struct stat status {};
    lstat(QFile::encodeName(path).constData(), &status);
    seen << path + u' ' + QString::number(status.st_mode & S_IFMT, 8) + u' ' + QFileInfo(path).symLinkTarget() +
                u' ' + QString::fromLatin1(S_ISREG(status.st_mode) ? ReadBytes(path).toHex() : QByteArray());
  }
  seen.sort();
  return seen.join(u'\n').toStdString();
}

// A socket under the name (it stays in the folder after its descriptor is closed).
void BindSocket(const char* name) {
  const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::snprintf(address.sun_path, sizeof address.sun_path, "%s", name);
  EXPECT_EQ(bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(socket);
}

void EmptyWorkingFolder() {
  for (const QFileInfo& entry : QDir().entryInfoList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot)) {
    if (entry.isDir() && !entry.isSymLink()) QDir(entry.filePath()).removeRecursively();
    else QFile::remove(entry.filePath());
  }
}

// Both writers (the atomic replace and the log) under a name that is, or leads to, each
// kind of thing: a regular file is written (through a link, its target), anything else is
// refused with the file's name and left exactly as it was, and nothing else appears.
TEST(TextFileTest, OnlyARegularFileIsWrittenThroughAnyLink) {
  const auto link = [](const char* target) { ASSERT_EQ(symlink(target, "ALT.DAT"), 0); };
  const auto folder = [] { ASSERT_TRUE(QDir().mkpath(QStringLiteral("in/way"))); };
  const auto pipe = [] { ASSERT_EQ(mkfifo("in/pipe", 0600), 0); };
  const QString notRegular = QStringLiteral("Das ist keine gewöhnliche Datei.");
  const struct {
    const char* kind;
    std::function<void()> make;
    QString reason;  // empty: written
    const char* written = "ALT.DAT";
  } rows[] = {
      {"absent", [] {}, {}},
      {"regular", [] { WriteBytes(QStringLiteral("ALT.DAT"), "old\r\n"); }, {}},
      {"link to a regular file", [&] { folder(); WriteBytes(QStringLiteral("in/real.dat"), "old"); link("in/real.dat"); },
       {}, "in/real.dat"},
      {"folder", [] { ASSERT_TRUE(QDir().mkpath(QStringLiteral("ALT.DAT/inner"))); },
       QStringLiteral("Unter diesem Namen steht ein Ordner im Weg.")},
      {"link to a folder", [&] { folder(); link("in/way"); }, QStringLiteral("Unter diesem Namen steht ein Ordner im Weg.")},
      {"pipe", [] { ASSERT_EQ(mkfifo("ALT.DAT", 0600), 0); }, notRegular},
      {"link to a pipe", [&] { folder(); pipe(); link("in/pipe"); }, notRegular},
      // A device of its own as root; else the system's, which no other user may replace.
      {"link to a device",
       [&] { link(mknod("null", S_IFCHR | 0666, makedev(1, 3)) == 0 ? "null" : "/dev/null"); }, notRegular},
      {"socket", [] { BindSocket("ALT.DAT"); }, notRegular},
      {"link that leads nowhere", [&] { folder(); link("in/gone/file"); },
       QStringLiteral("Die Verknüpfung führt zu keiner Datei.")},
  };
  const QByteArray written = "new\r\n";
  for (const bool log : {false, true}) {
    for (const auto& row : rows) {
      const QString what = QString::fromLatin1(row.kind) + (log ? u" (log)"_s : u" (replace)"_s);
      EmptyWorkingFolder();
      row.make();
      // A reader on the pipe, so that a writer that opens it does not hang the test.
      const int reader = ::open("ALT.DAT", O_RDONLY | O_NONBLOCK);
      const std::string before = Everything();
      QString error;
      TextLogWriter writer;
      const bool ok = log ? writer.open(QStringLiteral("ALT.DAT"), &error) && writer.writeLine(QStringLiteral("new"), &error)
                          : ReplaceFileContents(QStringLiteral("ALT.DAT"), written, &error);
      writer.close();
      if (row.reason.isEmpty()) {
        EXPECT_TRUE(ok) << what.toStdString() << ": " << error.toStdString();
        EXPECT_EQ(ReadBytes(QString::fromLatin1(row.written)), written) << what.toStdString();
        EXPECT_EQ(QFileInfo(QStringLiteral("ALT.DAT")).isSymLink(), qstrcmp(row.written, "ALT.DAT") != 0) << what.toStdString();
      } else {
        EXPECT_FALSE(ok) << what.toStdString();
        EXPECT_EQ(error.toStdString(), (u"Die Datei ALT.DAT kann nicht geschrieben werden.\r"_s + row.reason).toStdString())
            << what.toStdString();
        EXPECT_EQ(Everything(), before) << what.toStdString();
      }
      if (reader >= 0) ::close(reader);
    }
  }
}

TEST(TextLogWriterTest, EachLineIsOnDiskAsSoonAsItIsWritten) {
  WriteBytes(QStringLiteral("STELLIA.TXT"), "from an earlier run\r\n");
  TextLogWriter log;
  QString error;
  EXPECT_FALSE(log.writeLine(QStringLiteral("x"), &error));  // not open yet: reported, no crash
  ASSERT_TRUE(log.open(QStringLiteral("STELLIA.TXT"), &error)) << error.toStdString();
  EXPECT_EQ(ReadBytes(QStringLiteral("STELLIA.TXT")), QByteArray());  // overwritten
  ASSERT_TRUE(log.writeLine(QStringLiteral("  Stellia:")));
  ASSERT_TRUE(log.writeLine(QStringLiteral("  SO=ME=VE=MA  12°34' STI")));
  EXPECT_EQ(ReadBytes(QStringLiteral("STELLIA.TXT")), QByteArray("  Stellia:\r\n  SO=ME=VE=MA  12\xB0" "34' STI\r\n"));
  {
    // A full disk is reported, line by line, and the part of the line that fitted is
    // taken back: the file keeps its whole lines.
    const FileSizeLimit diskFull(40);
    EXPECT_FALSE(log.writeLine(QString(60, QLatin1Char('x')), &error));
    EXPECT_TRUE(error.startsWith(QStringLiteral("Die Datei STELLIA.TXT kann nicht geschrieben werden.")));
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("STELLIA.TXT")), QByteArray("  Stellia:\r\n  SO=ME=VE=MA  12\xB0" "34' STI\r\n"));
  ASSERT_TRUE(log.writeLine(QStringLiteral("next")));  // room again: the log goes on after its whole lines
  EXPECT_EQ(ReadBytes(QStringLiteral("STELLIA.TXT")), QByteArray("  Stellia:\r\n  SO=ME=VE=MA  12\xB0" "34' STI\r\nnext\r\n"));
}

TEST(FindFileIgnoringCaseTest, FindsTheRealNameWhateverTheCase) {
  WriteBytes(QStringLiteral("Titel.dat"), "0\r\n");
  WriteBytes(QStringLiteral("MC-ERGNW.TXT"), "");
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("sub")));
  WriteBytes(QStringLiteral("sub/W-Orte.txt"), "");

  const struct {
    const char *folder, *name, *found;  // nullptr: none
  } cases[] = {{".", "Titel.DAT", "./Titel.dat"},      {"", "mc-ergnw.txt", "./MC-ERGNW.TXT"},
               {"sub", "w-orte.TXT", "sub/W-Orte.txt"}, {".", "Titel.da", nullptr},
               {".", "SUB", nullptr} /* a folder is no file */, {"no/such/folder", "Titel.DAT", nullptr}};
  for (const auto& c : cases) {
    const std::optional<QString> found = FindFileIgnoringCase(QString::fromLatin1(c.folder), QString::fromLatin1(c.name));
    EXPECT_EQ(found, c.found ? std::optional<QString>(QString::fromLatin1(c.found)) : std::nullopt) << c.name;
  }

  // With two spellings present the exact one wins.
  WriteBytes(QStringLiteral("TITEL.DAT"), "");
  EXPECT_EQ(FindFileIgnoringCase(QStringLiteral("."), QStringLiteral("TITEL.DAT")), QStringLiteral("./TITEL.DAT"));
}

}  // namespace
}  // namespace gyrolux
