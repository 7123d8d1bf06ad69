// A day of the running clock at tempo 20: 1.8 million ticks of the clock's logic, each
// with its chart, dial picture, stellium check and four main-axis lists, every hundredth
// dial also rendered as the window shows it. Resident memory (VmRSS) is read after a
// warm-up, in the middle and at the end: it must stay flat.
//
//   bench/gyrolux-bench-long-run                          the whole day (about 1.8M ticks)
//   bench/gyrolux-bench-long-run --benchmark_filter=/20000  a short run of 20,000 ticks
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "clock/clock_controller.h"
#include "pictures/dial_picture.h"
#include "platform/bundled_images.h"
#include "platform/scripted_prompter.h"
#include "platform/symbol_font.h"
#include "session/session.h"

namespace {

// A value of /proc/self/status in KiB (VmRSS, VmHWM), 0 where there is none.
double StatusKiB(const char* key) {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith(key)) return line.mid(static_cast<qsizetype>(qstrlen(key)) + 1).trimmed().split(' ').value(0).toDouble();
  }
  return 0;
}

void BM_ClockDayAtTempo20(benchmark::State& state) {
  const long ticks = static_cast<long>(state.range(0));
  gyrolux::ScriptedPrompter prompter;
  gyrolux::Session session(prompter);
  session.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(10, 29, 50)); };
  session.flags.symbolFontPresent = gyrolux::SymbolFontPresent();
  gyrolux::ClockController clock(session, gyrolux::ApplicationIconImage());
  clock.beginStartUp(std::nullopt);
  clock.finishStartUp();
  clock.moveScrollBar(40);  // tempo 20
  QImage image(gyrolux::kDialSize, gyrolux::kDialSize, QImage::Format_RGB32);
  const auto render = [&] {
    const std::optional<gyrolux::Picture>& dial = clock.state().drawing.picture;
    if (!dial) return;
    image.fill(Qt::white);
    QPainter painter(&image);
    dial->render(painter, QRectF(0, 0, gyrolux::kDialSize, gyrolux::kDialSize));
  };
  for (int i = 0; i < 2000; ++i) {  // warm-up: caches and fonts filled
    clock.tick();
    if (i % 100 == 0) render();
  }
  const double startKiB = StatusKiB("VmRSS:");
  double middleKiB = 0;
  for (auto _ : state) {
    for (long i = 0; i < ticks; ++i) {
      clock.tick();
      if (i % 100 == 0) render();
      if (i == ticks / 2) middleKiB = StatusKiB("VmRSS:");
    }
  }
  state.counters["ticks"] = static_cast<double>(ticks);
  state.counters["rssStartKiB"] = startKiB;
  state.counters["rssMiddleKiB"] = middleKiB;
  state.counters["rssEndKiB"] = StatusKiB("VmRSS:");
  state.counters["rssPeakKiB"] = StatusKiB("VmHWM:");
  state.counters["stelliumErrors"] = static_cast<double>(prompter.shown().size());
  state.counters["dateAtEnd"] = session.chart.moment.day;
}
BENCHMARK(BM_ClockDayAtTempo20)->Arg(1'800'000)->Arg(20'000)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const gyrolux::SymbolFontRegistration font;
  QTemporaryDir scratch;  // STELLIA.TXT is written here
  QDir::setCurrent(scratch.path());
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
