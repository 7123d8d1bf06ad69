// The scroll bar and the halted commands are driven through the main window
// (main_window_test.cpp); here the ticks up to the last year.
#include "clock/clock_controller.h"

#include <ctime>
#include <utility>

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
    session.now = [] { return QDateTime(QDate(2026, 12, 5), QTime(10, 29, 50), Qt::UTC); };
    controller.beginStartUp(std::nullopt);
    controller.finishStartUp();
  }
  ScriptedPrompter prompter;
  Session session{prompter};
  ClockController controller{session};
};

// The C library's universal date and time now, as the chart's texts spell them.
std::pair<QString, QString> UtcTextsNow() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char date[16], time[16];
  std::strftime(date, sizeof date, "%d.%m.%Y", &utc);
  std::strftime(time, sizeof time, "%H.%M.%S", &utc);
  return {QString::fromLatin1(date), QString::fromLatin1(time)};
}

// The clock runs in world time: start-up and "&Real Time  " take the computer's clock in
// universal time, whatever zone the computer is set to.
TEST(ClockControllerTest, StartUpAndRealTimeTakeUniversalTimeInAnyZone) {
  const QByteArray zoneBefore = qgetenv("TZ");
  for (const char* zone : {"Pacific/Kiritimati", "America/Los_Angeles", "UTC"}) {
    qputenv("TZ", zone);
    tzset();
    ScriptedPrompter prompter;
    Session session{prompter};
    ClockController controller{session};
    for (const bool realTime : {false, true}) {
      // Read on both sides, in case a second turns in between.
      const auto before = UtcTextsNow();
      realTime ? controller.realTime() : controller.beginStartUp(std::nullopt);
      const auto after = UtcTextsNow();
      const std::pair shown{session.chart.texts.dateText, session.chart.texts.timeText};
      EXPECT_TRUE(shown == before || shown == after)
          << zone << (realTime ? " real time: " : " start-up: ") << shown.first.toStdString() << " "
          << shown.second.toStdString() << " instead of " << after.first.toStdString() << " " << after.second.toStdString();
    }
  }
  zoneBefore.isNull() ? qunsetenv("TZ") : qputenv("TZ", zoneBefore);
  tzset();
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
