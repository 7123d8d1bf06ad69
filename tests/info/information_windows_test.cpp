// The introduction opened from the running clock, and the help opened from the enlarged
// dial: their texts as shown, and what they do to the clock and the buttons.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QTextDocument>

#include <QAction>

#include "info/about_texts.h"
#include "info/information_texts.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;

QStringList PanelLines(QDialog& window, const QString& name) {
  return Child<QPlainTextEdit>(&window, name)->toPlainText().split(u'\n');
}

TEST(InformationWindowsTest, TheIntroductionHaltsTheClockTheHelpOpensFromTheEnlargedDial) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  ASSERT_TRUE(clock.running());
  ASSERT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  const auto opened = WhileOpen("introductionWindow", [&](QDialog& window) {
    EXPECT_EQ(window.windowTitle(), QString(10, u' ') + QStringLiteral("Einige einführende Hinweise zu diesem Programm"));
    EXPECT_FALSE(clock.running());
    EXPECT_EQ(clock.text("statusLabel"), QStringLiteral(" Diagramm steht "));
    for (int b = 0; b < kMainButtonCount; ++b) EXPECT_FALSE(clock.button(MainButton(b))->isEnabled()) << b;

    // The panels' texts are data of the window; here only that all five show some.
    for (int p = 1; p <= 5; ++p)
      EXPECT_FALSE(PanelLines(window, QStringLiteral("introductionPanel%1").arg(p)).join(QString()).trimmed().isEmpty()) << p;
    EXPECT_EQ(window.focusWidget(), Button(&window, "backButton"));
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
  });
  clock.click(MainButton::Introduction);
  EXPECT_TRUE(*opened);
  // Closed: the commands are back, the introduction's own among them; the clock stands
  // until it is continued.
  EXPECT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  EXPECT_FALSE(clock.running());

  // The help, from the enlarged dial of the halted clock.
  std::shared_ptr<bool> helped;
  clock.clickWhileOpen(MainButton::Enlarge, "enlargedDialWindow", [&](QDialog& enlarged) {
    helped = WhileOpen("helpWindow", [&](QDialog& help) {
      EXPECT_EQ(help.windowTitle(), QString(12, u' ') + QStringLiteral("Hilfen zur vergrößerten Diagramm-Anzeige"));
      EXPECT_GT(PanelLines(help, QStringLiteral("helpPanel")).size(), 1);
      EXPECT_EQ(PanelLines(help, QStringLiteral("readingPanel")), ReadingRecommendation());
      EXPECT_EQ(help.focusWidget(), Button(&help, "backButton"));
      QTest::keyClick(&help, Qt::Key_Escape);
      EXPECT_FALSE(help.isVisible());
    });
    Click(&enlarged, "helpButton");
    EXPECT_TRUE(enlarged.isVisible());
  });
  EXPECT_TRUE(helped && *helped);
  clock.click(MainButton::Halt);
  EXPECT_TRUE(clock.running());
}

// "Über Gyrolux" from the menu bar names the licence and the place data's source as its
// licence asks (CC BY 4.0: the source and the licence).
TEST(InformationWindowsTest, AboutFromTheMenuBarNamesTheLicenceAndTheSources) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  const auto opened = WhileOpen("aboutWindow", [](QDialog& window) {
    const QString text = PanelLines(window, QStringLiteral("aboutPanel")).join(u' ');
    for (const char* needed : {"GNU General Public License, Version 3", "GeoNames", "CC BY 4.0"})
      EXPECT_TRUE(text.contains(QString::fromUtf8(needed))) << needed;
    QTest::keyClick(&window, Qt::Key_Escape);
  });
  clock.window->findChild<QAction*>(QStringLiteral("aboutAction"))->trigger();
  EXPECT_TRUE(*opened);
}

}  // namespace
}  // namespace gyrolux
