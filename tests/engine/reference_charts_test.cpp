#include <gtest/gtest.h>

#include <cmath>

#include <QFile>
#include <QTextStream>

#include "engine/chart.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

// One line of the reference charts file: the moment as it is fed to the engine, then the
// values the independent implementation computed for it.
struct ReferenceChart {
  ChartMoment moment;
  std::array<double, kFactorCount> factorLongitude{};
  std::array<int, kFactorCount> retrograde{};
  double centuriesT = 0.0;
  double negObliquity = 0.0;
  double ramc = 0.0;
  double localSiderealHours = 0.0;
  QString siderealText;
  QString ramcText;
  QString indexSiderealText;
  QString indexDateText;
};

constexpr int kFieldCount = 6 + 2 * kFactorCount + 4 + 4;

bool NearRelative(double a, double b, double relative) {
  return a == b || std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

// day;month;year;hours;longitude;latitude; 23 longitudes; 23 flags 0/1; centuriesT;
// negObliquity; ramc; localSiderealHours; the four texts. Numbers are read exactly
// (QString::toDouble takes the shortest round-trip text whatever the locale). A line that
// does not hold exactly this gives nothing and says why in error.
std::optional<ReferenceChart> ParseReferenceChart(const QString& line, QString& error) {
  const QStringList fields = line.split(u';');
  if (fields.size() != kFieldCount) {
    error = QStringLiteral("%1 fields instead of %2").arg(fields.size()).arg(kFieldCount);
    return std::nullopt;
  }
  constexpr int kFlags = 6 + kFactorCount, kNumbers = kFieldCount - 4;
  double n[kNumbers];
  for (int i = 0; i < kNumbers; ++i) {
    bool ok = false;
    n[i] = fields[i].toDouble(&ok);
    const bool flag = i >= kFlags && i < kFlags + kFactorCount;
    if (!ok || (flag && n[i] != 0 && n[i] != 1) || (i < 3 && !(std::trunc(n[i]) == n[i] && std::abs(n[i]) < 1e9))) {
      error = QStringLiteral("field %1 '%2' is no %3").arg(i + 1).arg(fields[i].left(40), flag ? "flag" : "number");
      return std::nullopt;
    }
  }
  ReferenceChart r;
  r.moment = {int(n[0]), int(n[1]), int(n[2]), n[3], n[4], n[5], n[4] < 0, n[5] < 0};
  for (int id = 0; id < kFactorCount; ++id) {
    r.factorLongitude[id] = n[6 + id];
    r.retrograde[id] = int(n[kFlags + id]);
  }
  const double* tail = n + kFlags + kFactorCount;
  r.centuriesT = tail[0];
  r.negObliquity = tail[1];
  r.ramc = tail[2];
  r.localSiderealHours = tail[3];
  r.siderealText = fields[kNumbers];
  r.ramcText = fields[kNumbers + 1];
  r.indexSiderealText = fields[kNumbers + 2];
  r.indexDateText = fields[kNumbers + 3];
  return r;
}

struct Tolerances {
  double longitudeDegrees = 1e-7;  // on every factor, the shorter way round
  double relative = 1e-12;         // on centuriesT, negObliquity, ramc, localSiderealHours
};

// Recomputes the moment and lists every difference beyond the tolerances (flags and
// texts must be equal); empty when the engine agrees.
QStringList CompareWithEngine(const ReferenceChart& reference, const Tolerances& tolerances) {
  Chart chart;
  chart.moment = reference.moment;
  RecomputeChart(chart);
  const ChartState& st = chart.state;
  QStringList differences;
  for (int id = 0; id < kFactorCount; ++id) {
    const double d = std::fabs(std::fmod(st.factorLongitude[id] - reference.factorLongitude[id], 360.0));
    const double gap = std::min(d, 360.0 - d);
    if (!(gap <= tolerances.longitudeDegrees)) {
      differences << QStringLiteral("%1 %2 instead of %3")
                         .arg(FactorAbbrev[id])
                         .arg(st.factorLongitude[id], 0, 'g', 17)
                         .arg(reference.factorLongitude[id], 0, 'g', 17);
    }
    if (st.retrograde[id] != reference.retrograde[id]) {
      differences << QStringLiteral("%1 retrograde %2").arg(FactorAbbrev[id]).arg(st.retrograde[id]);
    }
  }
  const struct {
    const char* name;
    double mine;
    double theirs;
  } numbers[] = {{"centuriesT", st.centuriesT, reference.centuriesT},
                 {"negObliquity", st.negObliquity, reference.negObliquity},
                 {"ramc", st.ramc, reference.ramc},
                 {"localSiderealHours", st.localSiderealHours, reference.localSiderealHours}};
  for (const auto& n : numbers) {
    if (!NearRelative(n.mine, n.theirs, tolerances.relative)) {
      differences << QStringLiteral("%1 %2 instead of %3").arg(n.name).arg(n.mine, 0, 'g', 17).arg(n.theirs, 0, 'g', 17);
    }
  }
  const struct {
    const char* name;
    const QString& mine;
    const QString& theirs;
  } texts[] = {{"siderealText", chart.texts.siderealText, reference.siderealText},
               {"ramcText", chart.texts.ramcText, reference.ramcText},
               {"indexSiderealText", chart.texts.indexSiderealText, reference.indexSiderealText},
               {"indexDateText", chart.texts.indexDateText, reference.indexDateText}};
  for (const auto& t : texts) {
    if (t.mine != t.theirs) differences << QStringLiteral("%1 '%2' instead of '%3'").arg(t.name, t.mine, t.theirs);
  }
  return differences;
}

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
