// The evaluation window, the two lookups and the diagram windows driven as a user drives
// them: their first lines, fonts, buttons, saves, prints (read back from PDF), turning and
// exports; the lists themselves are the logic's (evaluation_test.cpp). Last a lookup and
// the enlarged dial printed on the default queue of a real print system: a private CUPS
// server whose default queue writes PDF files (tests/test_support/private_cups.sh).
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QThread>
#include <QWheelEvent>

#include "engine/factors.h"
#include "evaluation/axis_lookup_window.h"
#include "evaluation/enlarged_dial_window.h"
#include "evaluation/evaluation_window.h"
#include "evaluation/list_view.h"
#include "midpoints/midpoint_tree.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "pictures/mode_dial.h"
#include "platform/printing.h"
#include "platform/symbol_font.h"
#include "tests/clock/started_clock.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/temp_working_dir.h"

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

// A halted clock at 5 December 2026, 10:29:50, with the symbol font.
struct HaltedClock {
  SymbolFontRegistration font;
  StartedClock clock{Moment(5, 12, 2026, 10, 29, 50)};
  HaltedClock() {
    clock.click(MainButton::Halt);
    clock.prompter.takeShown();
  }
  void printTo(const QString& pdf) {
    clock.prompter.answerPrintDialog(true, [pdf](QPrinter& p) { SetUpPdfPrinter(p, pdf); });
  }
  QStringList information() { return ShownTexts(clock.prompter, Kind::Information); }
  bool inEnlargedDial(std::function<void(QDialog&)> act) {
    return clock.clickWhileOpen(MainButton::Enlarge, "enlargedDialWindow", std::move(act));
  }
};

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
    const std::pair<const char*, const char*> lists[] = {
        {"factorsButton", "  Faktoren vom "}, {"alphaCodeButton", " Alpha-Code "},
        {"winkelCodeButton", " Winkel-Code "}, {"midpointsButton", " Halbsummen "},
        {"mcTextsButton", "  MC/MC-Achsen-Texte "}};
    for (const auto& [button, title] : lists) {
      const bool texts = qstrcmp(button, "mcTextsButton") == 0;  // the texts: in Arial, below a blank line
      Click(&window, button);
      EXPECT_EQ(Lines(&window)[texts ? 1 : 0],
                QString::fromUtf8(title) + QStringLiteral("05.12.2026, 10:30:00 WZ/GMT, L:+010°00', B:+50°00'"));
      EXPECT_EQ(View(&window)->font(), WindowFont(texts ? "Arial" : "Courier New", kEightPointPixels)) << button;
      EXPECT_TRUE(Button(&window, "printButton")->isEnabled());
      EXPECT_EQ(window.focusWidget(), Button(&window, "backButton")) << button;
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
  HaltedClock halted;
  StartedClock& clock = halted.clock;
  auto* window = Child<EvaluationWindow>(clock.window.get(), "evaluationWindow");
  ASSERT_NE(window, nullptr);
  window->setDirectPrinterSetUp([](QPrinter& printer) { SetUpPdfPrinter(printer, QStringLiteral("lookup.pdf")); });
  QString dateAfterNextDay;
  WhenShown(window, [&] {
    EXPECT_FALSE(clock.button(MainButton::Halt)->isEnabled());
    AxisLookupWindow* lookup = Lookup(window, "degreeAxisLookup");
    WhenShown(lookup, [&, lookup] {
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

TEST(EnlargedDialWindowTest, ShowsTurnsSavesAndCloses) {
  HaltedClock halted;
  StartedClock& clock = halted.clock;
  WriteBytes(QStringLiteral("MCPic-03.WMF"), "kept from an earlier run");
  const bool opened = halted.inEnlargedDial([&](QDialog& window) {
    for (int b = 0; b < kMainButtonCount; ++b) EXPECT_FALSE(clock.button(MainButton(b))->isEnabled()) << b;
    // No command lies over the dial, where it would hide glyphs.
    const QRect dial(0, 0, kEnlargedDialSize, kEnlargedDialSize);
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisible() && child->objectName() != QStringLiteral("enlargedDialView")) {
        EXPECT_FALSE(child->geometry().intersects(dial)) << child->objectName().toStdString();
      }
    }
    // Drawn, written to img.wmf and put on the clipboard; every step of the bar redraws.
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(740, 740));
    auto* bar = Child<QScrollBar>(&window, "rotationScrollBar");
    auto* label = Child<QLabel>(&window, "rotationLabel");
    EXPECT_EQ(label->text(), QStringLiteral("±0"));
    const QByteArray unturned = ReadBytes(QStringLiteral("img.wmf"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(label->text(), QStringLiteral("+1"));
    EXPECT_NE(ReadBytes(QStringLiteral("img.wmf")), unturned);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(label->text(), QStringLiteral("-9"));
    Child<QRadioButton>(&window, "circleASButton")->click();
    EXPECT_EQ(label->text(), QStringLiteral("±0"));
    EXPECT_EQ(bar->value(), 180);

    // Two saves, the third passing the file kept from an earlier run.
    for (int i = 0; i < 3; ++i) Click(&window, "saveButton");
    QStringList saved;
    for (const char* name : {"MCPic-01.WMF", "MCPic-02.WMF", "MCPic-04.WMF"})
      saved << QStringLiteral("Das Diagramm wurde als Windows-Metafile gespeichert in  %1  im aktuellen Verzeichnis.").arg(QLatin1String(name));
    EXPECT_EQ(halted.information(), saved);
    EXPECT_EQ(ReadBytes(QStringLiteral("MCPic-02.WMF")), ReadBytes(QStringLiteral("img.wmf")));
    EXPECT_EQ(ReadBytes(QStringLiteral("MCPic-03.WMF")), QByteArray("kept from an earlier run"));

    // The calculating dial in both answers (a cancelled print dialog prints nothing), the
    // chart as it was afterwards.
    const auto longitudes = clock.session.chart.state.factorLongitude;
    clock.prompter.answerQuestion(true);
    halted.printTo(QStringLiteral("long.pdf"));
    Click(&window, "calculatingDialButton");
    clock.prompter.answerQuestion(false);
    halted.printTo(QStringLiteral("short.pdf"));
    Click(&window, "calculatingDialButton");
    clock.prompter.answerQuestion(false);
    clock.prompter.answerPrintDialog(false);
    Click(&window, "calculatingDialButton");
    EXPECT_EQ(clock.session.chart.state.factorLongitude, longitudes);
    EXPECT_EQ(ShownTexts(clock.prompter, Kind::Question).value(0).split(u'\r').size(), 6);
    for (const char* pdf : {"long.pdf", "short.pdf"}) {
      const std::vector<PdfWord> dial = PdfWords(QString::fromLatin1(pdf));
      EXPECT_NE(FindWord(dial, QStringLiteral("Rechenscheibe")), nullptr) << pdf;
      // Of the table's positions only the Sun's has seconds.
      const QRegularExpression withSeconds(QStringLiteral("^\\d\\d°\\d\\d'\\d\\d$"));
      EXPECT_EQ(std::count_if(dial.begin(), dial.end(), [&](const PdfWord& w) { return withSeconds.match(w.text).hasMatch(); }), 1);
    }
  });
  EXPECT_TRUE(opened);
  // Closed: the working picture is gone, the saved ones stay, the commands are back.
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("img.wmf")));
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral("MCPic-01.WMF")));
  EXPECT_TRUE(clock.button(MainButton::Enlarge)->isEnabled());
  EXPECT_EQ(clock.session.counters.diagrams, 5);
}

TEST(EnlargedDialWindowTest, AnImgWmfThatCannotBeWrittenIsReportedOncePerActionAndTheWindowStays) {
  HaltedClock halted;
  Session& session = halted.clock.session;
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("img.wmf/inner")));
  halted.inEnlargedDial([&](QDialog& window) {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(Errors(halted.clock.prompter).size(), 1);
    // A held arrow of the bar: one box for the press, none for the repeats, the press
    // ended by the box, so the bar stops at one step; the label and the picture agree.
    auto* bar = Child<QScrollBar>(&window, "rotationScrollBar");
    const QPoint rightArrow(bar->width() - 3, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, {}, rightArrow);
    QTest::qWait(1200);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, rightArrow);
    EXPECT_EQ(Errors(halted.clock.prompter).size(), 2);
    EXPECT_EQ(bar->value(), 181);
    EXPECT_EQ(Child<QLabel>(&window, "rotationLabel")->text(), QStringLiteral("+1"));
    const std::optional<Picture>& shown = Child<DialView>(&window, "enlargedDialView")->picture();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->toImage(),
              DrawEnlargedDial(session.chart, {MC, 1}, session.flags.symbolFontPresent, session.placeLabel).toImage());
    // The next action reports again; the picture shown can still be saved.
    QTest::mouseClick(bar, Qt::LeftButton, {}, rightArrow);
    EXPECT_EQ(Errors(halted.clock.prompter).size(), 3);
    Click(&window, "saveButton");
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("MCPic-01.WMF")));
  });
  EXPECT_TRUE(QDir(QStringLiteral("img.wmf/inner")).exists());
}

TEST(EnlargedDialWindowTest, PrintsTheDialWithItsTableInFourColumnsOnThePrinterChosen) {
  HaltedClock halted;
  const int resolutions[] = {300, 600, 1200};
  halted.inEnlargedDial([&](QDialog& window) {
    for (const int dpi : resolutions) {
      halted.clock.prompter.answerPrintDialog(true, [dpi](QPrinter& p) {
        SetUpPdfPrinter(p, QStringLiteral("plain%1.pdf").arg(dpi));
        p.setResolution(dpi);
      });
      Click(&window, "printButton");
    }
    Child<QScrollBar>(&window, "rotationScrollBar")->setValue(190);
    halted.printTo(QStringLiteral("turned.pdf"));
    Click(&window, "printButton");
  });
  const std::vector<PdfWord> turned = PdfWords(QStringLiteral("turned.pdf"));
  EXPECT_EQ(FindWord(turned, QStringLiteral("MC-Häuser")), nullptr);
  for (const int dpi : resolutions) {
    const std::vector<PdfWord> plain = PdfWords(QStringLiteral("plain%1.pdf").arg(dpi));
    // The title under the dial's moment line; the table from four fifths of the A4 height,
    // below the dial (the square of the page width), whatever the resolution the page was
    // measured at start-up (the page's own moment line above it: DiagramPrintsTest).
    const PdfWord* title = FindWord(plain, QStringLiteral("MC-Häuser"));
    const PdfWord* dialMoment = FindWord(plain, QStringLiteral("Datum"));
    const PdfWord* mc = FindWord(plain, QStringLiteral("MC"));
    ASSERT_TRUE(title && dialMoment && mc) << dpi;
    EXPECT_LT(dialMoment->box.top(), 40) << dpi;
    EXPECT_GE(title->box.top(), dialMoment->box.bottom()) << dpi;
    EXPECT_GT(mc->box.top(), 0.8 * 842 - 20) << dpi;
    // The font of the page's width measured at that resolution (10 points from 3000 pixels
    // on); its rows and columns: DiagramPrintsTest.
    EXPECT_NEAR(mc->box.height(), (dpi >= 600 ? 10 : 8) * 1.13, 0.8) << dpi;
  }
}

TEST(AxisGraphicWindowTest, OneNameForEverySaveOfAShowingTheNextAfterClosing) {
  HaltedClock halted;
  halted.inEnlargedDial([&](QDialog& enlarged) {
    const char* commands[] = {"backButton", "saveButton", "printButton", "calculatingDialButton", "axisGraphicButton"};
    for (int showing = 1; showing <= 2; ++showing) {
      WhileOpen("axisGraphicWindow", [&](QDialog& window) {
        for (const char* name : commands) EXPECT_FALSE(Button(&enlarged, name)->isEnabled()) << name;
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral("dia.wmf")));
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(726, 300));
        Click(&window, "saveButton");
        if (showing == 1) {
          Click(&window, "saveButton");
          halted.printTo(QStringLiteral("axes.pdf"));
          Click(&window, "printButton");
        }
      });
      Click(&enlarged, "axisGraphicButton");
      for (const char* name : commands) EXPECT_TRUE(Button(&enlarged, name)->isEnabled()) << name;
      EXPECT_FALSE(QFileInfo::exists(QStringLiteral("dia.wmf")));
    }
  });
  QStringList saved;
  for (const char* name : {"20261205_001.WMF", "20261205_001.WMF", "20261205_002.WMF"})
    saved << QStringLiteral("Das Diagramm wurde als Windows-Metafile gespeichert in  \r%1    im aktuellen Verzeichnis.").arg(QLatin1String(name));
  EXPECT_EQ(halted.information(), saved);
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("20261205_003.WMF")));
  const std::vector<PdfWord> axes = PdfWords(QStringLiteral("axes.pdf"));
  EXPECT_NE(FindWord(axes, QStringLiteral("L:+010°00',")), nullptr);
  EXPECT_NE(FindWord(axes, QStringLiteral("22°")), nullptr);
}

// The formats themselves are read back in the tests of gyrolux-calc draw; here the menu's
// actions, the extension added, a cancel and a folder that is not there.
TEST(EnlargedDialWindowTest, ExportsAsPdfSvgAndPngFromTheContextMenu) {
  HaltedClock halted;
  ScriptedPrompter& prompter = halted.clock.prompter;
  halted.inEnlargedDial([&](QDialog& window) {
    auto* view = Child(&window, "enlargedDialView");
    EXPECT_EQ(view->contextMenuPolicy(), Qt::ActionsContextMenu);
    const std::pair<const char*, std::optional<QString>> exports[] = {
        {"exportPdfAction", QStringLiteral("dial")}, {"exportSvgAction", QStringLiteral("dial.svg")},
        {"exportPngAction", QStringLiteral("dial.png")}, {"exportPngAction", std::nullopt},
        {"exportPngAction", QStringLiteral("no/such/folder/dial.png")}};
    for (const auto& [action, answer] : exports) {
      prompter.answerSaveFile(answer);
      Child<QAction>(view, action)->trigger();
    }
  });
  EXPECT_EQ(ShownTexts(prompter, Kind::SaveFileDialog).value(0), QStringLiteral("Als PDF speichern"));
  EXPECT_EQ(Errors(prompter).size(), 1);
  for (const char* file : {"dial.pdf", "dial.svg", "dial.png"})
    EXPECT_GT(QFileInfo(QString::fromLatin1(file)).size(), 100) << file;
}


// The pointer on the 90-degree dial: a drag from the top (0°) to the left (22.5°), the
// arrow keys (1°, with Shift 0.1°) and the wheel; the midpoint tree at SO's place, whose
// branch puts the pointer on SO exactly.
TEST(EnlargedDialWindowTest, PointerTurnsByDragKeysAndWheelAndFollowsTheTree) {
  HaltedClock halted;
  halted.inEnlargedDial([&](QDialog& window) {
    auto* view = Child<QWidget>(&window, "enlargedDialView");
    auto* label = Child<QLabel>(&window, "pointerLabel");
    auto* tree = Child<QListWidget>(&window, "midpointTree");
    auto* mode = Child<QComboBox>(&window, "dialModeBox");
    const QByteArray zodiac = ReadBytes(QStringLiteral("img.wmf"));
    QTest::keyClick(mode, Qt::Key_Down);
    EXPECT_NE(ReadBytes(QStringLiteral("img.wmf")), zodiac);
    QTest::mousePress(view, Qt::LeftButton, {}, QPoint(370, 100));
    EXPECT_EQ(label->text(), QStringLiteral("Zeiger: 00°00'"));
    QTest::mouseMove(view, QPoint(100, 370));
    QTest::mouseRelease(view, Qt::LeftButton, {}, QPoint(100, 370));
    EXPECT_EQ(label->text(), QStringLiteral("Zeiger: 22°30'"));
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(label->text(), QStringLiteral("Zeiger: 23°30'"));
    QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(label->text(), QStringLiteral("Zeiger: 23°24'"));
    QWheelEvent wheel(QPointF(370, 370), view->mapToGlobal(QPointF(370, 370)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
    EXPECT_EQ(label->text(), QStringLiteral("Zeiger: 24°24'"));

    const double sun = kMode90.Reduce(halted.clock.session.chart.state.factorLongitude[SO]);
    QTest::mouseClick(view, Qt::LeftButton, {}, DialPoint(DialScreenAngle(kMode90, sun), 200, 370, 370));
    const QList<QListWidgetItem*> found = tree->findItems(QStringLiteral("SO "), Qt::MatchStartsWith);
    ASSERT_EQ(found.size(), 1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(found[0]).center());
    EXPECT_EQ(label->text(), QStringLiteral("Zeiger: ") + ModeDegreesText(sun));
    EXPECT_TRUE(tree->item(0)->text().startsWith(QStringLiteral("SO ")));
    window.reject();
  });
  // The settings remember the mode for the next showing; the pointer starts unset.
  halted.inEnlargedDial([&](QDialog& window) {
    EXPECT_EQ(Child<QComboBox>(&window, "dialModeBox")->currentText(), QStringLiteral("90°"));
    EXPECT_EQ(Child<QLabel>(&window, "pointerLabel")->text(), QStringLiteral("Zeiger: –"));
  });
}


// The graphic ephemeris from the menu bar halts the clock; the page point (333.56, 444.82)
// under the view's (300, 400) is day 100.86 of 2027 (11 April, 20:38) at 37°11' of the
// 90-degree mode; a click there sets the clock to that moment.
TEST(EphemerisWindowTest, HoverShowsTheMomentAndAClickSetsTheClock) {
  SymbolFontRegistration font;
  StartedClock clock{Moment(5, 12, 2026, 10, 29, 50)};
  const auto opened = WhileOpen("ephemerisWindow", [&](QDialog& window) {
    EXPECT_FALSE(clock.running());
    Child<QLineEdit>(&window, "fromEdit")->setText(QStringLiteral("01.01.2027"));
    Child<QLineEdit>(&window, "toEdit")->setText(QStringLiteral("31.12.2027"));
    // MC turns with the place: without a radix it is refused, in German.
    QAction* mc = Child<QPushButton>(&window, "factorsButton")->menu()->actions().value(0);
    ASSERT_EQ(mc->text(), QStringLiteral("MC"));
    mc->setChecked(true);
    QTest::mouseClick(Child<QPushButton>(&window, "drawButton"), Qt::LeftButton);
    EXPECT_EQ(Errors(clock.prompter).value(Errors(clock.prompter).size() - 1),
              QStringLiteral("Der Faktor MC hängt vom Ort ab und wird nur mit einer Radix für deren Ort gezeichnet."));
    mc->setChecked(false);
    QTest::mouseClick(Child<QPushButton>(&window, "drawButton"), Qt::LeftButton);
    auto* view = Child<QWidget>(&window, "ephemerisView");
    QTest::mouseMove(view, QPoint(300, 400));
    EXPECT_EQ(Child<QLabel>(&window, "hoverLabel")->text(), QStringLiteral("11.04.2027  20:38 WZ/GMT   37°11'"));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 400));
    EXPECT_FALSE(window.isVisible());
  });
  clock.window->findChild<QAction*>(QStringLiteral("graphicEphemerisAction"))->trigger();
  ASSERT_TRUE(*opened);
  EXPECT_TRUE(clock.dateLabel().contains(QStringLiteral("11.04.2027"))) << clock.dateLabel().toStdString();
  EXPECT_TRUE(clock.timeLabel().startsWith(QStringLiteral("20:38"))) << clock.timeLabel().toStdString();
  EXPECT_FALSE(clock.running());
}

// Runs the script of the private server; its exit status and what it wrote.
std::pair<int, QString> Harness(const QStringList& arguments) {
  QProcess process;
  process.start(QStringLiteral("bash"), QStringList{SourceDir() + QStringLiteral("/tests/test_support/private_cups.sh")} + arguments);
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
    return found.size() == 1 && ReadBytes(pdfs.filePath(found[0])).trimmed().endsWith("%%EOF");
  };
  for (int wait = 0; wait < 1200 && !(Jobs(cups, true) >= job && Jobs(cups, false) == 0 && whole()); ++wait)
    QThread::msleep(100);
  EXPECT_TRUE(whole()) << "no whole PDF of job " << job << " in " << pdfs.path().toStdString() << ": "
                       << found.join(u' ').toStdString();
  if (found.isEmpty()) return QString();
  const QString text = PdfText(pdfs.filePath(found[0]));
  QFile::remove(pdfs.filePath(found[0]));
  return text;
}

// A lookup prints without a dialog, the enlarged dial's "&Drucken" with the print dialog
// left as it comes: both on the default queue.
TEST(CupsPrintTest, ALookupAndTheEnlargedDialPrintOnTheDefaultCupsQueue) {
  // Where this machine cannot run the private server, the script says why.
  if (const auto [status, lacking] = Harness({QStringLiteral("check")}); status != 0)
    GTEST_SKIP() << "printing through a private CUPS queue is not possible here (" << lacking.toStdString()
                 << "); it runs as root with the packages cups and printer-driver-cups-pdf";
  PrivateCups cups;
  ASSERT_EQ(cups.started.first, 0) << cups.started.second.toStdString();
  // Points libcups at the private server. Before Qt's print support starts, so that no
  // printer the user chose elsewhere gets in the way.
  qputenv("CUPS_SERVER", cups.value(QStringLiteral("CUPS_SERVER")).toLocal8Bit());
  qunsetenv("PRINTER");
  qunsetenv("LPDEST");
  qputenv("HOME", cups.dir.path().toLocal8Bit());
  ScriptedPrompter prompter;
  Session session(prompter);
  session.chart = ChartOn(5, 12, 2026, 10.5);
  session.placeLabel = QStringLiteral("010°00' E, 50°00' N");
  RecomputeChart(session.chart);

  EvaluationWindow window(session);
  AxisLookupWindow* lookup = Lookup(&window, "degreeAxisLookup");
  WhenShown(&window, [&] {
    WhenShown(lookup, [&] {
      Enter(lookup, "07", "05");
      Click(lookup, "printButton");
      lookup->reject();
      WhenShown(&window, [&] { window.reject(); });
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
  RunWindow(dial, [&] { Click(&dial, "printButton"); });
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
