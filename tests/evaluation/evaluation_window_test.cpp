// The evaluation window and the two lookups driven as a user drives them. The lists
// themselves are the logic's (evaluation_lists_test.cpp); here their first lines, fonts,
// buttons, saves and prints.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPrinter>

#include "evaluation/axis_lookup_window.h"
#include "evaluation/evaluation_window.h"
#include "evaluation/list_view.h"
#include "platform/printing.h"
#include "tests/test_support/charts.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;
using Kind = ScriptedPrompter::Kind;

QPlainTextEdit* View(const QWidget* window) { return Child<QPlainTextEdit>(window, "listView"); }
QStringList Lines(const QWidget* window) { return View(window)->toPlainText().split(u'\n'); }
AxisLookupWindow* Lookup(const QWidget* window, const char* name) { return Child<AxisLookupWindow>(window, name); }

// Types into the two fields of a lookup; the second full field checks the entry.
void Enter(AxisLookupWindow* lookup, const char* first, const char* second) {
  QLineEdit* fields[2] = {Child<QLineEdit>(lookup, "firstField"), Child<QLineEdit>(lookup, "secondField")};
  for (QLineEdit* field : fields) field->clear();
  fields[0]->setFocus();
  QTest::keyClicks(fields[0], QString::fromLatin1(first));
  QTest::keyClicks(fields[1], QString::fromLatin1(second));
}

struct EvaluationFixture : ::testing::Test {
  EvaluationFixture() {
    session.chart = ChartOn(5, 12, 2026, 10.5);
    RecomputeChart(session.chart);
    window.setTextsFolders({});
  }
  ScriptedPrompter prompter;
  Session session{prompter};
  EvaluationWindow window{session};
};

TEST_F(EvaluationFixture, OpensWithTheIntroductionThenShowsEachList) {
  WriteBytes(QStringLiteral("MC-ERGNW.TXT"), "MC/MC = MC|MC Eintrag\r\nDer Text dieses Eintrags\r\n\r\n");
  WhenShown(&window, [&] {
    EXPECT_EQ(Lines(&window), EvaluationIntroduction());
    EXPECT_FALSE(Button(&window, "printButton")->isEnabled());
    EXPECT_FALSE(Button(&window, "saveButton")->isEnabled());
    EXPECT_EQ(window.focusWidget(), Button(&window, "factorsButton"));
    const struct {
      const char* button;
      const char* title;
      int headerIndex;
      const char* font;
    } lists[] = {{"factorsButton", "  Faktoren vom ", 0, "Courier New"}, {"alphaCodeButton", " Alpha-Code ", 0, "Courier New"},
                 {"winkelCodeButton", " Winkel-Code ", 0, "Courier New"}, {"midpointsButton", " Halbsummen ", 0, "Courier New"},
                 {"mcTextsButton", "  MC/MC-Achsen-Texte ", 1, "Arial"}};
    for (const auto& list : lists) {
      Click(&window, list.button);
      EXPECT_EQ(Lines(&window)[list.headerIndex],
                QString::fromUtf8(list.title) + QStringLiteral("05.12.2026, 10:30:00 WZ/GMT, L:+010°00', B:+50°00'"));
      EXPECT_EQ(View(&window)->font(), WindowFont(list.font, kEightPointPixels)) << list.button;
      EXPECT_TRUE(Button(&window, "printButton")->isEnabled());
      EXPECT_EQ(window.focusWidget(), Button(&window, "backButton")) << list.button;
    }
    EXPECT_EQ(Lines(&window).mid(6, 2), (QStringList{QStringLiteral("  MC/MC = MC|MC Eintrag,10"),
                                                     QStringLiteral("  Der Text dieses Eintrags")}));
    // No texts file: the message, the head lines kept, the kind and the buttons too.
    QFile::remove(QStringLiteral("MC-ERGNW.TXT"));
    Click(&window, "factorsButton");
    Click(&window, "mcTextsButton");
    EXPECT_EQ(Errors(prompter), QStringList{QStringLiteral("Die Datei MC-ERGNW.TXT fehlt im aktuellen Verzeichnis! ")});
    EXPECT_EQ(Lines(&window).size(), 6);
    EXPECT_EQ(window.shownKind(), ShownListKind::McTexts);
    EXPECT_TRUE(Button(&window, "saveButton")->isEnabled());
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  window.run();
  EXPECT_FALSE(window.isVisible());
}

TEST_F(EvaluationFixture, SavesUnderRunningNumbersWithoutTouchingAKeptFile) {
  WriteBytes(QStringLiteral("FAKT-01.TXT"), "aus einem frueheren Lauf\r\n");
  WhenShown(&window, [&] {
    for (const char* list : {"factorsButton", "alphaCodeButton", "winkelCodeButton"}) {
      Click(&window, list);
      Click(&window, "saveButton");
    }
    // The lookups share one counter: Grad-01, then ACHS-02.
    AxisLookupWindow* lookup = Lookup(&window, "degreeAxisLookup");
    WhenShown(lookup, [&, lookup] {
      Enter(lookup, "07", "05");
      Click(lookup, "saveButton");
      lookup->reject();
      WhenShown(&window, [&] {
        AxisLookupWindow* pairLookup = Lookup(&window, "midpointAxisLookup");
        WhenShown(pairLookup, [&, pairLookup] {
          Enter(pairLookup, "so", "mc");
          EXPECT_EQ(Child<QLineEdit>(pairLookup, "firstField")->text(), QStringLiteral("SO"));
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
  QStringList saved;
  for (const char* name : {"FAKT-02.TXT", "CODE-01.TXT", "CODE-02.TXT", "Grad-01.TXT", "ACHS-02.TXT"})
    saved << QStringLiteral("Die aktuelle Liste wurde gespeichert in  %1  im aktuellen Verzeichnis.").arg(QLatin1String(name));
  EXPECT_EQ(ShownTexts(prompter, Kind::Information), saved);
  EXPECT_EQ(ReadBytes(QStringLiteral("FAKT-01.TXT")), QByteArray("aus einem frueheren Lauf\r\n"));
  const QByteArray code2 = ReadBytes(QStringLiteral("CODE-02.TXT"));
  EXPECT_TRUE(code2.startsWith("\r\n Winkel-Code 05.12.2026, 10:30:00 WZ/GMT, L:+010\xB0" "00'")) << code2.left(60).toStdString();
  EXPECT_EQ(code2.count("\r\n"), 61);
  EXPECT_TRUE(ReadBytes(QStringLiteral("Grad-01.TXT")).contains("Suchachse = 07\xB0" "05\xB4"));
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
  const QString layout = PdfText(QStringLiteral("list.pdf"));
  ASSERT_GE(layout.count(u'\f'), 2);
  // Every line once, in order, across the page break.
  EXPECT_EQ(NonEmptyTrimmed(layout.split(QRegularExpression(QStringLiteral("[\n\f]")))), NonEmptyTrimmed(shown));
  // The header " Halbsummen ..." begins after the 11 blanks of the margin and its own:
  // 12 characters of Courier New (0.6 of the 8-point height each) from the printable left.
  QPrinter printer(QPrinter::HighResolution);
  SetUpPdfPrinter(printer, QString());
  const std::vector<PdfWord> words = PdfWords(QStringLiteral("list.pdf"));
  const PdfWord* word = FindWord(words, QStringLiteral("Halbsummen"));
  ASSERT_NE(word, nullptr);
  // 8 points are 67 pixels at 600 dpi; a character of Liberation Mono advances 1229/2048 of that.
  const double advance = 67 * 1229.0 / 2048 * 72 / 600;
  EXPECT_NEAR((word->box.left() - printer.pageLayout().paintRectPoints().left()) / advance, 12.0, 0.2);
}

TEST_F(EvaluationFixture, TheMidpointLookupRefusesSharpSKeepsTheFocusSelectsTheOldEntryAndPrintsThroughTheDialog) {
  // No print system: the lookup's print goes through the dialog.
  qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
  ASSERT_FALSE(HasDefaultPrinter());
  prompter.answerPrintDialog(true, [](QPrinter& printer) { SetUpPdfPrinter(printer, QStringLiteral("pair.pdf")); });
  int showing = 0;
  AxisLookupWindow* lookup = Lookup(&window, "midpointAxisLookup");
  lookup->setPrinterSetUp({});
  std::function<void()> inLookup = [&] {
    ++showing;
    auto* first = Child<QLineEdit>(lookup, "firstField");
    if (showing == 1) {
      Enter(lookup, "a\xdf", "mc");  // "aß": upper case letter by letter, no "SS"
      EXPECT_EQ(first->text(), QStringLiteral("Aß"));
      EXPECT_EQ(Errors(prompter).size(), 1);
      Enter(lookup, "so", "mc");
      EXPECT_TRUE(Button(lookup, "backButton")->hasFocus())
          << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
      Click(lookup, "printButton");
      lookup->reject();
      WhenShown(&window, [&] {
        WhenShown(lookup, inLookup);
        Click(&window, "midpointAxisButton");
      });
    } else {
      // The old entry selected: typing replaces it.
      EXPECT_TRUE(first->hasFocus());
      EXPECT_EQ(first->selectedText(), QStringLiteral("SO"));
      QTest::keyClicks(first, QStringLiteral("mo"));
      EXPECT_EQ(first->text(), QStringLiteral("MO"));
      lookup->reject();
      WhenShown(&window, [&] { window.reject(); });
    }
  };
  WhenShown(&window, [&] {
    WhenShown(lookup, inLookup);
    Click(&window, "midpointAxisButton");
  });
  window.run();
  EXPECT_EQ(showing, 2);
  EXPECT_EQ(prompter.pendingAnswers(), 0u);
  EXPECT_TRUE(PdfText(QStringLiteral("pair.pdf")).contains(QStringLiteral("WZ/GMT")));
}

TEST(EvaluationMainWindow, OpenedByEvaluateAndTheLookupStepsTheDate) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  auto* window = Child<EvaluationWindow>(clock.window.get(), "evaluationWindow");
  ASSERT_NE(window, nullptr);
  window->setDirectPrinterSetUp([](QPrinter& printer) { SetUpPdfPrinter(printer, QStringLiteral("lookup.pdf")); });
  QString dateAfterNextDay;
  WhenShown(window, [&] {
    EXPECT_FALSE(clock.button(MainButton::Halt)->isEnabled());
    AxisLookupWindow* lookup = Lookup(window, "degreeAxisLookup");
    WhenShown(lookup, [&, lookup] {
      clock.prompter.takeShown();  // the start-up's boxes
      EXPECT_FALSE(window->isVisible());
      EXPECT_EQ(lookup->windowTitle(), QString(42, u' ') + QStringLiteral("Suche in einer Grad-Achse"));
      EXPECT_FALSE(Button(lookup, "backButton")->isVisible());
      for (const auto& [degrees, minutes] : {std::pair("22", "31"), std::pair("23", "00"), std::pair("05", "60")}) {
        Enter(lookup, degrees, minutes);
        EXPECT_TRUE(Child<QLineEdit>(lookup, "firstField")->hasFocus());
      }
      EXPECT_EQ(Errors(clock.prompter), QStringList(3, QStringLiteral("Das ist kein gültiger Winkel!")));
      Enter(lookup, "22", "30");
      EXPECT_EQ(lookup->windowTitle(), QString(31, u' ') + QStringLiteral("Halbsummen in der Achse  22°30´"));
      EXPECT_EQ(Lines(lookup)[3], QStringLiteral("  Suchachse = 22°30´"));
      EXPECT_TRUE(Button(lookup, "backButton")->hasFocus());
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
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  EXPECT_EQ(clock.window->focusWidget(), clock.button(MainButton::Halt));
  // The lookup printed at once, without a dialog.
  const QString printed = PdfText(QStringLiteral("lookup.pdf"));
  EXPECT_TRUE(printed.contains(QStringLiteral("06.12.2026, 10:29:50 WZ/GMT"))) << printed.left(300).toStdString();
  EXPECT_TRUE(printed.contains(QStringLiteral("Suchachse = 22°30´")));
}

}  // namespace
}  // namespace gyrolux
