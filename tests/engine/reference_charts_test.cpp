#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include "tests/engine/reference_charts.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

using testing::CompareWithEngine;
using testing::ParseReferenceChart;
using testing::ReferenceChart;

QStringList ReadLines(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

TEST(ReferenceChartsTest, ReaderAndComparisonOnAHandWrittenFile) {
  const QStringList lines =
      ReadLines(gyrolux::testing::SourceDir() + "/tests/engine/data/reference_charts_sample.csv");
  ASSERT_EQ(lines.size(), 2);
  QString error;
  const auto good = ParseReferenceChart(lines[0], error);
  ASSERT_TRUE(good) << error.toStdString();
  // The values of the file are those of the definition's examples, given to 0.001 degree:
  // read into the right fields, they agree; the second line has four faults planted.
  EXPECT_EQ(CompareWithEngine(*good, {0.0006, 1e-12}), QStringList());

  const auto bad = ParseReferenceChart(lines[1], error);
  ASSERT_TRUE(bad) << error.toStdString();
  const QStringList differences = CompareWithEngine(*bad, {0.0006, 1e-12});
  ASSERT_EQ(differences.size(), 4) << differences.join(" | ").toStdString();
  const char* starts[] = {"MO ", "SA retrograde", "centuriesT", "siderealText"};
  for (int i = 0; i < 4; ++i) EXPECT_TRUE(differences[i].startsWith(starts[i])) << differences[i].toStdString();
}

// The comparison with the independent implementation, over the file its generator wrote
// for this test run (ctest runs this program only with that file).
TEST(ReferenceChartsTest, EngineAgreesWithTheIndependentImplementation) {
  const QString path = qEnvironmentVariable("GYROLUX_REFERENCE_CSV");
  ASSERT_FALSE(path.isEmpty()) << "GYROLUX_REFERENCE_CSV names no charts file";
  const QStringList lines = ReadLines(path);
  ASSERT_FALSE(lines.isEmpty()) << path.toStdString();
  int disagreeing = 0;
  for (qsizetype n = 0; n < lines.size(); ++n) {
    QString error;
    const auto reference = ParseReferenceChart(lines[n], error);
    ASSERT_TRUE(reference) << "line " << n + 1 << ": " << error.toStdString();
    const QStringList differences = CompareWithEngine(*reference, {});
    if (!differences.isEmpty() && ++disagreeing <= 10) {
      ADD_FAILURE() << "line " << n + 1 << ": " << differences.join(" | ").toStdString();
    }
  }
  EXPECT_EQ(disagreeing, 0) << "of " << lines.size() << " charts";
  RecordProperty("charts_compared", static_cast<int>(lines.size()));
}

}  // namespace
}  // namespace gyrolux
