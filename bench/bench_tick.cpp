// One clock tick at tempo 20 without the widgets: the step, the chart, the dial picture,
// its rendering into a 520 x 520 image and the four main-axis lists.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "midpoints/axis_lists.h"
#include "clock/clock_step.h"
#include "pictures/dial_picture.h"
#include "engine/field_readers.h"
#include "engine/chart.h"
#include "platform/symbol_font.h"

namespace {

void Tick(benchmark::State& state, gyrolux::IntervalUnit unit) {
  gyrolux::Chart chart;
  chart.texts.dateText = QStringLiteral("05.12.2026");
  gyrolux::ReadDateFields(chart.texts.dateText, chart.moment);
  chart.moment.hours = 10.5;
  chart.moment.longitude = 10.0001;
  chart.moment.latitude = 50.0001;
  gyrolux::ClockState clock;
  clock.unit = unit;
  clock.tempo = 20;
  clock.intervalMinutes = 1500;
  QImage image(gyrolux::kDialSize, gyrolux::kDialSize, QImage::Format_RGB32);
  const bool font = gyrolux::SymbolFontPresent();
  bool backwards = false;
  for (auto _ : state) {
    // Back and forth by turns so that the year unit never runs out of years.
    if (!gyrolux::StepMoment(chart, clock, backwards)) backwards = !backwards;
    gyrolux::RecomputeChart(chart);
    const gyrolux::Picture dial = gyrolux::DrawDial(chart.state, font, QImage());
    image.fill(Qt::white);
    QPainter painter(&image);
    dial.render(painter, QRectF(0, 0, gyrolux::kDialSize, gyrolux::kDialSize));
    painter.end();
    benchmark::DoNotOptimize(gyrolux::MainAxisLists(chart.state.factorLongitude, gyrolux::kPictureOrb));
  }
  state.counters["symbolFont"] = font ? 1 : 0;
}

void BM_TickSeconds(benchmark::State& state) { Tick(state, gyrolux::IntervalUnit::Seconds); }
void BM_TickMinutes(benchmark::State& state) { Tick(state, gyrolux::IntervalUnit::Minutes); }
void BM_TickYear(benchmark::State& state) { Tick(state, gyrolux::IntervalUnit::Year); }
BENCHMARK(BM_TickSeconds)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickMinutes)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_TickYear)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const gyrolux::SymbolFontRegistration font;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
