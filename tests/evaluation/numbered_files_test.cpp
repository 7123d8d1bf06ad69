#include "evaluation/numbered_files.h"

#include <gtest/gtest.h>

#include <QFile>

namespace gyrolux {
namespace {

// The names of the first saves and the counter the two lookups share are seen in the
// window tests (evaluation_window_test, diagram_windows_test); here the kinds they leave
// out and numbers past 99.
TEST(NumberedFilesTest, NamesByKindAndNumber) {
  const CivilDate date{5, 12, 2026};
  EXPECT_EQ(NumberedFileName(NumberedFileKind::Midpoints, 100, date), QStringLiteral("HALB-100.TXT"));
  EXPECT_EQ(NumberedFileName(NumberedFileKind::McTexts, 9, date), QStringLiteral("MCTE-09.TXT"));
  // Counting on, never wrapping to 0.
  EXPECT_EQ(NumberedFileName(NumberedFileKind::Factors, 256, date), QStringLiteral("FAKT-256.TXT"));
}

TEST(NumberedFilesTest, AFileKeptFromAnEarlierRunIsNeverTaken) {
  for (const char* kept : {"FAKT-01.TXT", "fakt-02.txt", "FAKT-04.TXT"}) QFile(QString::fromLatin1(kept)).open(QIODevice::WriteOnly);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Factors, 1), 3);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Factors, 4), 5);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Codes, 1), 1);
}

}  // namespace
}  // namespace gyrolux
