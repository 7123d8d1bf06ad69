// The enlarged dial and the axis graphic driven from the main window: drawing, turning,
// saving, printing (read back from PDF) and exporting.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>

#include "evaluation/diagram_files.h"
#include "platform/printing.h"
#include "platform/symbol_font.h"
#include "tests/clock/window_test_support.h"
#include "tests/test_support/while_open.h"

namespace gyrolux {
namespace {

using testing::Child;
using testing::Moment;
using testing::ShownTexts;
using testing::StartedClock;
using testing::WhileOpen;

QPushButton* ButtonOf(QDialog& window, const char* name) { return Child<QPushButton>(&window, QString::fromLatin1(name)); }

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
};

struct PdfWord {
  QString text;
  QRectF box;  // points
};
std::vector<PdfWord> PdfWords(const QString& pdf) {
  QProcess process;
  process.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  EXPECT_TRUE(process.waitForFinished(30000));
  const QString html = QString::fromUtf8(process.readAllStandardOutput());
  const QRegularExpression word(
      QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)</word>"));
  std::vector<PdfWord> words;
  for (const QRegularExpressionMatch& m : word.globalMatch(html)) {
    QString text = m.captured(5);
    text.replace(QStringLiteral("&apos;"), QStringLiteral("'")).replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<")).replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    words.push_back({text, QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                           QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
  }
  return words;
}
const PdfWord* Find(const std::vector<PdfWord>& words, const QString& text) {
  for (const PdfWord& w : words) {
    if (w.text == text) return &w;
  }
  return nullptr;
}

TEST(EnlargedDialWindowTest, ShowsTurnsSavesAndCloses) {
  HaltedClock halted;
  StartedClock& clock = halted.clock;
  ASSERT_TRUE(clock.button(MainButton::Enlarge)->isEnabled());
  testing::WriteBytes(QStringLiteral("MCPic-03.WMF"), "kept from an earlier run");
  bool opened = false;
  WhileOpen("enlargedDialWindow", [&](QDialog& window) {
    opened = true;
    EXPECT_EQ(window.windowTitle(), QString(67, u' ') + QStringLiteral("Diagramm-Vergrößerung"));
    EXPECT_EQ(window.size(), QSize(740, 740));
    EXPECT_EQ(window.pos(), QPoint(1, 0));
    for (int b = 0; b < kMainButtonCount; ++b) EXPECT_FALSE(clock.button(MainButton(b))->isEnabled()) << b;
    // Drawn, written to img.wmf and put on the clipboard.
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("img.wmf")));
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(740, 740));
    auto* bar = Child<QScrollBar>(&window, QStringLiteral("rotationScrollBar"));
    auto* label = Child<QLabel>(&window, QStringLiteral("rotationLabel"));
    EXPECT_EQ(bar->value(), 180);
    EXPECT_EQ(label->text(), QStringLiteral("±0"));
    const QByteArray unturned = testing::ReadBytes(QStringLiteral("img.wmf"));
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(label->text(), QStringLiteral("+1"));
    EXPECT_NE(testing::ReadBytes(QStringLiteral("img.wmf")), unturned);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(label->text(), QStringLiteral("-9"));
    Child<QRadioButton>(&window, QStringLiteral("circleASButton"))->click();
    EXPECT_EQ(label->text(), QStringLiteral("±0"));
    EXPECT_EQ(bar->value(), 180);

    // Two saves, the third passing the file kept from an earlier run.
    for (int i = 0; i < 3; ++i) ButtonOf(window, "saveButton")->click();
    const QString message = QStringLiteral("Das Diagramm wurde als Windows-Metafile gespeichert in  %1  im aktuellen Verzeichnis.");
    EXPECT_EQ(halted.information(), (QStringList{message.arg(QStringLiteral("MCPic-01.WMF")),
                                                 message.arg(QStringLiteral("MCPic-02.WMF")),
                                                 message.arg(QStringLiteral("MCPic-04.WMF"))}));
    EXPECT_EQ(testing::ReadBytes(QStringLiteral("MCPic-02.WMF")), testing::ReadBytes(QStringLiteral("img.wmf")));
    EXPECT_EQ(testing::ReadBytes(QStringLiteral("MCPic-03.WMF")), QByteArray("kept from an earlier run"));

    // The calculating dial in both answers; a cancelled print dialog prints nothing, and
    // the chart stays as it was.
    const auto longitudes = clock.session.chart.state.factorLongitude;
    clock.prompter.answerQuestion(true);
    halted.printTo(QStringLiteral("long.pdf"));
    ButtonOf(window, "calculatingDialButton")->click();
    clock.prompter.answerQuestion(false);
    clock.prompter.answerPrintDialog(false);
    ButtonOf(window, "calculatingDialButton")->click();
    EXPECT_EQ(clock.session.chart.state.factorLongitude, longitudes);
    EXPECT_EQ(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Question).value(0).split(u'\r').size(), 6);
    const std::vector<PdfWord> dial = PdfWords(QStringLiteral("long.pdf"));
    EXPECT_NE(Find(dial, QStringLiteral("Rechenscheibe")), nullptr);
    // Of the table's positions only the Sun's has seconds.
    const QRegularExpression withSeconds(QStringLiteral("^\\d\\d°\\d\\d'\\d\\d$"));
    EXPECT_EQ(std::count_if(dial.begin(), dial.end(), [&](const PdfWord& w) { return withSeconds.match(w.text).hasMatch(); }),
              1);
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("cancelled.pdf")));
  });
  clock.click(MainButton::Enlarge);
  EXPECT_TRUE(opened);
  // Closed: the working picture is gone, the saved ones stay, the main window's commands
  // are back.
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("img.wmf")));
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral("MCPic-01.WMF")));
  EXPECT_TRUE(clock.button(MainButton::Enlarge)->isEnabled());
  EXPECT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  EXPECT_EQ(clock.session.counters.diagrams, 5);
}

TEST(EnlargedDialWindowTest, AnImgWmfThatCannotBeWrittenIsReportedAndTheWindowStays) {
  HaltedClock halted;
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("img.wmf/inner")));
  WhileOpen("enlargedDialWindow", [&](QDialog& window) {
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ShownTexts(halted.clock.prompter, ScriptedPrompter::Kind::Error).size(), 1);
    // Nothing drawn: nothing to save.
    ButtonOf(window, "saveButton")->click();
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("MCPic-01.WMF")));
  });
  halted.clock.click(MainButton::Enlarge);
  EXPECT_TRUE(QDir(QStringLiteral("img.wmf/inner")).exists());
}

TEST(EnlargedDialWindowTest, PrintsTheDialWithItsTableInFourColumns) {
  HaltedClock halted;
  WhileOpen("enlargedDialWindow", [&](QDialog& window) {
    halted.printTo(QStringLiteral("plain.pdf"));
    ButtonOf(window, "printButton")->click();
    Child<QScrollBar>(&window, QStringLiteral("rotationScrollBar"))->setValue(190);
    halted.printTo(QStringLiteral("turned.pdf"));
    ButtonOf(window, "printButton")->click();
  });
  halted.clock.click(MainButton::Enlarge);

  const std::vector<PdfWord> plain = PdfWords(QStringLiteral("plain.pdf"));
  ASSERT_FALSE(plain.empty());
  EXPECT_NE(Find(plain, QStringLiteral("MC-Häuser")), nullptr);
  EXPECT_EQ(Find(PdfWords(QStringLiteral("turned.pdf")), QStringLiteral("MC-Häuser")), nullptr);
  // A4 at 600 dpi is wider than 3000 pixels: 10 points, and columns of MC.., ME.., NE..,
  // AP.. rows; SO is the third row of the first. The steps in points of 1/72 inch.
  const PdfWord* mc = Find(plain, QStringLiteral("MC"));
  ASSERT_NE(mc, nullptr);
  EXPECT_GT(mc->box.top(), 0.8 * 842 - 20);  // from four fifths of the page height
  EXPECT_NEAR(mc->box.height(), 10 * 1.13, 0.8);
  const PdfWord* so = Find(plain, QStringLiteral("SO"));
  ASSERT_NE(so, nullptr);
  EXPECT_NEAR(so->box.top() - mc->box.top(), 2 * 100 * 72.0 / 600, 0.5);
  double column = mc->box.left();
  for (const char* head : {"ME", "NE", "AP"}) {
    const PdfWord* word = Find(plain, QString::fromLatin1(head));
    ASSERT_NE(word, nullptr) << head;
    EXPECT_NEAR(word->box.top(), mc->box.top(), 0.5) << head;
    EXPECT_NEAR(word->box.left() - column, 1046 * 72.0 / 600, 0.5) << head;
    column = word->box.left();
  }
  EXPECT_NE(Find(plain, QStringLiteral("10:29:50")), nullptr);
}

TEST(AxisGraphicWindowTest, OneNameForEverySaveOfAShowingTheNextAfterClosing) {
  HaltedClock halted;
  StartedClock& clock = halted.clock;
  WhileOpen("enlargedDialWindow", [&](QDialog& enlarged) {
    const char* commands[] = {"backButton", "saveButton", "printButton", "calculatingDialButton", "axisGraphicButton"};
    for (int showing = 1; showing <= 2; ++showing) {
      WhileOpen("axisGraphicWindow", [&](QDialog& window) {
        EXPECT_EQ(window.windowTitle(), QString(69, u' ') + QStringLiteral("Die Achsen 0° bis 22,5°"));
        EXPECT_EQ(window.size(), QSize(759, 368));
        for (const char* name : commands) EXPECT_FALSE(ButtonOf(enlarged, name)->isEnabled()) << name;
        EXPECT_TRUE(QFileInfo::exists(QStringLiteral("dia.wmf")));
        EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(726, 300));
        ButtonOf(window, "saveButton")->click();
        if (showing == 1) {
          ButtonOf(window, "saveButton")->click();
          halted.printTo(QStringLiteral("axes.pdf"));
          ButtonOf(window, "printButton")->click();
        }
      });
      ButtonOf(enlarged, "axisGraphicButton")->click();
      for (const char* name : commands) EXPECT_TRUE(ButtonOf(enlarged, name)->isEnabled()) << name;
      EXPECT_FALSE(QFileInfo::exists(QStringLiteral("dia.wmf")));
    }
  });
  clock.click(MainButton::Enlarge);
  const QString message = QStringLiteral("Das Diagramm wurde als Windows-Metafile gespeichert in  \r%1    im aktuellen Verzeichnis.");
  EXPECT_EQ(halted.information(), (QStringList{message.arg(QStringLiteral("20261205_001.WMF")),
                                               message.arg(QStringLiteral("20261205_001.WMF")),
                                               message.arg(QStringLiteral("20261205_002.WMF"))}));
  EXPECT_TRUE(QFileInfo::exists(QStringLiteral("20261205_002.WMF")));
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("20261205_003.WMF")));
  const std::vector<PdfWord> axes = PdfWords(QStringLiteral("axes.pdf"));
  EXPECT_NE(Find(axes, QStringLiteral("L:+010°00',")), nullptr);
  EXPECT_NE(Find(axes, QStringLiteral("22°")), nullptr);
}

TEST(EnlargedDialWindowTest, ExportsAsPdfSvgAndPngFromTheContextMenu) {
  HaltedClock halted;
  ScriptedPrompter& prompter = halted.clock.prompter;
  WhileOpen("enlargedDialWindow", [&](QDialog& window) {
    auto* view = Child<QWidget>(&window, QStringLiteral("enlargedDialView"));
    EXPECT_EQ(view->contextMenuPolicy(), Qt::ActionsContextMenu);
    const auto action = [&](const char* name) { return Child<QAction>(view, QString::fromLatin1(name)); };
    EXPECT_EQ(action("exportPdfAction")->text(), QStringLiteral("Als PDF speichern…"));
    EXPECT_EQ(action("exportSvgAction")->text(), QStringLiteral("Als SVG speichern…"));
    EXPECT_EQ(action("exportPngAction")->text(), QStringLiteral("Als PNG speichern…"));
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
  halted.clock.click(MainButton::Enlarge);
  EXPECT_EQ(ShownTexts(prompter, ScriptedPrompter::Kind::SaveFileDialog).value(0), QStringLiteral("Als PDF speichern"));
  EXPECT_EQ(ShownTexts(prompter, ScriptedPrompter::Kind::Error).size(), 1);

  // The formats themselves are read back in the tests of gyrolux-calc draw.
  EXPECT_TRUE(testing::ReadBytes(QStringLiteral("dial.pdf")).startsWith("%PDF"));
  EXPECT_TRUE(testing::ReadBytes(QStringLiteral("dial.svg")).contains("viewBox=\"0 0 740 740\""));
  EXPECT_EQ(QImage(QStringLiteral("dial.png")).size(), QSize(1480, 1480));
}

}  // namespace
}  // namespace gyrolux
