// The title picture at start-up and its switch.
#include <gtest/gtest.h>

#include <QDir>
#include <QRadioButton>

#include "clock/title_window.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;

TEST(TitleWindow, ShownAtStartUpUntilSwitchedOff) {
  // First start: the title picture comes up; "weiter" closes it and leaves no file.
  bool shown = false;
  WhileOpen("titleWindow", [&](QDialog& title) {
    shown = true;
    Click(&title, "continueButton");
  });
  { StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, /*titleSwitchedOff=*/false); }
  EXPECT_TRUE(shown);
  EXPECT_TRUE(QDir().entryList(QDir::Files).filter(QStringLiteral("titel"), Qt::CaseInsensitive).isEmpty());
  // The switch writes Titel.dat ("0" and CR LF) and closes the window.
  WhileOpen("titleWindow", [](QDialog& title) { Child<QRadioButton>(&title, "neverAgainButton")->click(); });
  { StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, false); }
  EXPECT_EQ(ReadBytes(QStringLiteral("Titel.dat")), QByteArray("0\r\n"));
  // From now on no title picture: a start with no scripted click returns at once.
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, false);
  EXPECT_TRUE(clock.running());
}

TEST(TitleWindow, UnwritableFlagFileKeepsTheWindowOpen) {
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("Titel.dat")));
  ScriptedPrompter prompter;
  TitleWindow title(prompter);
  EXPECT_TRUE(RunWindow(title, [&] {
    QTest::mouseClick(Child<QRadioButton>(&title, "neverAgainButton"), Qt::LeftButton);
    EXPECT_FALSE(Child<QRadioButton>(&title, "neverAgainButton")->isChecked());
  }));
  ASSERT_EQ(Errors(prompter).size(), 1);
  EXPECT_TRUE(Errors(prompter)[0].contains(QStringLiteral("Titel.dat")));
}

}  // namespace
}  // namespace gyrolux
