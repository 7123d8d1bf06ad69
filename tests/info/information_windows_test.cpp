// The introduction opened from the running clock, and the help opened from the enlarged
// dial: their texts as shown, and what they do to the clock and the buttons.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextDocument>

#include "info/information_texts.h"
#include "tests/clock/window_test_support.h"
#include "tests/test_support/while_open.h"

namespace gyrolux {
namespace {

using testing::Child;
using testing::Moment;
using testing::StartedClock;
using testing::WhileOpen;

QStringList PanelLines(QDialog& window, const QString& name) {
  return Child<QPlainTextEdit>(&window, name)->toPlainText().split(u'\n');
}

TEST(IntroductionWindowTest, HaltsTheClockAndShowsItsFivePanels) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  ASSERT_TRUE(clock.running());
  ASSERT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  bool opened = false;
  WhileOpen("introductionWindow", [&](QDialog& window) {
    opened = true;
    EXPECT_EQ(window.windowTitle(), QString(10, u' ') + QStringLiteral("Einige einführende Hinweise zu diesem Programm"));
    EXPECT_EQ(window.size(), QSize(502, 559));
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.text("statusLabel"), QStringLiteral(" Diagramm steht "));
    EXPECT_EQ(clock.button(MainButton::Halt)->text(), QStringLiteral("&Weiter"));
    for (int b = 0; b < kMainButtonCount; ++b) EXPECT_FALSE(clock.button(MainButton(b))->isEnabled()) << b;

    struct Panel {
      int lines;
      QString first, last;
      bool bold, readOnly;
    };
    const Panel panels[] = {
        {4, QStringLiteral(" Die Mini-Gyrolux zeigt während ihres Laufes in einem astrologischen, "),
         QStringLiteral(" Diagramm vergrößern, drucken und als WMF-Datei speichern."), true, true},
        {7, QStringLiteral("  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:"),
         QStringLiteral("  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen"), false, true},
        {11, QStringLiteral("  Sie können die Uhr jederzeit anhalten und die Situation siebenfach auswerten:"),
         QStringLiteral("  speicherbar und es kann eine 22,5°-Grafik mit allen Faktoren gewählt werden. "), false, true},
        {4, QStringLiteral("  Weiterhin ist die Uhr als ´Wecker´ verwendbar: zur Suche nach dem"),
         QStringLiteral("  Das Programm untersucht jeweils bis zu 100 Jahre ab Startdatum."), false, true},
        {2, QStringLiteral(" Die beiliegende Anleitungs-PDF gibt Ihnen mit einem"),
         QStringLiteral(" prägnanten Beispiel weitere Anwendungshinweise."), true, false},
    };
    const int tops[] = {4, 80, 206, 397, 477};
    for (int p = 0; p < 5; ++p) {
      const QString name = QStringLiteral("introductionPanel%1").arg(p + 1);
      const QStringList lines = PanelLines(window, name);
      ASSERT_EQ(lines.size(), panels[p].lines) << p;
      EXPECT_EQ(lines.first(), panels[p].first);
      EXPECT_EQ(lines.last(), panels[p].last);
      auto* panel = Child<QPlainTextEdit>(&window, name);
      EXPECT_EQ(panel->geometry().topLeft(), QPoint(1, tops[p]));
      EXPECT_EQ(panel->width(), 482);
      EXPECT_EQ(panel->font().bold(), panels[p].bold);
      EXPECT_EQ(panel->font().pixelSize(), 13);
      EXPECT_EQ(panel->isReadOnly(), panels[p].readOnly);
    }
    EXPECT_EQ(PanelLines(window, QStringLiteral("introductionPanel2"))[4],
              QStringLiteral("    (das bedeutet, die Uhr kann auch rückwärts laufen)"));
    auto* back = Child<QPushButton>(&window, QStringLiteral("backButton"));
    EXPECT_EQ(back->text(), QStringLiteral("&Zurück"));
    EXPECT_EQ(window.focusWidget(), back);
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  });
  clock.click(MainButton::Introduction);
  EXPECT_TRUE(opened);
  // Closed: the commands are back, the introduction's own among them; the clock stands
  // until it is continued.
  EXPECT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  EXPECT_FALSE(clock.running());
  clock.click(MainButton::Halt);
  EXPECT_TRUE(clock.running());
}

TEST(HelpWindowTest, OpensFromTheEnlargedDialWithItsLinesAndTheReadingAdvice) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  bool helped = false;
  WhileOpen("enlargedDialWindow", [&](QDialog& enlarged) {
    WhileOpen("helpWindow", [&](QDialog& help) {
      helped = true;
      EXPECT_EQ(help.windowTitle(), QString(12, u' ') + QStringLiteral("Hilfen zur vergrößerten Diagramm-Anzeige"));
      EXPECT_EQ(help.size(), QSize(472, 550));
      const QStringList lines = PanelLines(help, QStringLiteral("helpPanel"));
      ASSERT_EQ(lines.size(), 23);
      EXPECT_EQ(lines[0], QStringLiteral("  >>>  R-Scheibe drucken:  "));
      EXPECT_EQ(lines[9], QStringLiteral("  einer  laufenden Nummer; Sie können also mehrere Diagramme während "));
      EXPECT_EQ(lines[22], QStringLiteral("  des gewählten Faktors in Bezug auf Tierkreis und alle anderen Faktoren."));
      EXPECT_EQ(PanelLines(help, QStringLiteral("readingPanel")), ReadingRecommendation());
      EXPECT_EQ(ReadingRecommendation().size(), 6);
      auto* panel = Child<QPlainTextEdit>(&help, QStringLiteral("readingPanel"));
      EXPECT_EQ(panel->geometry(), QRect(2, 380, 451, 105));
      EXPECT_TRUE(panel->isReadOnly());
      EXPECT_EQ(help.focusWidget(), Child<QPushButton>(&help, QStringLiteral("backButton")));
      QTest::keyClick(&help, Qt::Key_Escape);
      EXPECT_FALSE(help.isVisible());
    });
    Child<QPushButton>(&enlarged, QStringLiteral("helpButton"))->click();
    EXPECT_TRUE(enlarged.isVisible());
  });
  clock.click(MainButton::Enlarge);
  EXPECT_TRUE(helped);
}

}  // namespace
}  // namespace gyrolux
