// The settings window chooses the sky: the run's chart follows at once, the choice is kept
// for the next start, and the modern sky is refused beyond its years.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>

#include "dialogs/ephemeris_setting.h"
#include "dialogs/settings_window.h"
#include "ephemeris/ephemeris_choice.h"
#include "ephemeris/swiss_sky.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;

TEST(SettingsWindow, ChoosesTheSkyKeepsItAndRefusesYearsBeyondTheLibrary) {
  QStandardPaths::setTestModeEnabled(true);  // the settings in a test folder
  SaveEphemerisChoice(Ephemeris::Model);
  InstallSwissSky();
  ScriptedPrompter prompter;
  Session session{prompter};
  session.chart = testing::ChartOn(5, 12, 2026, testing::kMorning);
  RecomputeChart(session.chart);
  const double modelPluto = session.chart.state.factorLongitude[PL];
  SettingsWindow window(session);
  int changes = 0;
  window.onEphemerisChanged = [&] { ++changes; };
  const auto choose = [&](const char* button) {
    Child<QRadioButton>(&window, button)->click();
    Child<QPushButton>(&window, "okButton")->click();
  };

  EXPECT_FALSE(testing::RunWindow(window, [&] { choose("swissEphemerisButton"); }));
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(session.chart.moment.ephemeris, Ephemeris::Swiss);
  EXPECT_EQ(LoadEphemerisChoice(), Ephemeris::Swiss);
  EXPECT_EQ(EphemerisIndicator(session), QStringLiteral("Ephemeride: Swiss Ephemeris"));
  // The chart was recomputed in the modern sky: Pluto a few arc minutes from the model's.
  EXPECT_GT(std::fabs(session.chart.state.factorLongitude[PL] - modelPluto), 1.0 / 60.0);

  // Back to the model; then, in 3001, the modern sky is refused and the window stays open.
  EXPECT_FALSE(testing::RunWindow(window, [&] { choose("modelEphemerisButton"); }));
  EXPECT_EQ(LoadEphemerisChoice(), Ephemeris::Model);
  EXPECT_TRUE(EphemerisIndicator(session).isEmpty());
  session.chart.moment.year = 3001;
  EXPECT_TRUE(testing::RunWindow(window, [&] { choose("swissEphemerisButton"); }));
  EXPECT_EQ(testing::TakeTexts(prompter), QStringList{SwissRangeMessage(3001)});
  EXPECT_EQ(session.chart.moment.ephemeris, Ephemeris::Model);
  EXPECT_EQ(changes, 2);
}

}  // namespace
}  // namespace gyrolux
