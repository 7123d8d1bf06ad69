// The scroll bar and the halted commands are driven through the main window
// (main_window_test.cpp); here the ticks up to the last year.
#include "clock/clock_controller.h"

#include <gtest/gtest.h>

#include "engine/field_readers.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"

namespace gyrolux {
namespace {

// The commands that only a halted clock offers.
int HaltedCommandsOn(const MainWindowState& s) {
  return s.isEnabled(MainButton::Evaluate) + s.isEnabled(MainButton::PictureSearch) +
         s.isEnabled(MainButton::Enlarge) + s.isEnabled(MainButton::MidpointSearch);
}

struct Running {
  Running() {
    session.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(10, 29, 50)); };
    controller.beginStartUp(std::nullopt);
    controller.finishStartUp();
  }
  ScriptedPrompter prompter;
  Session session{prompter};
  ClockController controller{session};
};

TEST(ClockControllerTest, TicksDrawWhileTheDialIsShownAndHaltAtTheLastYear) {
  Running r;
  ClockController& c = r.controller;
  const int drawn = c.state().drawing.serial;
  r.session.flags.dialShown = true;
  c.tick();
  EXPECT_EQ(c.state().drawing.serial, drawn + 1);
  EXPECT_EQ(c.state().timeLabel, QStringLiteral("10:29:51 WZ/GMT"));

  r.session.clock.unit = IntervalUnit::Year;
  r.session.chart.texts.dateText = QStringLiteral("05.12.9999");
  ReadDateFields(r.session.chart.texts.dateText, r.session.chart.moment);
  c.tick();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.state().drawing.serial, drawn + 1);
  EXPECT_EQ(HaltedCommandsOn(c.state()), 4);
  EXPECT_EQ(r.session.chart.texts.dateText, QStringLiteral("05.12.9999"));
}

}  // namespace
}  // namespace gyrolux
