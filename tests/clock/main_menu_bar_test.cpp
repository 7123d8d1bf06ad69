// The menu bar above the main window's defined content: the window grows by the bar's
// height, the defined content keeps its positions below it, the Radix menu and the loaded
// radix's name, and the sky's while it is not the model.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

#include "ephemeris/ephemeris_choice.h"
#include "tests/clock/started_clock.h"

namespace gyrolux {
namespace {

using namespace testing;

TEST(MainMenuBar, AboveTheDefinedContentWithTheRadixMenu) {
  qputenv("XDG_CONFIG_HOME", (QDir::currentPath() + QStringLiteral("/config")).toUtf8());
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  auto* bar = clock.widget<QMenuBar>("mainMenuBar");
  auto* content = clock.widget<QWidget>("mainContent");
  ASSERT_GT(bar->height(), 0);
  EXPECT_EQ(bar->geometry().topLeft(), QPoint(0, 0));
  EXPECT_EQ(content->geometry().topLeft(), QPoint(0, bar->height()));
  EXPECT_EQ(clock.window->height(), clock.window->controller().state().windowHeight + bar->height());
  // The defined places, now within the content below the bar.
  EXPECT_EQ(clock.widget<QWidget>("dialView")->geometry(), QRect(0, 0, 520, 525));
  EXPECT_EQ(clock.widget<QWidget>("dialView")->parentWidget(), content);
  auto* menu = clock.widget<QMenu>("radixMenu");
  QStringList entries;
  for (QAction* action : menu->actions()) entries << action->text();
  EXPECT_EQ(entries, (QStringList{QStringLiteral("Radix-Kartei \u2026"), QStringLiteral("Radix ausblenden")}));
  // Without a radix nothing to hide and no name.
  EXPECT_FALSE(clock.window->findChild<QAction*>(QStringLiteral("hideRadixAction"))->isEnabled());
  EXPECT_TRUE(clock.widget<QLabel>("radixNameLabel")->text().isEmpty());
  // The sky is named beside the radix only while it is not the model.
  EXPECT_TRUE(clock.widget<QLabel>("ephemerisLabel")->isHidden());
  SaveEphemerisChoice(Ephemeris::Swiss);
  StartedClock modern(Moment(5, 12, 2026, 10, 29, 50));
  SaveEphemerisChoice(Ephemeris::Model);
  EXPECT_FALSE(modern.widget<QLabel>("ephemerisLabel")->isHidden());
  EXPECT_EQ(modern.widget<QLabel>("ephemerisLabel")->text(), QStringLiteral("Ephemeride: Swiss Ephemeris"));
  qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace gyrolux
