// A lookup printed without a dialog on the default printer of a real print system: a
// private CUPS server whose default queue writes PDF files (tests/test_support/private_cups.sh).
#include <gtest/gtest.h>

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QThread>

#include "evaluation/axis_lookup_window.h"
#include "evaluation/enlarged_dial_window.h"
#include "evaluation/evaluation_window.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/files.h"
#include "tests/test_support/temp_working_dir.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;
using testing::Click;

// Runs the script of the private server; its exit status and what it wrote.
std::pair<int, QString> Harness(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral("bash"), QStringList{testing::SourceDir() + QStringLiteral("/tests/test_support/private_cups.sh")} + arguments);
  process.waitForFinished(120000);
  const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return {status, QString::fromUtf8(process.readAllStandardOutput() + process.readAllStandardError()).trimmed()};
}

// The private server, stopped again however the test ends.
struct PrivateCups {
  QTemporaryDir dir;
  std::pair<int, QString> started = Harness({QStringLiteral("start"), dir.path()});
  ~PrivateCups() { Harness({QStringLiteral("stop"), dir.path()}); }
  QString value(const QString& name) const {
    for (const QString& line : started.second.split(u'\n'))
      if (line.startsWith(name + u'=')) return line.mid(name.size() + 1);
    return QString();
  }
};

// Where this machine cannot run the private server, the reason; else nothing.
QString CupsLacking() {
  const auto [status, lacking] = Harness({QStringLiteral("check")});
  return status == 0 ? QString() : lacking;
}

// Points libcups at the private server. Before Qt's print support starts, so that no
// printer the user chose elsewhere gets in the way.
void UsePrivateServer(const PrivateCups& cups) {
  qputenv("CUPS_SERVER", cups.value(QStringLiteral("CUPS_SERVER")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  qputenv("HOME", cups.dir.path().toLocal8Bit());
}

void SetMoment(Session& session) {
  session.chart = testing::ChartOn(5, 12, 2026, 10.5);
  session.placeLabel = QStringLiteral("010°00' E, 50°00' N");
  RecomputeChart(session.chart);
}

// The jobs of the private server that lpstat lists: those completed, or those not yet.
int Jobs(const PrivateCups& cups, bool completed) {
  // -W acts on the -o after it.
  QStringList arguments = {QStringLiteral("-h"), cups.value(QStringLiteral("CUPS_SERVER"))};
  if (completed) arguments << QStringLiteral("-W") << QStringLiteral("completed");
  arguments << QStringLiteral("-o");
  QProcess lpstat;
  lpstat.start(QStringLiteral("lpstat"), arguments);
  EXPECT_TRUE(lpstat.waitForFinished(30000));
  return static_cast<int>(QString::fromUtf8(lpstat.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).size());
}

// The text of the PDF of the server's job number `job`. The job counts as done when CUPS
// says it is completed (cups-pdf has then written and closed the file) and the file ends
// as a PDF ends; the file is removed after reading, so that the next job's is the one again.
QString PrintedText(const PrivateCups& cups, int job) {
  const QDir pdfs(cups.value(QStringLiteral("PDF_DIR")));
  QStringList found;
  const auto whole = [&] {
    found = pdfs.entryList({QStringLiteral("*.pdf")}, QDir::Files);
    return found.size() == 1 && testing::ReadBytes(pdfs.filePath(found[0])).trimmed().endsWith("%%EOF");
  };
  for (int wait = 0; wait < 1200 && !(Jobs(cups, true) >= job && Jobs(cups, false) == 0 && whole()); ++wait)
    QThread::msleep(100);
  EXPECT_TRUE(whole()) << "no whole PDF of job " << job << " in " << pdfs.path().toStdString() << ": "
                       << found.join(u' ').toStdString();
  if (found.isEmpty()) return QString();
  const QString text = testing::PdfText(pdfs.filePath(found[0]));
  QFile::remove(pdfs.filePath(found[0]));
  return text;
}

// A lookup prints without a dialog, the enlarged dial's "&Drucken" with the print dialog
// left as it comes: both on the default queue.
TEST(CupsPrintTest, ALookupAndTheEnlargedDialPrintOnTheDefaultCupsQueue) {
  if (const QString lacking = CupsLacking(); !lacking.isEmpty())
    GTEST_SKIP() << "printing through a private CUPS queue is not possible here (" << lacking.toStdString()
                 << "); it runs as root with the packages cups and printer-driver-cups-pdf";
  PrivateCups cups;
  ASSERT_EQ(cups.started.first, 0) << cups.started.second.toStdString();
  UsePrivateServer(cups);
  ScriptedPrompter prompter;
  Session session(prompter);
  SetMoment(session);

  EvaluationWindow window(session);
  auto* lookup = Child<AxisLookupWindow>(&window, QStringLiteral("degreeAxisLookup"));
  testing::WhenShown(&window, [&] {
    testing::WhenShown(lookup, [&] {
      QTest::keyClicks(Child<QLineEdit>(lookup, "firstField"), QStringLiteral("07"));
      QTest::keyClicks(Child<QLineEdit>(lookup, "secondField"), QStringLiteral("05"));
      Click(lookup, "printButton");
      lookup->reject();
      testing::WhenShown(&window, [&] { window.reject(); });
    });
    Click(&window, "degreeAxisButton");
  });
  window.run();
  EXPECT_TRUE(prompter.shown().empty());
  QString printed = PrintedText(cups, 1);
  EXPECT_TRUE(printed.contains(QStringLiteral("05.12.2026, 10:30:00 WZ/GMT, L:+010°00', B:+50°00'"))) << printed.toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("Suchachse = 07°05´")));

  prompter.answerPrintDialog(true);
  EnlargedDialWindow dial(session);
  testing::RunWindow(dial, [&] { Click(&dial, "printButton"); });
  ASSERT_EQ(prompter.shown().size(), 1u);  // the print dialog, no error
  // The date line and the circle title; the table's columns run through the lines of a
  // layout read-back, so single words are looked for.
  printed = PrintedText(cups, 2);
  for (const char* word : {"05.12.2026", "10:30:00", "WZ/GMT", "Ort:", "MC-Häuser"}) {
    EXPECT_TRUE(printed.contains(QString::fromUtf8(word))) << word << "\n" << printed.toStdString();
  }
}

}  // namespace
}  // namespace gyrolux
