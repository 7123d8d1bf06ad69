// The enlarged dial and the axis graphic driven from the main window: drawing, turning,
// saving, printing (read back from PDF) and exporting.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QWheelEvent>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QRadioButton>

#include "engine/factors.h"
#include "midpoints/midpoint_tree.h"
#include "pictures/dial_picture.h"
#include "pictures/enlarged_dial.h"
#include "pictures/mode_dial.h"
#include "platform/printing.h"
#include "platform/symbol_font.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;

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
  QStringList information() { return ShownTexts(clock.prompter, ScriptedPrompter::Kind::Information); }
  void inEnlargedDial(std::function<void(QDialog&)> act) { clock.clickWhileOpen(MainButton::Enlarge, "enlargedDialWindow", std::move(act)); }
};

TEST(EnlargedDialWindowTest, ShowsTurnsSavesAndCloses) {
  HaltedClock halted;
  StartedClock& clock = halted.clock;
  WriteBytes(QStringLiteral("MCPic-03.WMF"), "kept from an earlier run");
  bool opened = false;
  halted.inEnlargedDial([&](QDialog& window) {
    opened = true;
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
    EXPECT_EQ(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Question).value(0).split(u'\r').size(), 6);
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
    // The title under the dial's moment line; the moment line of the page at three quarters
    // of the A4 height and the table from four fifths, both below the dial (the square of
    // the page width), whatever the resolution the page was measured at start-up.
    const PdfWord* title = FindWord(plain, QStringLiteral("MC-Häuser"));
    const PdfWord* dialMoment = FindWord(plain, QStringLiteral("Datum"));
    ASSERT_TRUE(title && dialMoment) << dpi;
    EXPECT_LT(dialMoment->box.top(), 40) << dpi;
    EXPECT_GE(title->box.top(), dialMoment->box.bottom()) << dpi;
    const auto pageMoment = std::find_if(plain.begin(), plain.end(), [](const PdfWord& w) {
      return w.text == QStringLiteral("Datum") && w.box.top() > 400;
    });
    const PdfWord* mc = FindWord(plain, QStringLiteral("MC"));
    ASSERT_TRUE(pageMoment != plain.end() && mc) << dpi;
    EXPECT_GT(pageMoment->box.top(), 0.75 * 842 - 20) << dpi;
    EXPECT_GT(pageMoment->box.top(), 595) << dpi;
    EXPECT_GT(mc->box.top(), 0.8 * 842 - 20) << dpi;
    EXPECT_GT(mc->box.top(), pageMoment->box.bottom()) << dpi;
    // The font of the page's width measured at that resolution (10 points from 3000 pixels
    // on); its rows and columns: diagram_prints_test.cpp.
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

// The formats themselves are read back in the tests of gyrolux-calc draw.
TEST(EnlargedDialWindowTest, ExportsAsPdfSvgAndPngFromTheContextMenu) {
  HaltedClock halted;
  ScriptedPrompter& prompter = halted.clock.prompter;
  halted.inEnlargedDial([&](QDialog& window) {
    auto* view = Child(&window, "enlargedDialView");
    EXPECT_EQ(view->contextMenuPolicy(), Qt::ActionsContextMenu);
    const auto action = [&](const char* name) { return Child<QAction>(view, name); };
    EXPECT_EQ(action("exportSvgAction")->text(), QStringLiteral("Als SVG speichern…"));
    prompter.answerSaveFile(QStringLiteral("dial"));  // the extension is added
    action("exportPdfAction")->trigger();
    prompter.answerSaveFile(QStringLiteral("dial.svg"));
    action("exportSvgAction")->trigger();
    prompter.answerSaveFile(QStringLiteral("dial.png"));
    action("exportPngAction")->trigger();
    prompter.answerSaveFile(std::nullopt);
    action("exportPngAction")->trigger();
    prompter.answerSaveFile(QStringLiteral("no/such/folder/dial.png"));
    action("exportPngAction")->trigger();
  });
  EXPECT_EQ(ShownTexts(prompter, ScriptedPrompter::Kind::SaveFileDialog).value(0), QStringLiteral("Als PDF speichern"));
  EXPECT_EQ(Errors(prompter).size(), 1);
  EXPECT_TRUE(ReadBytes(QStringLiteral("dial.pdf")).startsWith("%PDF"));
  EXPECT_TRUE(ReadBytes(QStringLiteral("dial.svg")).contains("viewBox=\"0 0 740 740\""));
  EXPECT_EQ(QImage(QStringLiteral("dial.png")).size(), QSize(1480, 1480));
}

}  // namespace
}  // namespace gyrolux

namespace gyrolux {
namespace {

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

}  // namespace
}  // namespace gyrolux

namespace gyrolux {
namespace {

// The graphic ephemeris from the menu bar halts the clock; the page point (333.56, 444.82)
// under the view's (300, 400) is day 100.86 of 2027 (11 April, 20:38) at 37°11' of the
// 90-degree mode; a click there sets the clock to that moment.
TEST(EphemerisWindowTest, HoverShowsTheMomentAndAClickSetsTheClock) {
  SymbolFontRegistration font;
  StartedClock clock{Moment(5, 12, 2026, 10, 29, 50)};
  bool opened = false;
  WhileOpen("ephemerisWindow", [&](QDialog& window) {
    opened = true;
    EXPECT_FALSE(clock.running());
    Child<QLineEdit>(&window, "fromEdit")->setText(QStringLiteral("01.01.2027"));
    Child<QLineEdit>(&window, "toEdit")->setText(QStringLiteral("31.12.2027"));
    QTest::mouseClick(Child<QPushButton>(&window, "drawButton"), Qt::LeftButton);
    auto* view = Child<QWidget>(&window, "ephemerisView");
    QTest::mouseMove(view, QPoint(300, 400));
    EXPECT_EQ(Child<QLabel>(&window, "hoverLabel")->text(), QStringLiteral("11.04.2027  20:38 WZ/GMT   37°11'"));
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(300, 400));
    EXPECT_FALSE(window.isVisible());
  });
  clock.window->findChild<QAction*>(QStringLiteral("graphicEphemerisAction"))->trigger();
  ASSERT_TRUE(opened);
  EXPECT_TRUE(clock.dateLabel().contains(QStringLiteral("11.04.2027"))) << clock.dateLabel().toStdString();
  EXPECT_TRUE(clock.timeLabel().startsWith(QStringLiteral("20:38"))) << clock.timeLabel().toStdString();
  EXPECT_FALSE(clock.running());
}

}  // namespace
}  // namespace gyrolux
