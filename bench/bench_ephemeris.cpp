// The graphic ephemeris of the default 19 factors: computed and drawn as a picture for 10
// and 100 years in each mode, and the 10-year page rendered to an image as a window
// shows it; one step of the dial's pointer with its midpoint tree.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "midpoints/midpoint_tree.h"
#include "pictures/graphic_ephemeris.h"
#include "pictures/mode_dial.h"

namespace {

gyrolux::DialMode ModeOf(int64_t index) {
  constexpr gyrolux::DialMode kModes[] = {gyrolux::kMode360, gyrolux::kMode90, gyrolux::kMode45, gyrolux::kMode22_5};
  return kModes[index];
}

void BM_EphemerisPicture(benchmark::State& state) {
  const int years = static_cast<int>(state.range(0));
  const gyrolux::GraphicEphemerisRequest request{{1, 1, 2027}, {31, 12, 2026 + years}, ModeOf(state.range(1))};
  size_t ops = 0;
  for (auto _ : state) {
    const gyrolux::Picture picture = gyrolux::DrawGraphicEphemeris(request);
    ops = picture.ops().size();
    benchmark::DoNotOptimize(ops);
  }
  state.counters["ops"] = static_cast<double>(ops);
}
BENCHMARK(BM_EphemerisPicture)
    ->ArgsProduct({{10, 100}, {0, 1, 2, 3}})
    ->ArgNames({"years", "mode"})
    ->Unit(benchmark::kMillisecond);

void BM_EphemerisImage(benchmark::State& state) {
  const gyrolux::Picture picture =
      gyrolux::DrawGraphicEphemeris({{1, 1, 2027}, {31, 12, 2036}, gyrolux::kMode90});
  for (auto _ : state) benchmark::DoNotOptimize(picture.toImage());
}
BENCHMARK(BM_EphemerisImage)->Unit(benchmark::kMillisecond);

// One step of the pointer on the 90-degree dial with a radix: the dial drawn again with
// the pointer and the midpoint tree at it.
void BM_PointerStep(benchmark::State& state) {
  gyrolux::Chart chart;
  chart.moment = {5, 12, 2026, 10.5, 10.0, 50.0, false, false};
  gyrolux::RecomputeChart(chart);
  gyrolux::Chart radix;
  radix.moment = {1, 6, 1990, 10.0, 13.4, 52.5, false, false};
  gyrolux::RecomputeChart(radix);
  double pointer = 0.0;
  for (auto _ : state) {
    pointer = pointer >= 89 ? 0.0 : pointer + 1.0;
    benchmark::DoNotOptimize(gyrolux::DrawDialInMode(chart, {}, true, QString(), &radix.state, {gyrolux::kMode90, pointer}));
    benchmark::DoNotOptimize(gyrolux::MidpointTree(chart.state, &radix.state, gyrolux::kMode90, pointer, {}));
  }
}
BENCHMARK(BM_PointerStep)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
