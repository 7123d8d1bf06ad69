// The alarm search as the user runs it: the picture search dialog from the last key of the
// picture to the dialog closing at the end of the search (the search on its thread, the
// window polling it), over a whole century without a hit (CU/AP = HA/KR from 1.1.2000
// 12:00 to the end of 2100, 5.3 million moments), with the fast search and with the plain
// loop; and how long "&Abbruch" takes to end a running plain search. Offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/search_dialog.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"

namespace gyrolux {
namespace {

struct DialogSearch {
  explicit DialogSearch(AlarmSearchFunction search) {
    dialog.setSearchFunction(search);
    session.chart.moment = {1, 1, 2000, 12.0, 13.4001, 52.5001, false, false};
    session.chart.texts.dateText = QStringLiteral("01.01.2000");
  }

  // Runs the dialog: types the picture, then `act` from the last key on; the seconds that
  // act measured.
  double run(const std::function<double()>& act) {
    double seconds = 0;
    QTimer::singleShot(0, &dialog, [&] {
      (void)QTest::qWaitForWindowActive(&dialog);
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("CU"));
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("AP"));
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("HA"));
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("K"));
      seconds = act();
    });
    dialog.run();
    return seconds;
  }

  bool waitForTheEnd() {
    return QTest::qWaitFor([this] { return !dialog.isVisible(); }, 600000);
  }

  ScriptedPrompter prompter;
  Session session{prompter};
  SearchDialog dialog{session, AlarmKind::Picture};
};

void BM_DialogCentury(benchmark::State& state, AlarmSearchFunction search) {
  DialogSearch s(search);
  for (auto _ : state) {
    const double seconds = s.run([&s] {
      QElapsedTimer timer;
      timer.start();
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("R"));
      s.waitForTheEnd();
      return timer.nsecsElapsed() / 1e9;
    });
    state.SetIterationTime(seconds);
    // The next run starts at the same moment again.
    s.session.chart.moment = {1, 1, 2000, 12.0, 13.4001, 52.5001, false, false};
    s.session.chart.texts.dateText = QStringLiteral("01.01.2000");
  }
  state.counters["found"] = s.session.search.searchFound ? 1 : 0;
  state.counters["year"] = s.session.chart.moment.year;
}
BENCHMARK_CAPTURE(BM_DialogCentury, fast, FastAlarmSearch)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DialogCentury, plain, PlainAlarmSearch)
    ->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// From the click on "&Abbruch" to the dialog closed, while the plain loop runs.
void BM_DialogAbort(benchmark::State& state) {
  for (auto _ : state) {
    DialogSearch s(PlainAlarmSearch);
    const double seconds = s.run([&s] {
      QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("R"));
      auto* abort = s.dialog.findChild<QPushButton*>(QStringLiteral("abortButton"));
      (void)QTest::qWaitFor([abort] { return abort->isVisible(); }, 60000);
      QElapsedTimer timer;
      timer.start();
      QTest::mouseClick(abort, Qt::LeftButton);
      s.waitForTheEnd();
      return timer.nsecsElapsed() / 1e9;
    });
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(BM_DialogAbort)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace gyrolux

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
