// The event list window driven as a user drives it: a radix of the library, a quarter
// searched beside the window, the table against the search itself with the Berlin winter
// time beside world time, the CSV export and the numbered save; then a century with the
// Moon stopped by "Abbruch".
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTest>

#include "events/event_export.h"
#include "events/event_list_window.h"
#include "events/radix_lists_window.h"
#include "platform/scripted_prompter.h"
#include "platform/text_file.h"
#include "radix/chart_library.h"
#include "radix/radix_chart.h"
#include "session/session.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;

TEST(EventListWindow, SearchesShowsExportsAndStops) {
  qputenv("GYROLUX_CHARTS", (QDir::currentPath() + QStringLiteral("/charts.sqlite")).toUtf8());
  QString error;
  RadixRecord anna;
  anna.name = QStringLiteral("Anna");
  anna.localDate = QDate(1968, 7, 14);
  anna.localTime = QTime(10, 30);
  anna.zone = QStringLiteral("Europe/Berlin");
  anna.longitude = 13.4;
  anna.latitude = 52.5;
  ASSERT_TRUE(ChartLibrary::Open(ChartLibraryPath(), error)->Add(anna, error)) << error.toStdString();

  ScriptedPrompter prompter;
  Session session{prompter};
  EventListWindow window(session);
  const auto field = [&](const char* name) { return Child<QLineEdit>(&window, name); };
  auto* status = Child<QLabel>(&window, "statusLabel");
  auto* table = Child<QTableView>(&window, "eventTable");
  testing::RunWindow(window, [&] {
    EXPECT_EQ(Child<QComboBox>(&window, "radixBox")->currentText(), QStringLiteral("Anna"));
    field("fromField")->setText(QStringLiteral("01.01.2025"));
    field("toField")->setText(QStringLiteral("31.03.2025"));
    Child<QCheckBox>(&window, "kindBox2")->setChecked(true);
    testing::Click(&window, "searchButton");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().endsWith(QStringLiteral("Ereignisse")), 30000);

    // The same search without the window.
    const std::optional<Chart> chart = RadixChart(anna, error);
    EventQuery query;
    query.radix = chart->moment;
    query.radixLongitudes = chart->state.factorLongitude;
    query.from = {1, 1, 2025};
    query.days = 90;
    query.kinds = EventKindBit(EventKind::Transit) | EventKindBit(EventKind::Arc);
    query.moving = DefaultMovingFactors();
    std::vector<RadixEvent> events;
    FindRadixEvents(query, [&](const RadixEvent& e) { events.push_back(e); });
    ASSERT_EQ(table->model()->rowCount(), static_cast<int>(events.size()));
    ASSERT_GT(events.size(), 10u);
    const auto cell = [&](int row, int column) { return table->model()->index(row, column).data().toString(); };
    for (const int row : {0, static_cast<int>(events.size()) - 1}) {
      const EventClock exact = EventClockAt(query, events[row].exact);
      EXPECT_EQ(cell(row, 0), exact.date + u' ' + exact.time);
      // Berlin keeps UTC+1 in winter, UTC+2 from 30.03.2025 01:00 UTC on.
      const QDateTime world = QDateTime::fromString(cell(row, 0), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
      const QDateTime local = QDateTime::fromString(cell(row, 1), QStringLiteral("dd.MM.yyyy HH:mm:ss"));
      EXPECT_EQ(world.secsTo(local), world < QDateTime(QDate(2025, 3, 30), QTime(1, 0)) ? 3600 : 7200);
      EXPECT_EQ(cell(row, 2), PictureText(events[row]));
    }

    prompter.answerSaveFile(QDir::currentPath() + QStringLiteral("/anna.csv"));
    testing::Click(&window, "csvButton");
    const std::optional<QStringList> csv = ReadTextLines(QStringLiteral("anna.csv"));
    ASSERT_TRUE(csv);
    EXPECT_EQ(csv->size(), static_cast<qsizetype>(events.size()) + 1);
    EXPECT_TRUE(csv->at(0).startsWith(QStringLiteral("kind,moving,target,pass")));
    testing::Click(&window, "saveButton");
    const std::optional<QStringList> saved = ReadTextLines(QStringLiteral("EREI-01.TXT"));
    ASSERT_TRUE(saved);
    EXPECT_TRUE(saved->at(1).startsWith(QStringLiteral("Ereignisliste für Anna, 01.01.2025 bis 31.03.2025")));
    EXPECT_EQ(saved->size(), static_cast<qsizetype>(events.size()) + 3);
    EXPECT_TRUE(saved->at(3).endsWith(QStringLiteral("Ortszeit ") + cell(0, 1))) << saved->at(3).toStdString();

    // A century of every kind with the Moon: stopped long before its end.
    field("toField")->setText(QStringLiteral("31.12.2124"));
    Child<QCheckBox>(&window, "factorBoxMO")->setChecked(true);
    Child<QCheckBox>(&window, "kindBox1")->setChecked(true);
    testing::Click(&window, "searchButton");
    EXPECT_FALSE(Child<QPushButton>(&window, "searchButton")->isEnabled());
    testing::Click(&window, "abortButton");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("Abgebrochen")), 20000);
    EXPECT_TRUE(Child<QPushButton>(&window, "searchButton")->isEnabled());
    // Left to run, it ends when the list is full and says so.
    testing::Click(&window, "searchButton");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QStringLiteral("Beendet nach 250000")), 60000);
  });
  const std::vector<ScriptedPrompter::Shown> shown = prompter.takeShown();
  ASSERT_EQ(shown.size(), 3u);  // the export's file dialog, the save's message, the full list
  EXPECT_TRUE(shown[1].text.contains(QStringLiteral("EREI-01.TXT")));
  EXPECT_TRUE(shown[2].text.contains(QStringLiteral("einschränken")));
}

// The lists against the loaded radix show what the list builders give and save them
// numbered; without a radix the window says so and offers none.
TEST(RadixListsWindow, ShowsAndSavesTheListsOfTheLoadedRadix) {
  ScriptedPrompter prompter;
  Session session{prompter};
  {
    RadixListsWindow window(session);
    testing::RunWindow(window, [&] {
      EXPECT_TRUE(Child<QLabel>(&window, "noRadixLabel")->isVisible());
      EXPECT_FALSE(testing::Button(&window, "transitsButton")->isEnabled());
    });
  }
  session.chart.moment = {1, 1, 2025, 12.0, 13.4, 52.5};
  RecomputeChart(session.chart);
  Chart radix;
  radix.moment = {14, 7, 1968, 9.5, 13.4, 52.5};
  radix.texts.dateText = QStringLiteral("14.07.1968");
  RecomputeChart(radix);
  session.radix = LoadedRadix{QStringLiteral("Anna"), radix};
  RadixListsWindow window(session);
  testing::RunWindow(window, [&] {
    testing::Click(&window, "solarArcButton");
    const QStringList shown = Child<QPlainTextEdit>(&window, "listView")->toPlainText().split(u'\n');
    const QStringList built = RadixList(RadixListKind::Sonnenbogen, session.chart, QStringLiteral("Anna"), radix,
                                        session.pictureOrb);
    EXPECT_EQ(shown.mid(0, 6), built.mid(0, 6));
    testing::Click(&window, "saveButton");
    const std::optional<QStringList> saved = ReadTextLines(QStringLiteral("RLST-01.TXT"));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->at(1), built[0]);
  });
  EXPECT_EQ(prompter.takeShown().size(), 1u);
}

}  // namespace
}  // namespace gyrolux
