// One tick of the running main window at tempo 20 as the user sees it: the step, the
// chart, the dial picture, the clipboard (image and metafile), the four lists and the
// widgets updated and painted. Runs under the offscreen platform in a scratch folder.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include "clock/main_window.h"
#include "session/session.h"
#include "platform/scripted_prompter.h"
#include "platform/symbol_font.h"

namespace {

struct Clock {
  explicit Clock(bool linear) {
    QFile flag(QStringLiteral("Titel.DAT"));
    flag.open(QIODevice::WriteOnly);
    prompter.answerQuestion(false);
    session.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(10, 29, 50)); };
    window.show();
    window.startUp();
    window.findChild<QScrollBar*>(QStringLiteral("tempoScrollBar"))->setValue(40);
    if (linear) window.findChild<QCheckBox*>(QStringLiteral("linearGraphicBox"))->setChecked(true);
  }
  gyrolux::ScriptedPrompter prompter;
  gyrolux::Session session{prompter};
  gyrolux::MainWindow window{session};
};

void TickAndPaint(benchmark::State& state, bool linear) {
  Clock clock(linear);
  for (auto _ : state) {
    clock.window.tick();
    clock.window.repaint();
  }
}

void BM_WindowTickWheel(benchmark::State& state) { TickAndPaint(state, false); }
void BM_WindowTickAxisStrip(benchmark::State& state) { TickAndPaint(state, true); }
BENCHMARK(BM_WindowTickWheel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WindowTickAxisStrip)->Unit(benchmark::kMillisecond);

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
