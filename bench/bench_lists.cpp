// Time of building each list of the evaluation window and of the two lookups from a
// computed chart (Winkel-Code by a stable sort of the 253 keys); the MC/MC texts from the
// shipped file's lines held in memory, and read from the file.
#include <benchmark/benchmark.h>

#include "engine/chart.h"
#include "evaluation/axis_lookup.h"
#include "evaluation/evaluation_lists.h"
#include "evaluation/mc_texts.h"
#include "platform/text_file.h"

namespace gyrolux {
namespace {

Chart ComputedChart() {
  Chart chart;
  chart.moment = {1, 1, 2000, 12.0, 13.4001, 52.5001, false, false};
  chart.texts.dateText = QStringLiteral("01.01.2000");
  chart.texts.longitudeText = QStringLiteral("+013°24'");
  chart.texts.latitudeText = QStringLiteral("+52°30'");
  RecomputeChart(chart);
  return chart;
}

QString ShippedTexts() { return QStringLiteral(GYROLUX_SOURCE_DIR "/resources/MC-ERGNW.TXT"); }

template <typename Build>
void RunList(benchmark::State& state, Build build) {
  const Chart chart = ComputedChart();
  for (auto _ : state) {
    QStringList lines = build(chart);
    benchmark::DoNotOptimize(lines);
  }
}

void BM_Factors(benchmark::State& s) { RunList(s, [](const Chart& c) { return FactorsList(c); }); }
void BM_AlphaCode(benchmark::State& s) { RunList(s, [](const Chart& c) { return AlphaCodeList(c); }); }
void BM_WinkelCode(benchmark::State& s) { RunList(s, [](const Chart& c) { return WinkelCodeList(c); }); }
void BM_Midpoints(benchmark::State& s) { RunList(s, [](const Chart& c) { return MidpointsList(c, kPictureOrb); }); }
void BM_McTextsInMemory(benchmark::State& s) {
  const QStringList file = ReadTextLines(ShippedTexts()).value_or(QStringList());
  RunList(s, [&file](const Chart& c) { return McTextEntries(c, kPictureOrb, file); });
}
void BM_McTextsFromFile(benchmark::State& s) {
  RunList(s, [](const Chart& c) { return BuildMcTextsList(c, kPictureOrb, ShippedTexts()).lines; });
}
void BM_DegreeAxis(benchmark::State& s) { RunList(s, [](const Chart& c) { return DegreeAxisList(c, 7.51, kPictureOrb); }); }
void BM_MidpointAxis(benchmark::State& s) {
  RunList(s, [](const Chart& c) { return MidpointAxisList(c, {0, 2}, kPictureOrb); });
}

BENCHMARK(BM_Factors)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AlphaCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WinkelCode)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Midpoints)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_McTextsInMemory)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_McTextsFromFile)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DegreeAxis)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MidpointAxis)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace gyrolux

BENCHMARK_MAIN();
