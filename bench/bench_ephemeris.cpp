// The graphic ephemeris of the default 19 factors: computed and drawn as a picture for 10
// and 100 years in each mode, and the 10-year page rendered to an image as a window
// shows it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "pictures/graphic_ephemeris.h"

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

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
