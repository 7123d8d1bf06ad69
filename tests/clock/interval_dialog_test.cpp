// The interval dialog as the "&Intervall" command opens it: "0" in the minutes field.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "clock/interval_dialog.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;

QLineEdit* Field(IntervalDialog& d) { return Child<QLineEdit>(&d, QStringLiteral("minutesField")); }

// Opens the dialog modally and acts in it; returns whether it was still open afterwards.
bool RunDialog(IntervalDialog& dialog, const std::function<void(IntervalDialog&)>& act) {
  bool stillOpen = false;
  QTimer::singleShot(0, &dialog, [&] {
    act(dialog);
    stillOpen = dialog.isVisible();
    if (stillOpen) dialog.reject();
  });
  dialog.run();
  return stillOpen;
}

void Type(IntervalDialog& d, const QString& text, bool enter) {
  QTest::keyClicks(Field(d), text);
  if (enter) QTest::keyClick(Field(d), Qt::Key_Return);
}

TEST(IntervalDialog, MinutesAboveZeroSetTheUnitAndClose) {
  ClockState clock;
  IntervalDialog dialog(clock);
  EXPECT_EQ(dialog.size(), QSize(305, 348));
  EXPECT_FALSE(RunDialog(dialog, [](IntervalDialog& d) { Type(d, QStringLiteral("1500"), true); }));
  EXPECT_EQ(clock.unit, IntervalUnit::Minutes);
  EXPECT_DOUBLE_EQ(clock.intervalMinutes, 1500.0);

  EXPECT_FALSE(RunDialog(dialog, [](IntervalDialog& d) {
    // The minutes unit is active, so the field has the focus and its "0" is selected.
    EXPECT_TRUE(Field(d)->hasFocus());
    EXPECT_EQ(Field(d)->selectedText(), QStringLiteral("0"));
    Type(d, QStringLiteral("0.5"), true);
  }));
  EXPECT_DOUBLE_EQ(clock.intervalMinutes, 0.5);

  // Six characters accept the value without Enter.
  EXPECT_FALSE(RunDialog(dialog, [](IntervalDialog& d) { Type(d, QStringLiteral("100000"), false); }));
  EXPECT_DOUBLE_EQ(clock.intervalMinutes, 100000.0);
}

TEST(IntervalDialog, ZeroNegativeAndUncleanTextsKeepTheUnitAndTheDialogOpen) {
  ClockState clock;  // seconds
  IntervalDialog dialog(clock);
  EXPECT_TRUE(RunDialog(dialog, [](IntervalDialog& d) { Type(d, QStringLiteral("0"), true); }));
  EXPECT_EQ(clock.unit, IntervalUnit::Seconds);
  EXPECT_DOUBLE_EQ(clock.intervalMinutes, 0.0);

  clock.unit = IntervalUnit::Minutes;
  EXPECT_TRUE(RunDialog(dialog, [](IntervalDialog& d) { Type(d, QStringLiteral("-3"), true); }));
  EXPECT_EQ(clock.unit, IntervalUnit::Minutes);
  EXPECT_DOUBLE_EQ(clock.intervalMinutes, -3.0);

  EXPECT_TRUE(RunDialog(dialog, [](IntervalDialog& d) {
    Type(d, QStringLiteral("1x"), true);
    EXPECT_TRUE(Field(d)->hasFocus());
  }));
  EXPECT_EQ(clock.unit, IntervalUnit::Minutes);
}

TEST(IntervalDialog, EscAndTheFixedSteps) {
  ClockState clock;
  clock.unit = IntervalUnit::Week;
  clock.intervalMinutes = 7.0;
  IntervalDialog dialog(clock);
  // ESC right after opening changes nothing, although the field had the focus.
  EXPECT_FALSE(RunDialog(dialog, [](IntervalDialog& d) { QTest::keyClick(Field(d), Qt::Key_Escape); }));
  EXPECT_EQ(clock.unit, IntervalUnit::Week);
  EXPECT_DOUBLE_EQ(clock.intervalMinutes, 7.0);

  const std::pair<const char*, IntervalUnit> steps[] = {{"dayButton", IntervalUnit::Day},
                                                        {"monthButton", IntervalUnit::Month},
                                                        {"yearButton", IntervalUnit::Year},
                                                        {"weekButton", IntervalUnit::Week}};
  for (const auto& [button, unit] : steps) {
    // From the seconds unit the field has no focus, so only the button acts.
    clock.unit = IntervalUnit::Seconds;
    EXPECT_FALSE(RunDialog(dialog, [button = button](IntervalDialog& d) {
      QTest::mouseClick(Child<QPushButton>(&d, QString::fromLatin1(button)), Qt::LeftButton);
    }));
    EXPECT_EQ(clock.unit, unit);
    EXPECT_DOUBLE_EQ(clock.intervalMinutes, 7.0);
  }
}

}  // namespace
}  // namespace gyrolux
