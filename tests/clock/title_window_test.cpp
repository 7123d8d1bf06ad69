// The title picture at start-up and its switch.
#include <gtest/gtest.h>

#include <QDir>
#include <QRadioButton>

#include "clock/title_window.h"
#include "tests/clock/window_test_support.h"

namespace gyrolux {
namespace {

using testing::Moment;
using testing::ShownTexts;
using testing::ReadBytes;
using testing::StartedClock;
using testing::Child;

TEST(TitleWindow, ShownAtStartUpUntilSwitchedOff) {
  // First start: the title picture comes up; "weiter" closes it and leaves no file.
  bool shown = false;
  QTimer::singleShot(0, [&] {
    auto* title = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(title, nullptr);
    shown = title->isVisible();
    EXPECT_EQ(title->size(), QSize(765, 569));
    QTest::mouseClick(Child<QPushButton>(title, QStringLiteral("continueButton")), Qt::LeftButton);
  });
  {
    StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, /*titleSwitchedOff=*/false);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(clock.running());
  }
  EXPECT_TRUE(QDir().entryList(QDir::Files).filter(QStringLiteral("titel"), Qt::CaseInsensitive).isEmpty());

  // The switch writes Titel.dat ("0" and CR LF) and closes the window.
  QTimer::singleShot(0, [&] {
    auto* title = static_cast<TitleWindow*>(QApplication::activeModalWidget());
    QTest::mouseClick(Child<QRadioButton>(title, QStringLiteral("neverAgainButton")), Qt::LeftButton);
  });
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
  bool stillOpen = false;
  QTimer::singleShot(0, &title, [&] {
    QTest::mouseClick(Child<QRadioButton>(&title, QStringLiteral("neverAgainButton")), Qt::LeftButton);
    stillOpen = title.isVisible();
    EXPECT_FALSE(Child<QRadioButton>(&title, QStringLiteral("neverAgainButton"))->isChecked());
    QTest::keyClick(&title, Qt::Key_Escape);
  });
  title.exec();
  EXPECT_TRUE(stillOpen);
  EXPECT_FALSE(title.isVisible());
  ASSERT_EQ(ShownTexts(prompter, ScriptedPrompter::Kind::Error).size(), 1);
  EXPECT_TRUE(ShownTexts(prompter, ScriptedPrompter::Kind::Error)[0].contains(QStringLiteral("Titel.dat")));
}

}  // namespace
}  // namespace gyrolux
