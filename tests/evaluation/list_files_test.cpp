#include "evaluation/list_files.h"

#include <gtest/gtest.h>

#include <QDir>

#include "tests/test_support/file_size_limit.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

// Which number a save takes is numbered_files_test.cpp's; here what is written, and a
// full disk (an error naming the file, no file left behind, the next number taken next).
TEST(ListFilesTest, SavedListsAreWindows1252WithCrLfAndAFailedSaveIsReported) {
  FileCounters counters;
  const ListSave first = SaveListFile(NumberedFileKind::Factors, {QStringLiteral(" Kopf"), QStringLiteral("12°34'ä")}, counters);
  EXPECT_TRUE(first.saved);
  EXPECT_EQ(first.message, QStringLiteral("Die aktuelle Liste wurde gespeichert in  FAKT-01.TXT  im aktuellen Verzeichnis."));
  EXPECT_EQ(testing::ReadBytes(QStringLiteral("FAKT-01.TXT")), QByteArray("\r\n Kopf\r\n12\xB0" "34'\xE4\r\n"));
  {
    testing::FileSizeLimit limit(8);
    const ListSave failed = SaveListFile(NumberedFileKind::Factors, {QString(100, u'x')}, counters);
    EXPECT_FALSE(failed.saved);
    EXPECT_TRUE(failed.message.contains(QStringLiteral("FAKT-02.TXT"))) << failed.message.toStdString();
    EXPECT_FALSE(failed.message.contains(QStringLiteral("gespeichert")));
  }
  EXPECT_EQ(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("FAKT-01.TXT")});
  EXPECT_EQ(SaveListFile(NumberedFileKind::Factors, {}, counters).fileName, QStringLiteral("FAKT-03.TXT"));
}

}  // namespace
}  // namespace gyrolux
