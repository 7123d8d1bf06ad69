#include <gtest/gtest.h>

#include "clock/clock_controller.h"
#include "session/session.h"
#include "clock/state_file.h"
#include "engine/field_readers.h"
#include "platform/scripted_prompter.h"

namespace gyrolux {
namespace {

bool HaltedCommandsEnabled(const MainWindowState& s) {
  return s.isEnabled(MainButton::Evaluate) && s.isEnabled(MainButton::PictureSearch) &&
         s.isEnabled(MainButton::Enlarge) && s.isEnabled(MainButton::MidpointSearch);
}
bool HaltedCommandsDisabled(const MainWindowState& s) {
  return !s.isEnabled(MainButton::Evaluate) && !s.isEnabled(MainButton::PictureSearch) &&
         !s.isEnabled(MainButton::Enlarge) && !s.isEnabled(MainButton::MidpointSearch);
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

TEST(ClockControllerTest, TempoScrollBar) {
  Running r;
  ClockController& c = r.controller;
  ASSERT_TRUE(c.running());
  EXPECT_EQ(r.session.clock.periodMs, 950);
  EXPECT_TRUE(HaltedCommandsDisabled(c.state()));

  c.moveScrollBar(20);  // tempo 0 halts
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.state().tempoLabel, QStringLiteral("0"));
  EXPECT_EQ(c.state().ticksLabel, QStringLiteral("Takte/Sek:0"));
  EXPECT_TRUE(HaltedCommandsEnabled(c.state()));

  c.moveScrollBar(25);  // 955 div 5
  EXPECT_TRUE(c.running());
  EXPECT_EQ(r.session.clock.periodMs, 191);
  EXPECT_TRUE(HaltedCommandsDisabled(c.state()));
  c.moveScrollBar(40);
  EXPECT_EQ(r.session.clock.periodMs, 47);
  EXPECT_EQ(c.state().ticksLabel, QStringLiteral("Takte/Sek:20"));
  c.moveScrollBar(0);  // backwards at tempo -20: same period
  EXPECT_EQ(r.session.clock.tempo, -20);
  EXPECT_EQ(c.state().tempoLabel, QStringLiteral("-20"));
  EXPECT_EQ(r.session.clock.periodMs, 47);
  c.moveScrollBar(17);
  EXPECT_EQ(r.session.clock.periodMs, 318);  // 955 div 3
}

TEST(ClockControllerTest, HaltAndContinue) {
  Running r;
  ClockController& c = r.controller;
  c.haltOrContinue();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(HaltCaption(false), QStringLiteral("&Weiter"));
  EXPECT_EQ(StatusText(false), QStringLiteral(" Diagramm steht "));
  EXPECT_TRUE(HaltedCommandsEnabled(c.state()));
  EXPECT_EQ(c.state().focus, FocusRequest::EnlargeButton);
  EXPECT_TRUE(r.session.flags.dialShown);

  c.haltOrContinue();
  EXPECT_TRUE(c.running());
  EXPECT_EQ(HaltCaption(true), QStringLiteral("&Halt"));
  EXPECT_EQ(StatusText(true), QStringLiteral(" Diagramm dreht "));
  EXPECT_EQ(c.state().windowHeight, 588);

  // Continuing at tempo 0 sets the tempo to 1 through the scroll bar at 21.
  c.moveScrollBar(20);
  c.haltOrContinue();
  EXPECT_TRUE(c.running());
  EXPECT_EQ(r.session.clock.tempo, 1);
  EXPECT_EQ(c.state().scrollPosition, 21);
  EXPECT_EQ(c.state().tempoLabel, QStringLiteral("1"));
  EXPECT_EQ(r.session.clock.periodMs, 955);
}

TEST(ClockControllerTest, TicksDrawWhileTheDialIsShownAndHaltAtTheLastYear) {
  Running r;
  ClockController& c = r.controller;
  const int drawn = c.state().drawing.serial;
  r.session.flags.dialShown = true;
  c.tick();
  EXPECT_EQ(c.state().drawing.serial, drawn + 1);
  EXPECT_TRUE(c.state().timeLabel.contains(QStringLiteral(":29:51"))) << c.state().timeLabel.toStdString();

  r.session.clock.unit = IntervalUnit::Year;
  r.session.chart.texts.dateText = QStringLiteral("05.12.9999");
  ReadDateFields(r.session.chart.texts.dateText, r.session.chart.moment);
  c.tick();
  EXPECT_FALSE(c.running());
  EXPECT_EQ(c.state().drawing.serial, drawn + 1);
  EXPECT_TRUE(HaltedCommandsEnabled(c.state()));
  EXPECT_EQ(r.session.chart.texts.dateText, QStringLiteral("05.12.9999"));
}

}  // namespace
}  // namespace gyrolux
