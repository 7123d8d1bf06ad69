// The interval dialog as the "&Intervall" command opens it: "0" in the minutes field. Which
// texts are minutes is the logic's (interval_input_test.cpp); here the field and buttons.
#include "clock/interval_dialog.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;

TEST(IntervalDialog, TypedMinutesEscAndTheFixedSteps) {
  ClockState clock;
  IntervalDialog dialog(clock);  // one dialog for the run, as the main window keeps it
  QLineEdit* field = Child<QLineEdit>(&dialog, "minutesField");
  const struct {
    const char* typed;
    bool enter, stillOpen;
    double minutesAfter;
  } cases[] = {{"0", true, true, 0.0},
               {"0.5", true, false, 0.5},
               {"100000", false, false, 1e5}};  // six characters need no Enter
  for (const auto& c : cases) {
    clock.unit = IntervalUnit::Minutes;
    EXPECT_EQ(testing::RunWindow(dialog, [&] {
      // With the minutes unit active the field has the focus and its "0" is selected.
      EXPECT_TRUE(field->hasFocus());
      EXPECT_EQ(field->selectedText(), QStringLiteral("0"));
      QTest::keyClicks(field, QString::fromLatin1(c.typed));
      if (c.enter) QTest::keyClick(field, Qt::Key_Return);
    }), c.stillOpen) << c.typed;
    EXPECT_DOUBLE_EQ(clock.intervalMinutes, c.minutesAfter) << c.typed;
  }
  // ESC right after opening changes nothing, although the field had the focus.
  clock.unit = IntervalUnit::Week;
  EXPECT_FALSE(testing::RunWindow(dialog, [&] { QTest::keyClick(field, Qt::Key_Escape); }));
  EXPECT_EQ(clock.unit, IntervalUnit::Week);
  const std::pair<const char*, IntervalUnit> steps[] = {{"dayButton", IntervalUnit::Day},
                                                        {"monthButton", IntervalUnit::Month},
                                                        {"yearButton", IntervalUnit::Year},
                                                        {"weekButton", IntervalUnit::Week}};
  for (const auto& [button, unit] : steps) {
    clock.unit = IntervalUnit::Seconds;  // the field has no focus, so only the button acts
    EXPECT_FALSE(testing::RunWindow(dialog, [&] { testing::Click(&dialog, button); }));
    EXPECT_EQ(clock.unit, unit);
  }
}

}  // namespace
}  // namespace gyrolux
