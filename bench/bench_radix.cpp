// The radix work: opening a library of 10,000 charts, the atlas search per keystroke,
// loading a radix (found by name, its chart computed).
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "dialogs/places_file.h"
#include "radix/atlas.h"
#include "radix/chart_library.h"
#include "radix/radix_chart.h"

namespace {

using namespace gyrolux;

const QString& LibraryOf10000() {
  static QTemporaryDir folder;
  static const QString path = [] {
    const QString file = folder.path() + QStringLiteral("/charts.sqlite");
    QString error;
    auto library = ChartLibrary::Open(file, error);
    QList<RadixRecord> records;
    for (int i = 0; i < 10000; ++i) {
      RadixRecord r;
      r.name = QStringLiteral("Radix %1").arg(i, 5, 10, QLatin1Char('0'));
      r.localDate = QDate(1900 + i % 120, 1 + i % 12, 1 + i % 28);
      r.localTime = QTime(i % 24, i % 60, i % 59);
      r.zone = i % 3 ? QStringLiteral("Europe/Berlin") : QStringLiteral("+05:30");
      r.fold = FoldChoice::Earlier;
      r.place = QStringLiteral("Berlin");
      r.longitude = 13.4;
      r.latitude = 52.5;
      records.append(r);
    }
    QList<std::pair<int, QString>> refused;
    library->AddAll(records, refused, error);
    return file;
  }();
  return path;
}

void BM_OpenLibraryOf10000Charts(benchmark::State& state) {
  const QString& path = LibraryOf10000();
  for (auto _ : state) {
    QString error;
    auto library = ChartLibrary::Open(path, error);
    auto records = library->All(error);
    benchmark::DoNotOptimize(records->size());
  }
}
BENCHMARK(BM_OpenLibraryOf10000Charts)->Unit(benchmark::kMillisecond);

void BM_LoadRadix(benchmark::State& state) {
  QString error;
  auto library = ChartLibrary::Open(LibraryOf10000(), error);
  for (auto _ : state) {
    const std::optional<RadixRecord> record = library->Find(QStringLiteral("Radix 04711"), error);
    const std::optional<Chart> chart = RadixChart(*record, error);
    benchmark::DoNotOptimize(chart->state.factorLongitude[0]);
  }
}
BENCHMARK(BM_LoadRadix)->Unit(benchmark::kMicrosecond);

void BM_AtlasLoad(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Atlas::LoadWithPlacesFile().size());
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond)->Iterations(3);

// Typing "Mönchengladbach" letter by letter: one search per keystroke.
void BM_AtlasSearchPerKeystroke(benchmark::State& state) {
  const Atlas atlas = Atlas::LoadWithPlacesFile();
  const QString word = QStringLiteral("Mönchengladbach");
  qsizetype typed = 0;
  for (auto _ : state) {
    typed = typed % word.size() + 1;
    benchmark::DoNotOptimize(atlas.Find(word.left(typed)).size());
  }
}
BENCHMARK(BM_AtlasSearchPerKeystroke)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
