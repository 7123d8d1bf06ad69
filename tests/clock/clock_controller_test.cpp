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

TEST(ClockControllerTest, TheScrollBarSetsTempoPeriodAndLabels) {
  Running r;
  ClockController& c = r.controller;
  ASSERT_TRUE(c.running());
  EXPECT_EQ(HaltedCommandsOn(c.state()), 0);
  const struct {
    int position;
    bool running;
    const char *tempo, *ticks;
    int period;
  } positions[] = {{20, false, "0", "Takte/Sek:0", 950}, {25, true, "5", "Takte/Sek:5", 191},
                   {40, true, "20", "Takte/Sek:20", 47}, {0, true, "-20", "Takte/Sek:20", 47},
                   {17, true, "-3", "Takte/Sek:3", 318}, {20, false, "0", "Takte/Sek:0", 318}};
  for (const auto& p : positions) {
    c.moveScrollBar(p.position);
    EXPECT_EQ(c.running(), p.running) << p.position;
    EXPECT_EQ(c.state().tempoLabel, p.tempo) << p.position;
    EXPECT_EQ(c.state().ticksLabel, p.ticks) << p.position;
    EXPECT_EQ(r.session.clock.periodMs, p.period) << p.position;  // kept while halted
    EXPECT_EQ(HaltedCommandsOn(c.state()), p.running ? 0 : 4) << p.position;
  }
  // Continuing at tempo 0 sets the tempo to 1 through the scroll bar at 21.
  c.haltOrContinue();
  EXPECT_TRUE(c.running());
  EXPECT_EQ(r.session.clock.tempo, 1);
  EXPECT_EQ(c.state().scrollPosition, 21);
  EXPECT_EQ(r.session.clock.periodMs, 955);
  // Halting shows the dial and offers the halted commands, the focus on the enlarge button.
  c.haltOrContinue();
  EXPECT_EQ(HaltedCommandsOn(c.state()), 4);
  EXPECT_EQ(c.state().focus, FocusRequest::EnlargeButton);
  EXPECT_TRUE(r.session.flags.dialShown);
}

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
