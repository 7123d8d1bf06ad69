// The shipped tables: spans read back equal the fit bit for bit, and so do the values
// through them (a small table written here, and the build's own where it makes one); a
// file that is damaged or no plain file leaves the fitted sky to fit, with the same values.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>
#include <thread>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "ephemeris/fitted_sky.h"
#include "ephemeris/sky_tables.h"
#include "ephemeris/swiss_library.h"

namespace gyrolux {
namespace {

double YearStart(int year) { return JulianDayUt(ChartMoment{.day = 1, .month = 1, .year = year, .hours = 0.0}); }

// A channel's value with no span kept (and in a thread of its own, which keeps none either):
// its span read from the tables in use or fitted. The counts say which.
std::pair<FittedValue, FittedSpanCounts> ColdValue(int channel, double jd) {
  ForgetFittedSpans();
  const FittedSpanCounts before = CountFittedSpans();
  std::optional<FittedValue> value;
  std::thread([&] { value = FittedChannelAt(channel, jd); }).join();
  const FittedSpanCounts after = CountFittedSpans();
  return {value.value_or(FittedValue{NAN, NAN}), {after.fromTables - before.fromTables, after.fitted - before.fitted}};
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SkyTables, SpansAndValuesEqualTheFit) {
  QTemporaryDir dir;
  const QString small = dir.filePath("small");
  ASSERT_EQ(WriteSkyTables(small, 2000, 2000), QString());
  // The work of two processes, joined, gives the same file.
  ASSERT_EQ(WriteSkyTables(small + "0", 2000, 2000, 0, 2), QString());
  ASSERT_EQ(WriteSkyTables(small + "1", 2000, 2000, 1, 2), QString());
  ASSERT_EQ(MergeSkyTables(dir.filePath("merged"), {small + "0", small + "1"}), QString());
  EXPECT_EQ(Contents(small), Contents(dir.filePath("merged")));
  std::vector<std::pair<QString, int>> cases = {{small, 2000}};
  if (!QStringLiteral(GYROLUX_SKY_TABLES_FILE).isEmpty()) {
    for (int year : {1600, 2026, 2800}) cases.emplace_back(QStringLiteral(GYROLUX_SKY_TABLES_FILE), year);
  }
  for (const auto& [file, year] : cases) {
    for (int channel = 0; channel < kFittedChannelCount; ++channel) {
      SCOPED_TRACE(file.toStdString() + " " + std::to_string(year) + " channel " + std::to_string(channel));
      const double jd = YearStart(year) + 16.0 * channel + 0.3;
      UseSkyTables(file);
      EXPECT_EQ(SkyTablesSpan(channel, FittedSpanIndex(channel, jd)), FitSpanWords(channel, FittedSpanIndex(channel, jd)));
      const auto [read, readCounts] = ColdValue(channel, jd);
      UseSkyTables(QString());
      const auto [fitted, fittedCounts] = ColdValue(channel, jd);
      EXPECT_TRUE(readCounts.fromTables == 1 && fittedCounts.fitted == 1);
      EXPECT_EQ(std::memcmp(&read, &fitted, sizeof read), 0);  // value and rate, bit for bit
    }
  }
}

TEST(SkyTables, DamagedFilesAreFittedInstead) {
  QTemporaryDir dir;
  ASSERT_EQ(WriteSkyTables(dir.filePath("good"), 2000, 2000), QString());
  const QByteArray good = Contents(dir.filePath("good"));
  // Files made from the good one: its first `keep` bytes (all: -1), the byte at `flip`
  // changed (from the end when negative; the nutation's last span is the file's last words).
  const struct { const char* name; qsizetype keep, flip; } files[] = {
      {"same", -1, 0}, {"short", good.size() - 8, 0}, {"empty", 0, 0}, {"magic", -1, 1}, {"header", -1, 46}, {"span", -1, -20}};
  for (const auto& f : files) {
    QByteArray bytes = good.left(f.keep < 0 ? good.size() : f.keep);
    if (f.flip != 0) bytes[f.flip > 0 ? f.flip : bytes.size() + f.flip] ^= 0x10;
    QFile file(dir.filePath(f.name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
  }
  ASSERT_EQ(mkfifo(QFile::encodeName(dir.filePath("fifo")).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dir.filePath("dangling")));
  ASSERT_TRUE(QDir(dir.path()).mkdir("folder"));
  // A part without the node's spans, by which the tables are checked against this fit.
  ASSERT_EQ(WriteSkyTables(dir.filePath("part"), 2000, 2000, 1, 2), QString());
  const double jd = YearStart(2001);
  for (const char* name : {"same", "short", "empty", "magic", "header", "span", "fifo", "dangling", "folder", "missing", "part"}) {
    UseSkyTables(dir.filePath(name));
    const auto [value, counts] = ColdValue(kNutationChannel, jd);
    EXPECT_EQ(counts.fromTables, name == std::string("same") ? 1u : 0u) << name;
    EXPECT_NEAR(value.value, LibraryChannelAt(kNutationChannel, jd).value_or(NAN), 0.001 / 3600.0) << name;
  }
  UseSkyTables(QString());
}

}  // namespace
}  // namespace gyrolux
