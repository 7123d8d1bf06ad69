// The introduction opened from the running clock, and the help opened from the enlarged
// dial: their texts as shown, and what they do to the clock and the buttons.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextDocument>

#include "info/information_texts.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;

QStringList PanelLines(QDialog& window, const QString& name) {
  return Child<QPlainTextEdit>(&window, name)->toPlainText().split(u'\n');
}

TEST(IntroductionWindowTest, HaltsTheClockAndShowsItsFivePanels) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  ASSERT_TRUE(clock.running());
  ASSERT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  bool opened = false;
  clock.clickWhileOpen(MainButton::Introduction, "introductionWindow", [&](QDialog& window) {
    opened = true;
    EXPECT_EQ(window.windowTitle(), QString(10, u' ') + QStringLiteral("Einige einführende Hinweise zu diesem Programm"));
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.text("statusLabel"), QStringLiteral(" Diagramm steht "));
    for (int b = 0; b < kMainButtonCount; ++b) EXPECT_FALSE(clock.button(MainButton(b))->isEnabled()) << b;

    struct Panel {
      int lines;
      QString first, last;
      bool bold;
    };
    const Panel panels[] = {
        {4, QStringLiteral(" Die Mini-Gyrolux zeigt während ihres Laufes in einem astrologischen, "),
         QStringLiteral(" Diagramm vergrößern, drucken und als WMF-Datei speichern."), true},
        {7, QStringLiteral("  Die Arbeitsbedingungen der Uhr sind jederzeit änderbar:"),
         QStringLiteral("  - Mit ´Alt-Datum/Zeit´ werden die Werte der letzten Sitzung aufgerufen"), false},
        {11, QStringLiteral("  Sie können die Uhr jederzeit anhalten und die Situation siebenfach auswerten:"),
         QStringLiteral("  speicherbar und es kann eine 22,5°-Grafik mit allen Faktoren gewählt werden. "), false},
        {4, QStringLiteral("  Weiterhin ist die Uhr als ´Wecker´ verwendbar: zur Suche nach dem"),
         QStringLiteral("  Das Programm untersucht jeweils bis zu 100 Jahre ab Startdatum."), false},
        {2, QStringLiteral(" Die beiliegende Anleitungs-PDF gibt Ihnen mit einem"),
         QStringLiteral(" prägnanten Beispiel weitere Anwendungshinweise."), true},
    };
    for (int p = 0; p < 5; ++p) {
      const QString name = QStringLiteral("introductionPanel%1").arg(p + 1);
      const QStringList lines = PanelLines(window, name);
      ASSERT_EQ(lines.size(), panels[p].lines) << p;
      EXPECT_EQ(lines.first(), panels[p].first);
      EXPECT_EQ(lines.last(), panels[p].last);
      EXPECT_EQ(Child<QPlainTextEdit>(&window, name)->font().bold(), panels[p].bold);
    }
    EXPECT_EQ(PanelLines(window, QStringLiteral("introductionPanel2"))[4],
              QStringLiteral("    (das bedeutet, die Uhr kann auch rückwärts laufen)"));
    EXPECT_EQ(window.focusWidget(), Button(&window, "backButton"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  });
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
  clock.clickWhileOpen(MainButton::Enlarge, "enlargedDialWindow", [&](QDialog& enlarged) {
    WhileOpen("helpWindow", [&](QDialog& help) {
      helped = true;
      EXPECT_EQ(help.windowTitle(), QString(12, u' ') + QStringLiteral("Hilfen zur vergrößerten Diagramm-Anzeige"));
      const QStringList lines = PanelLines(help, QStringLiteral("helpPanel"));
      ASSERT_EQ(lines.size(), 23);
      EXPECT_EQ(lines[0], QStringLiteral("  >>>  R-Scheibe drucken:  "));
      EXPECT_EQ(lines[9], QStringLiteral("  einer  laufenden Nummer; Sie können also mehrere Diagramme während "));
      EXPECT_EQ(lines[22], QStringLiteral("  des gewählten Faktors in Bezug auf Tierkreis und alle anderen Faktoren."));
      EXPECT_EQ(PanelLines(help, QStringLiteral("readingPanel")), ReadingRecommendation());
      EXPECT_EQ(ReadingRecommendation().size(), 6);
      EXPECT_EQ(help.focusWidget(), Button(&help, "backButton"));
      QTest::keyClick(&help, Qt::Key_Escape);
      EXPECT_FALSE(help.isVisible());
    });
    Click(&enlarged, "helpButton");
    EXPECT_TRUE(enlarged.isVisible());
  });
  EXPECT_TRUE(helped);
}

}  // namespace
}  // namespace gyrolux
