// The diagrams of the halted clock: one redraw of the enlarged dial (picture, "img.wmf",
// clipboard), one step of its scroll bar as the user sees it (redraw and paint), one
// redraw of the axis graphic, and the calculating dial's drawing. Runs under the
// offscreen platform in a scratch folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTemporaryDir>

#include "engine/formatting.h"
#include "evaluation/diagram_files.h"
#include "evaluation/enlarged_dial_window.h"
#include "pictures/calculating_dial.h"
#include "pictures/enlarged_dial.h"
#include "platform/scripted_prompter.h"
#include "platform/symbol_font.h"
#include "session/session.h"

namespace {

struct Halted {
  Halted() {
    gyrolux::Chart& chart = session.chart;
    chart.moment = {5, 12, 2026, 10.4972, 10.0, 50.0, false, false};
    chart.texts.dateText = QStringLiteral("05.12.2026");
    chart.texts.longitudeText = QStringLiteral("+010°00'");
    chart.texts.latitudeText = QStringLiteral("+50°00'");
    gyrolux::RecomputeChart(chart);
    session.flags.symbolFontPresent = true;
    session.placeLabel = gyrolux::PlaceLabel(chart.moment);
  }
  gyrolux::ScriptedPrompter prompter;
  gyrolux::Session session{prompter};
};

void BM_EnlargedDialPicture(benchmark::State& state) {
  Halted halted;
  int rotation = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(gyrolux::DrawEnlargedDial(halted.session.chart, {gyrolux::AS, rotation++ % 360 - 180},
                                                       true, halted.session.placeLabel));
  }
}

void BM_EnlargedDialRedraw(benchmark::State& state) {
  Halted halted;
  int rotation = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(gyrolux::RedrawEnlargedDial(halted.session, {gyrolux::AS, rotation++ % 360 - 180}));
  }
}

// A step of the scroll bar in the shown window: the redraw and the window painted.
void BM_EnlargedDialScrollStep(benchmark::State& state) {
  Halted halted;
  gyrolux::EnlargedDialWindow window(halted.session);
  window.show();
  auto* bar = window.findChild<QScrollBar*>(QStringLiteral("rotationScrollBar"));
  for (auto _ : state) {
    bar->setValue(bar->value() == 360 ? 0 : bar->value() + 1);
    window.repaint();
  }
}

void BM_AxisGraphicRedraw(benchmark::State& state) {
  Halted halted;
  for (auto _ : state) benchmark::DoNotOptimize(gyrolux::RedrawAxisGraphic(halted.session));
}

void BM_CalculatingDialPicture(benchmark::State& state) {
  Halted halted;
  for (auto _ : state) {
    benchmark::DoNotOptimize(gyrolux::DrawCalculatingDial(halted.session.chart, true, true, halted.session.placeLabel));
  }
}

BENCHMARK(BM_EnlargedDialPicture)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_EnlargedDialRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EnlargedDialScrollStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AxisGraphicRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CalculatingDialPicture)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const gyrolux::SymbolFontRegistration font;
  QTemporaryDir scratch;
  QDir::setCurrent(scratch.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
