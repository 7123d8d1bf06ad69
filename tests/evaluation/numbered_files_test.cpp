#include "evaluation/numbered_files.h"

#include <gtest/gtest.h>

#include <QFile>

namespace gyrolux {
namespace {

TEST(NumberedFilesTest, NamesByKindAndNumber) {
  const CivilDate date{5, 12, 2026};
  const struct {
    NumberedFileKind kind;
    int number;
    const char* name;
  } cases[] = {
      {NumberedFileKind::Factors, 1, "FAKT-01.TXT"},     {NumberedFileKind::Codes, 2, "CODE-02.TXT"},
      {NumberedFileKind::Midpoints, 100, "HALB-100.TXT"}, {NumberedFileKind::McTexts, 9, "MCTE-09.TXT"},
      {NumberedFileKind::DegreeAxis, 1, "Grad-01.TXT"},  {NumberedFileKind::MidpointAxis, 2, "ACHS-02.TXT"},
      {NumberedFileKind::Diagram, 1, "MCPic-01.WMF"},    {NumberedFileKind::AxisGraphic, 1, "20261205_001.WMF"},
      {NumberedFileKind::Factors, 256, "FAKT-256.TXT"},  // counting on, never wrapping to 0
  };
  for (const auto& c : cases) EXPECT_EQ(NumberedFileName(c.kind, c.number, date), QLatin1String(c.name));

  FileCounters counters;
  NumberedFileCounter(counters, NumberedFileKind::DegreeAxis) = 3;
  EXPECT_EQ(NumberedFileCounter(counters, NumberedFileKind::MidpointAxis), 3);  // one counter for both
}

TEST(NumberedFilesTest, AFileKeptFromAnEarlierRunIsNeverTaken) {
  for (const char* kept : {"FAKT-01.TXT", "fakt-02.txt", "FAKT-04.TXT"}) QFile(QString::fromLatin1(kept)).open(QIODevice::WriteOnly);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Factors, 1), 3);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Factors, 4), 5);
  EXPECT_EQ(FirstFreeNumber(NumberedFileKind::Codes, 1), 1);
}

}  // namespace
}  // namespace gyrolux
