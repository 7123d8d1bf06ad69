// The Radix window driven as a user drives it: a chart entered with the atlas, saved,
// duplicated, the repeated hour chosen, one deleted after the question, one loaded as
// radix and remembered for the next run.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

#include "platform/scripted_prompter.h"
#include "radix/radix_settings.h"
#include "radix/radix_window.h"
#include "session/session.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Button;
using testing::Child;

TEST(RadixWindow, EnterSaveDuplicateDeleteAndLoad) {
  qputenv("GYROLUX_CHARTS", (QDir::currentPath() + QStringLiteral("/charts.sqlite")).toUtf8());
  qputenv("XDG_CONFIG_HOME", (QDir::currentPath() + QStringLiteral("/config")).toUtf8());
  ScriptedPrompter prompter;
  Session session{prompter};
  RadixWindow window(session);
  bool loaded = false;
  window.onRadixLoaded = [&] { loaded = true; };
  const auto field = [&](const char* name) { return Child<QLineEdit>(&window, name); };
  auto* list = Child<QListWidget>(&window, "radixList");
  auto* label = Child<QLabel>(&window, "worldTimeLabel");
  const bool stillOpen = testing::RunWindow(window, [&] {
    field("nameField")->setText(QStringLiteral("Anna"));
    field("dateField")->setText(QStringLiteral("01.07.1980"));
    field("timeField")->setText(QStringLiteral("12:00:30"));
    QTest::keyClicks(field("placeField"), QStringLiteral("Koln"));
    auto* atlas = Child<QListWidget>(&window, "atlasList");
    ASSERT_TRUE(atlas->isVisible());
    EXPECT_TRUE(atlas->item(0)->text().startsWith(QStringLiteral("Köln (Nordrhein-Westfalen, Deutschland)")));
    atlas->setCurrentRow(0);
    emit atlas->itemActivated(atlas->item(0));
    EXPECT_FALSE(atlas->isVisible());
    EXPECT_EQ(field("zoneField")->text(), QStringLiteral("Europe/Berlin"));
    EXPECT_EQ(field("countryField")->text(), QStringLiteral("Deutschland"));
    EXPECT_TRUE(label->text().contains(QStringLiteral("01.07.1980 10:00:30"))) << label->text().toStdString();
    EXPECT_TRUE(label->text().contains(QStringLiteral("+02:00")));
    const QStringList factors = Child<QPlainTextEdit>(&window, "factorsText")->toPlainText().split(u'\n');
    ASSERT_EQ(factors.size(), 25);
    EXPECT_TRUE(factors[2].startsWith(QStringLiteral("  MC  "))) << factors[2].toStdString();

    Button(&window, "saveButton")->click();
    Button(&window, "duplicateButton")->click();
    EXPECT_EQ(field("nameField")->text(), QStringLiteral("Anna (Kopie)"));
    field("dateField")->setText(QStringLiteral("28.09.1980"));
    field("timeField")->setText(QStringLiteral("02:30:00"));
    EXPECT_TRUE(label->text().contains(QStringLiteral("zweimal"))) << label->text().toStdString();
    Child<QComboBox>(&window, "foldBox")->setCurrentIndex(2);
    EXPECT_TRUE(label->text().contains(QStringLiteral("28.09.1980 01:30:00"))) << label->text().toStdString();
    Button(&window, "saveButton")->click();
    ASSERT_EQ(list->count(), 2);
    EXPECT_TRUE(prompter.shown().empty());

    list->setCurrentRow(1);
    EXPECT_EQ(Child<QComboBox>(&window, "foldBox")->currentIndex(), 2);
    prompter.answerQuestion(true);
    Button(&window, "deleteButton")->click();
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(prompter.takeShown().front().text, QStringLiteral("„Anna (Kopie)“ aus der Radix-Kartei löschen?"));

    Child<QLineEdit>(&window, "radixSearchField")->setText(QStringLiteral("ann"));
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    Button(&window, "loadButton")->click();
  });
  EXPECT_FALSE(stillOpen);
  EXPECT_TRUE(loaded);
  ASSERT_TRUE(session.radix);
  EXPECT_EQ(session.radix->name, QStringLiteral("Anna"));
  EXPECT_EQ(session.radix->chart.moment.hours, 10.0 + 30 / 3600.0);
  QString error;
  const std::optional<LoadedRadix> remembered = LoadRememberedRadix(error);
  ASSERT_TRUE(remembered) << error.toStdString();
  EXPECT_EQ(remembered->chart.state.factorLongitude, session.radix->chart.state.factorLongitude);
  qunsetenv("GYROLUX_CHARTS");
  qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace gyrolux
