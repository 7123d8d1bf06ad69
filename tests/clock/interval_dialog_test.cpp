// The interval dialog as the "&Intervall" command opens it: "0" in the minutes field.
#include "clock/interval_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

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

TEST(IntervalDialog, TypedMinutesCloseItOnlyAboveZero) {
  const struct {
    IntervalUnit unit;
    const char* typed;
    bool enter, stillOpen;
    IntervalUnit unitAfter;
    double minutesAfter;
  } cases[] = {{IntervalUnit::Seconds, "1500", true, false, IntervalUnit::Minutes, 1500.0},
               {IntervalUnit::Minutes, "0.5", true, false, IntervalUnit::Minutes, 0.5},
               {IntervalUnit::Minutes, "100000", false, false, IntervalUnit::Minutes, 1e5},  // six characters need no Enter
               {IntervalUnit::Seconds, "0", true, true, IntervalUnit::Seconds, 0.0},
               {IntervalUnit::Minutes, "-3", true, true, IntervalUnit::Minutes, -3.0},
               {IntervalUnit::Minutes, "1x", true, true, IntervalUnit::Minutes, 0.0}};
  ClockState clock;
  IntervalDialog dialog(clock);  // one dialog for the run, as the main window keeps it
  EXPECT_EQ(dialog.size(), QSize(305, 348));
  for (const auto& c : cases) {
    clock.unit = c.unit;
    EXPECT_EQ(RunDialog(dialog, [&c](IntervalDialog& d) {
      // With the minutes unit active the field has the focus and its "0" is selected.
      if (c.unit == IntervalUnit::Minutes) {
        EXPECT_TRUE(Field(d)->hasFocus());
        EXPECT_EQ(Field(d)->selectedText(), QStringLiteral("0"));
      }
      QTest::keyClicks(Field(d), QString::fromLatin1(c.typed));
      if (c.enter) QTest::keyClick(Field(d), Qt::Key_Return);
    }), c.stillOpen) << c.typed;
    EXPECT_EQ(clock.unit, c.unitAfter) << c.typed;
    EXPECT_DOUBLE_EQ(clock.intervalMinutes, c.minutesAfter) << c.typed;
  }
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
    clock.unit = IntervalUnit::Seconds;  // the field has no focus, so only the button acts
    EXPECT_FALSE(RunDialog(dialog, [button = button](IntervalDialog& d) {
      QTest::mouseClick(Child<QPushButton>(&d, QString::fromLatin1(button)), Qt::LeftButton);
    }));
    EXPECT_EQ(clock.unit, unit);
    EXPECT_DOUBLE_EQ(clock.intervalMinutes, 7.0);
  }
}

}  // namespace
}  // namespace gyrolux
