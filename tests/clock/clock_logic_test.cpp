// The logic behind the clock's windows: the controller's ticks, the steps of each unit,
// the typed interval and the state file.
#include <gtest/gtest.h>

#include <chrono>
#include <ctime>
#include <utility>

#include <QFile>

#include "clock/clock_controller.h"
#include "clock/clock_step.h"
#include "clock/interval_input.h"
#include "clock/state_file.h"
#include "clock/system_moment.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/files.h"

namespace gyrolux {
namespace {

using testing::ChartAt;
using testing::WriteBytes;

// The scroll bar and the halted commands are driven through the main window
// (main_window_test.cpp); here the ticks up to the last year.
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

// The C library's universal date and time now, as the chart's texts spell them. Read from
// the precise real-time clock, as the program reads it: time() follows a coarse clock that may
// still show the last second for some milliseconds after the turn.
std::pair<QString, QString> UtcTextsNow() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
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

ClockState Unit(IntervalUnit unit, double minutes = 1.0 / 60.0) {
  ClockState clock;
  clock.unit = unit;
  clock.intervalMinutes = minutes;
  return clock;
}

using U = IntervalUnit;

TEST(ClockStepTest, OneStepOfEachUnitBothWaysUpToTheEdgeOfItsYears) {
  const struct {
    const char* date;
    double hours;
    ClockState clock;
    bool backwards;
    const char* reached;  // nullptr: the step is refused and the moment stays
    YearStepKind year = YearStepKind::CalendarYear;
  } cases[] = {
      {"31.12.1999", 23 + 59 / 60.0 + 59 / 3600.0, Unit(U::Seconds), false, "01.01.2000 00:00:00"},
      {"01.03.2024", 0.0, Unit(U::Seconds), true, "29.02.2024 23:59:59"},
      // The minutes carry one day at most, so the time of day grows by the rest.
      {"01.01.2026", 10.0, Unit(U::Minutes, 1500), false, "02.01.2026 11:00:00"},
      {"14.01.2026", 23.0, Unit(U::Minutes, 1500), false, "15.01.2026 24:00:00"},
      {"15.01.2026", 24.0, Unit(U::Minutes, 1500), false, "16.01.2026 25:00:00"},
      {"01.05.2003", 0.004, Unit(U::Minutes, 0.5), true, "30.04.2003 23:59:44"},
      // A negative step against a forward clock is never carried: the time goes below zero.
      {"01.05.2003", 0.0, Unit(U::Minutes, -90), false, "01.05.2003 -01:30:00"},
      {"01.01.2000", 12.5, Unit(U::Day), true, "31.12.1999 12:30:00"},
      {"20.03.2003", 1.0, Unit(U::Week), false, "27.03.2003 01:00:00"},
      {"27.03.2003", 1.0, Unit(U::Month), false, "26.04.2003 01:00:00"},  // thirty days
      {"26.04.2003", 1.0, Unit(U::Month), true, "27.03.2003 01:00:00"},
      // The year keeps day and month, even the 29 February; after a stellium it is 365 days.
      {"29.02.2024", 3.0, Unit(U::Year), false, "29.02.2025 03:00:00"},
      {"29.02.2024", 3.0, Unit(U::Year), true, "29.02.2023 03:00:00"},
      {"01.03.2023", 3.0, Unit(U::Year), false, "29.02.2024 03:00:00", YearStepKind::Days365},
      // The edges of the years 1 to 9999.
      {"31.12.9999", 23.9999, Unit(U::Day), false, nullptr},
      {"31.12.9999", 23.9999, Unit(U::Seconds), false, nullptr},
      {"31.12.9999", 23.9999, Unit(U::Seconds), true, "31.12.9999 23:59:58"},
      {"01.01.0001", 0.0, Unit(U::Seconds), true, nullptr},
      {"01.01.0001", 0.0, Unit(U::Year), true, nullptr},
      {"01.01.0001", 0.0, Unit(U::Month), false, "31.01.0001 00:00:00"},
      // The minutes unit counts the day its time of day has reached.
      {"30.12.9999", 30.0, Unit(U::Minutes, 1500), false, nullptr},
      // A date read from a damaged file lies outside and does not move.
      {"ab.cd.efgh", 1.0, Unit(U::Day), false, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.date) + " " + std::to_string(int(c.clock.unit)));
    Chart chart = ChartAt(QString::fromLatin1(c.date), c.hours);
    EXPECT_EQ(StepMoment(chart, c.clock, c.backwards, c.year), c.reached != nullptr);
    if (!c.reached) {
      EXPECT_EQ(chart.texts.dateText + u' ' + QString::number(chart.moment.hours), QString::fromLatin1(c.date) + u' ' + QString::number(c.hours));
      continue;
    }
    EXPECT_EQ(chart.texts.dateText + u' ' + ShownClock(chart.moment.hours), QString::fromLatin1(c.reached));
    EXPECT_EQ(chart.moment.year, QString::fromLatin1(c.reached).mid(6, 4).toInt());
  }
  // Tempo 20 with a one-year step: 20 ticks a second for hours on end.
  Chart chart = ChartAt(QStringLiteral("05.12.2026"), 10.0);
  int steps = 0;
  while (steps < 100000 && StepMoment(chart, Unit(U::Year), false)) ++steps;
  EXPECT_EQ(steps, 9999 - 2026);
  EXPECT_EQ(chart.texts.dateText, QStringLiteral("05.12.9999"));
}

TEST(ClockStepTest, IntervalLabels) {
  const std::pair<ClockState, const char*> labels[] = {
      {Unit(U::Seconds), "Sek/Takt:1"}, {Unit(U::Minutes, 0.5), "Min/Takt:0"}, {Unit(U::Minutes, -2.5), "Min/Takt:-2"},
      {Unit(U::Week), "1 Woche"}};
  for (const auto& [clock, label] : labels) EXPECT_EQ(IntervalLabel(clock), label);
}

TEST(IntervalInputTest, OnlyMinutesAboveZeroSetTheUnitAndCloseTheDialog) {
  // Signs, digits and one point; what is no clean number counts as 0.
  const std::pair<const char*, std::optional<double>> cases[] = {
      {"1500", 1500.0}, {".25", 0.25}, {"+2.", 2.0}, {"0", 0.0}, {"-30", -30.0}, {"", {}}, {"12a", {}},
      {"1e5", {}},      {"inf", {}},   {" 5", {}},   {"1,5", {}}, {"--1", {}},    {".", {}}};
  for (const auto& [text, minutes] : cases) {
    ClockState clock;
    clock.unit = IntervalUnit::Week;
    const auto result = AcceptIntervalText(QString::fromLatin1(text), clock);
    EXPECT_EQ(result.cleanNumber, minutes.has_value()) << text;
    EXPECT_EQ(clock.intervalMinutes, minutes.value_or(0.0)) << text;
    EXPECT_EQ(result.closeDialog, minutes > 0.0) << text;
    EXPECT_EQ(clock.unit, result.closeDialog ? IntervalUnit::Minutes : IntervalUnit::Week) << text;
  }
  ClockState clock;  // longer than the field allows and too large for a double: refused, not infinite
  EXPECT_FALSE(AcceptIntervalText(QString(400, u'9'), clock).cleanNumber);
  EXPECT_EQ(clock.intervalMinutes, 0.0);
}

// Written at close and read at the next start: main_window_test.cpp; here the damaged
// files and the times past the day.
TEST(StateFileTest, DamagedFilesAreReadFieldByFieldWithoutFailing) {
  // Empty: four empty texts, every number 0.
  WriteBytes(QStringLiteral("ALT.DAT"), {});
  auto stored = ReadStateFile();
  ASSERT_TRUE(stored);
  Chart chart;
  SetStoredMoment(chart, *stored);
  EXPECT_TRUE(chart.moment.day == 0 && chart.moment.hours == 0.0);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 0.0001);

  // Short, with LF only and no end on the last line; the long first line is cut to 10.
  WriteBytes(QStringLiteral("ALT.DAT"), "05.12.2026 and more\n10:29\n+01");
  stored = ReadStateFile();
  ASSERT_TRUE(stored);
  EXPECT_EQ(stored->dateText, QStringLiteral("05.12.2026"));
  EXPECT_EQ(stored->latitudeText, QString());
  SetStoredMoment(chart, *stored);
  EXPECT_EQ(chart.moment.year, 2026);
  EXPECT_DOUBLE_EQ(chart.moment.hours, 10 + 29 / 60.0);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 1.0001);
  // Any bytes, through start-up, a tick and the close: the fuzz target state_file.

  QFile::remove(QStringLiteral("ALT.DAT"));
  QString error;
  EXPECT_FALSE(ReadStateFile(&error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(StateFileTest, TimesBeyondTheDayAreCarriedIntoTheDate) {
  const struct {
    const char* date;
    double hours;
    const char* storedDate;
    double storedHours;
  } cases[] = {
      {"15.01.2026", 24.0, "16.01.2026", 0.0},   // 14 ticks of 1500 minutes from 10:00 on 01.01.
      {"30.12.2026", 125.5, "04.01.2027", 5.5},  // five days and 5:30, across the year's end
      {"01.03.2024", -1.25, "29.02.2024", 22.75},
      {"29.02.2025", 30.0, "02.03.2025", 6.0},    // a 29 February of a common year counts on as 1 March
      {"29.02.2025", 23.5, "29.02.2025", 23.5}};  // within the day nothing changes
  for (const auto& c : cases) {
    const StorableMoment stored = MomentForStorage(ChartAt(QString::fromLatin1(c.date), c.hours));
    EXPECT_EQ(stored.dateText, QString::fromLatin1(c.storedDate)) << c.date << " " << c.hours;
    EXPECT_DOUBLE_EQ(stored.hours, c.storedHours) << c.date << " " << c.hours;
  }
  const QStringList lines = StateFileLines(ChartAt(QStringLiteral("31.12.2026"), 99.75));
  EXPECT_EQ(lines.mid(0, 2), (QStringList{QStringLiteral("04.01.2027"), QStringLiteral("03:45:00")}));
}

}  // namespace
}  // namespace gyrolux
