// The evaluation window and the two lookups driven as a user drives them.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include "evaluation/axis_lookup_window.h"
#include "evaluation/evaluation_window.h"
#include "evaluation/list_view.h"
#include "platform/printing.h"
#include "platform/scripted_prompter.h"
#include "platform/window_kit.h"
#include "session/session.h"
#include "tests/clock/window_test_support.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;
using Kind = ScriptedPrompter::Kind;

// Acts in a modal window once it is shown and active, so that the focus moves as a user
// sees it (a window that another one opens on closing shows only after that one's event
// loop has ended).
void WhenShown(QWidget* window, std::function<void()> act) {
  QTimer::singleShot(5, window, [window, act = std::move(act)] {
    if (window->isVisible() && window->isActiveWindow()) {
      act();
    } else {
      WhenShown(window, act);
    }
  });
}

QPushButton* Button(const QWidget* window, const char* name) {
  return Child<QPushButton>(window, QString::fromLatin1(name));
}
void Click(const QWidget* window, const char* name) { QTest::mouseClick(Button(window, name), Qt::LeftButton); }
QPlainTextEdit* View(const QWidget* window) { return Child<QPlainTextEdit>(window, QStringLiteral("listView")); }
QStringList Lines(const QWidget* window) { return View(window)->toPlainText().split(u'\n'); }

AxisLookupWindow* Lookup(const EvaluationWindow& window, const char* name) {
  return Child<AxisLookupWindow>(&window, QString::fromLatin1(name));
}
// Types into the two fields of a lookup; the second full field checks the entry.
void Enter(AxisLookupWindow* lookup, const QString& first, const QString& second) {
  QLineEdit* fields[2] = {Child<QLineEdit>(lookup, QStringLiteral("firstField")),
                          Child<QLineEdit>(lookup, QStringLiteral("secondField"))};
  for (QLineEdit* field : fields) field->clear();
  fields[0]->setFocus();
  QTest::keyClicks(fields[0], first);
  QTest::keyClicks(fields[1], second);
}

QString PdfText(const QString& pdf, const QString& mode) {
  QProcess process;
  process.start(QStandardPaths::findExecutable(QStringLiteral("pdftotext")), {mode, pdf, QStringLiteral("-")});
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList NonEmptyTrimmed(const QStringList& lines) {
  QStringList kept;
  for (const QString& line : lines)
    if (!line.trimmed().isEmpty()) kept << line.trimmed();
  return kept;
}

struct EvaluationFixture : ::testing::Test {
  EvaluationFixture() {
    session.chart.moment = {5, 12, 2026, 10.5, 10.0, 50.0, false, false};
    session.chart.texts.dateText = QStringLiteral("05.12.2026");
    session.chart.texts.longitudeText = QStringLiteral("+010°00'");
    session.chart.texts.latitudeText = QStringLiteral("+50°00'");
    RecomputeChart(session.chart);
    window.setTextsFolders({});
  }
  QString header(const char* title) const {
    return QString::fromUtf8(title) + QStringLiteral("05.12.2026, 10:30:00 WZ/GMT, L:+010°00', B:+50°00'");
  }
  ScriptedPrompter prompter;
  Session session{prompter};
  EvaluationWindow window{session};
};

TEST_F(EvaluationFixture, OpensWithTheIntroductionThenShowsEachList) {
  QFile texts(QStringLiteral("MC-ERGNW.TXT"));
  ASSERT_TRUE(texts.open(QIODevice::WriteOnly));
  texts.write("MC/MC = MC|MC Eintrag\r\nDer Text dieses Eintrags\r\n\r\n");
  texts.close();
  WhenShown(&window, [&] {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("             Die Auswertungsmöglichkeiten;  bitte unten auswählen "));
    EXPECT_EQ(Lines(&window), EvaluationIntroduction());
    EXPECT_FALSE(Button(&window, "printButton")->isEnabled());
    EXPECT_FALSE(Button(&window, "saveButton")->isEnabled());
    EXPECT_EQ(window.focusWidget(), Button(&window, "factorsButton"));
    const QFont courier = WindowFont("Courier New", kEightPointPixels);
    const struct {
      const char* button;
      const char* title;
      int headerIndex;
      bool arial;
    } lists[] = {{"factorsButton", "  Faktoren vom ", 0, false},  {"alphaCodeButton", " Alpha-Code ", 0, false},
                 {"winkelCodeButton", " Winkel-Code ", 0, false}, {"midpointsButton", " Halbsummen ", 0, false},
                 {"mcTextsButton", "  MC/MC-Achsen-Texte ", 1, true}};
    for (const auto& list : lists) {
      Click(&window, list.button);
      const QStringList lines = Lines(&window);
      EXPECT_EQ(lines[list.headerIndex], header(list.title)) << list.button;
      EXPECT_EQ(View(&window)->font(), list.arial ? WindowFont("Arial", kEightPointPixels) : courier) << list.button;
      EXPECT_TRUE(Button(&window, "printButton")->isEnabled());
      EXPECT_EQ(window.focusWidget(), Button(&window, "backButton")) << list.button;
      if (QByteArray(list.button) == "winkelCodeButton") EXPECT_EQ(lines.size(), 60);
    }
    EXPECT_EQ(Lines(&window).mid(6, 2), (QStringList{QStringLiteral("  MC/MC = MC|MC Eintrag,10"),
                                                     QStringLiteral("  Der Text dieses Eintrags")}));
    // No texts file: the message, the head lines kept, the kind and the buttons too.
    QFile::remove(QStringLiteral("MC-ERGNW.TXT"));
    Click(&window, "factorsButton");
    Click(&window, "mcTextsButton");
    EXPECT_EQ(prompter.takeShown(), (std::vector<ScriptedPrompter::Shown>{
                                        {Kind::Error, QStringLiteral("Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis! ")}}));
    EXPECT_EQ(Lines(&window).size(), 6);
    EXPECT_EQ(window.shownKind(), ShownListKind::McTexts);
    EXPECT_TRUE(Button(&window, "saveButton")->isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  window.run();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(EvaluationFixture, SavesUnderRunningNumbersWithoutTouchingAKeptFile) {
  QFile kept(QStringLiteral("FAKT-01.TXT"));
  ASSERT_TRUE(kept.open(QIODevice::WriteOnly));
  kept.write("aus einem frueheren Lauf\r\n");
  kept.close();
  const auto saved = [](const char* name) {
    return QStringLiteral("Die aktuelle Liste wurde gespeichert in  %1  im aktuellen Verzeichnis.").arg(QLatin1String(name));
  };
  WhenShown(&window, [&] {
    for (const char* list : {"factorsButton", "alphaCodeButton", "winkelCodeButton"}) {
      Click(&window, list);
      Click(&window, "saveButton");
    }
    // The lookups share one counter: Grad-01, then ACHS-02.
    AxisLookupWindow* lookup = Lookup(window, "degreeAxisLookup");
    WhenShown(lookup, [&, lookup] {
      Enter(lookup, QStringLiteral("07"), QStringLiteral("05"));
      Click(lookup, "saveButton");
      lookup->reject();
      WhenShown(&window, [&] {
        AxisLookupWindow* pairLookup = Lookup(window, "midpointAxisLookup");
        WhenShown(pairLookup, [&, pairLookup] {
          Enter(pairLookup, QStringLiteral("so"), QStringLiteral("mc"));
          EXPECT_EQ(Child<QLineEdit>(pairLookup, QStringLiteral("firstField"))->text(), QStringLiteral("SO"));
          EXPECT_EQ(std::pair(session.search.pairA, session.search.pairB), std::pair(0, 2));
          Click(pairLookup, "saveButton");
          pairLookup->reject();
          WhenShown(&window, [&] { window.reject(); });
        });
        Click(&window, "midpointAxisButton");
      });
    });
    Click(&window, "degreeAxisButton");
  });
  window.run();
  EXPECT_EQ(testing::ShownTexts(prompter, Kind::Information),
            (QStringList{saved("FAKT-02.TXT"), saved("CODE-01.TXT"), saved("CODE-02.TXT"), saved("Grad-01.TXT"),
                         saved("ACHS-02.TXT")}));
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("aus einem frueheren Lauf\r\n"));
  const QByteArray code2 = testing::ReadBytes(QStringLiteral("CODE-02.TXT"));
  EXPECT_TRUE(code2.startsWith("\r\n Winkel-Code 05.12.2026, 10:30:00 WZ/GMT, L:+010\xB0" "00'")) << code2.left(60).toStdString();
  EXPECT_EQ(code2.count("\r\n"), 61);
  EXPECT_TRUE(testing::ReadBytes(QStringLiteral("Grad-01.TXT")).contains("Suchachse = 07\xB0" "05\xB4"));
}

TEST_F(EvaluationFixture, PrintsTheShownLinesWithTheMarginAndBreaksThePage) {
  QStringList shown;
  prompter.answerPrintDialog(false);
  prompter.answerPrintDialog(true, [](QPrinter& printer) { SetUpPdfPrinter(printer, QStringLiteral("list.pdf")); });
  WhenShown(&window, [&] {
    Click(&window, "midpointsButton");
    Click(&window, "printButton");  // cancelled
    EXPECT_FALSE(QFile::exists(QStringLiteral("list.pdf")));
    Click(&window, "printButton");
    shown = DisplayedLines(View(&window));
    window.reject();
  });
  window.run();
  ASSERT_GT(shown.size(), 150);  // more than one page
  const QString layout = PdfText(QStringLiteral("list.pdf"), QStringLiteral("-layout"));
  const QStringList pages = layout.split(u'\f', Qt::SkipEmptyParts);
  ASSERT_GE(pages.size(), 2);
  // Every line once, in order, across the page break.
  EXPECT_EQ(NonEmptyTrimmed(layout.split(QRegularExpression(QStringLiteral("[\n\f]")))), NonEmptyTrimmed(shown));
  EXPECT_EQ(NonEmptyTrimmed(pages[0].split(u'\n')).first(), shown[0].trimmed());

  // The header " Halbsummen ..." begins after the 11 blanks of the margin and its own:
  // 12 characters of Courier New (0.6 of the 8-point height each) from the printable left.
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QString());
  const double left = printer.pageLayout().paintRectPoints().left();
  const QString boxes = PdfText(QStringLiteral("list.pdf"), QStringLiteral("-bbox"));
  const QRegularExpressionMatch word =
      QRegularExpression(QStringLiteral("<word xMin=\"([0-9.]+)\"[^>]*>Halbsummen</word>")).match(boxes);
  ASSERT_TRUE(word.hasMatch());
  // 8 points are 67 pixels at 600 dpi; a character of Liberation Mono advances 1229/2048 of that.
  const double advance = 67 * 1229.0 / 2048 * 72 / 600;
  EXPECT_NEAR((word.captured(1).toDouble() - left) / advance, 12.0, 0.2);
}

TEST(EvaluationMainWindow, OpenedByEvaluateAndTheLookupStepsTheDate) {
  testing::StartedClock clock(testing::Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  auto* window = Child<EvaluationWindow>(clock.window.get(), QStringLiteral("evaluationWindow"));
  ASSERT_NE(window, nullptr);
  window->setDirectPrinterSetUp([](QPrinter& printer) { SetUpPdfPrinter(printer, QStringLiteral("lookup.pdf")); });
  QString dateAfterNextDay;
  WhenShown(window, [&] {
    EXPECT_FALSE(clock.button(MainButton::Halt)->isEnabled());
    EXPECT_EQ(Lines(window), EvaluationIntroduction());
    AxisLookupWindow* lookup = Lookup(*window, "degreeAxisLookup");
    WhenShown(lookup, [&, lookup] {
      clock.prompter.takeShown();  // the start-up's boxes
      EXPECT_FALSE(window->isVisible());
      EXPECT_EQ(lookup->windowTitle(), QString(42, u' ') + QStringLiteral("Suche in einer Grad-Achse"));
      EXPECT_FALSE(Button(lookup, "backButton")->isVisible());
      EXPECT_EQ(Lines(lookup)[19], QStringLiteral("  Geben Sie bitte unten den gewünschten Wert für die Suchachse ein.    "));
      for (const auto& [degrees, minutes] : {std::pair("22", "31"), std::pair("23", "00"), std::pair("05", "60")}) {
        Enter(lookup, QString::fromLatin1(degrees), QString::fromLatin1(minutes));
        EXPECT_TRUE(Child<QLineEdit>(lookup, QStringLiteral("firstField"))->hasFocus());
      }
      EXPECT_EQ(testing::ShownTexts(clock.prompter, Kind::Error), QStringList(3, QStringLiteral("Das ist kein gültiger Winkel!")));
      Enter(lookup, QStringLiteral("22"), QStringLiteral("30"));
      EXPECT_EQ(lookup->windowTitle(), QString(31, u' ') + QStringLiteral("Halbsummen in der Achse  22°30´"));
      EXPECT_EQ(Lines(lookup)[3], QStringLiteral("  Suchachse = 22°30´"));
      EXPECT_TRUE(Button(lookup, "backButton")->hasFocus());
      EXPECT_DOUBLE_EQ(clock.session.search.searchAngle, 22.51);
      Click(lookup, "nextDayButton");
      dateAfterNextDay = clock.dateLabel();
      EXPECT_TRUE(Lines(lookup)[1].startsWith(QStringLiteral("  06.12.2026, 10:29:50 WZ/GMT"))) << Lines(lookup)[1].toStdString();
      Click(lookup, "printButton");
      Click(lookup, "backButton");
      WhenShown(window, [&] { QTest::keyClick(window, Qt::Key_Escape); });
    });
    Click(window, "degreeAxisButton");
  });
  clock.click(MainButton::Evaluate);
  EXPECT_EQ(dateAfterNextDay, QStringLiteral("So, 06.12.2026"));
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("So, 06.12.2026"));
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  EXPECT_EQ(clock.window->focusWidget(), clock.button(MainButton::Halt));
  // The lookup printed at once, without a dialog.
  const QString printed = PdfText(QStringLiteral("lookup.pdf"), QStringLiteral("-layout"));
  EXPECT_TRUE(printed.contains(QStringLiteral("06.12.2026, 10:29:50 WZ/GMT"))) << printed.left(300).toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("Suchachse = 22°30´")));

  // The main window shows a search's result line through the evaluation window.
  clock.session.search.resultLine = QStringLiteral("     MC/SO=MA/JU 07°30'/07°31' gefunden");
  QStringList shownResult;
  WhenShown(window, [&] {
    shownResult = Lines(window);
    window->reject();
  });
  clock.window->controller().showSearchResult();
  EXPECT_EQ(shownResult, (QStringList{QStringLiteral(" "), clock.session.search.resultLine}));
}

}  // namespace
}  // namespace gyrolux
