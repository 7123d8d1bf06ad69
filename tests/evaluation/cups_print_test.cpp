// A lookup printed without a dialog on the default printer of a real print system: a
// private CUPS server whose default queue writes PDF files (tests/test_support/private_cups.sh).
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "engine/chart.h"
#include "evaluation/axis_lookup_window.h"
#include "evaluation/evaluation_window.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/temp_working_dir.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;

QString Harness() { return testing::SourceDir() + QStringLiteral("/tests/test_support/private_cups.sh"); }

QString RunHarness(const QStringList& arguments, int* status) {
  QProcess process;
  process.start(QStringLiteral("bash"), QStringList{Harness()} + arguments);
  process.waitForFinished(120000);
  *status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

// The private server, stopped again however the test ends.
struct PrivateCups {
  QTemporaryDir dir;
  QMap<QString, QString> values;
  QString failure;
  PrivateCups() {
    int status = 0;
    const QString output = RunHarness({QStringLiteral("start"), dir.path()}, &status);
    if (status != 0) failure = output;
    for (const QString& line : output.split(u'\n')) {
      const qsizetype equals = line.indexOf(u'=');
      if (equals > 0) values[line.left(equals)] = line.mid(equals + 1);
    }
  }
  ~PrivateCups() {
    int status = 0;
    RunHarness({QStringLiteral("stop"), dir.path()}, &status);
  }
};

TEST(CupsPrintTest, ALookupPrintsOnTheDefaultCupsQueue) {
  int status = 0;
  const QString lacking = RunHarness({QStringLiteral("check")}, &status);
  if (status != 0) {
    GTEST_SKIP() << "printing through a private CUPS queue is not possible here (" << lacking.toStdString()
                 << "); it runs as root with the packages cups and printer-driver-cups-pdf";
  }
  PrivateCups cups;
  ASSERT_TRUE(cups.failure.isEmpty()) << cups.failure.toStdString();
  // Before anything of Qt's print support runs: libcups talks to the private server, and
  // no printer chosen by the user's settings gets in the way.
  qputenv("CUPS_SERVER", cups.values.value(QStringLiteral("CUPS_SERVER")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  qputenv("HOME", cups.dir.path().toLocal8Bit());

  ScriptedPrompter prompter;
  Session session(prompter);
  session.chart.moment = {5, 12, 2026, 10.5, 10.0, 50.0, false, false};
  session.chart.texts = {QStringLiteral("05.12.2026"), {}, QStringLiteral("+010°00'"), QStringLiteral("+50°00'")};
  RecomputeChart(session.chart);
  EvaluationWindow window(session);
  auto* lookup = Child<AxisLookupWindow>(&window, QStringLiteral("degreeAxisLookup"));
  QTimer::singleShot(0, &window, [&] {
    QTimer::singleShot(50, lookup, [&] {
      QTest::keyClicks(Child<QLineEdit>(lookup, QStringLiteral("firstField")), QStringLiteral("07"));
      QTest::keyClicks(Child<QLineEdit>(lookup, QStringLiteral("secondField")), QStringLiteral("05"));
      QTest::mouseClick(Child<QPushButton>(lookup, QStringLiteral("printButton")), Qt::LeftButton);
      lookup->reject();
      QTimer::singleShot(50, &window, [&] { window.reject(); });
    });
    QTest::mouseClick(Child<QPushButton>(&window, QStringLiteral("degreeAxisButton")), Qt::LeftButton);
  });
  window.run();
  EXPECT_TRUE(prompter.shown().empty()) << prompter.shown().front().text.toStdString();

  // cups-pdf writes the job's PDF a few seconds later.
  const QDir pdfs(cups.values.value(QStringLiteral("PDF_DIR")));
  QStringList found;
  for (int wait = 0; wait < 600 && found.isEmpty(); ++wait) {
    QThread::msleep(100);
    found = pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files);
  }
  ASSERT_EQ(found.size(), 1) << "no PDF in " << pdfs.path().toStdString();
  QThread::msleep(500);  // written completely
  QProcess text;
  text.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")),
             {QStringLiteral("-layout"), pdfs.filePath(found[0]), QStringLiteral("-")});
  text.waitForFinished(30000);
  const QString printed = QString::fromUtf8(text.readAllStandardOutput());
  EXPECT_TRUE(printed.contains(QStringLiteral("05.12.2026, 10:30:00 WZ/GMT, L:+010°00', B:+50°00'"))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("Suchachse = 07°05´")));
}

}  // namespace
}  // namespace gyrolux
