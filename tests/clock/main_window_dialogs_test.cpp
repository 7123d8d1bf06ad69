// The main window's commands "&Datum/Zeit/Ort", "&Intervall", "&Pl.-Bild-Suche" and
// "&Halbs.-Suche" with their dialogs, and how the window shows what they leave behind.
#include <gtest/gtest.h>

#include <QLineEdit>

#include "clock/interval_dialog.h"
#include "dialogs/search_dialog.h"
#include "tests/clock/started_clock.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using namespace testing;

// Clicks the command and, once its dialog is open, acts in it; waits for it to close.
void WithDialog(StartedClock& clock, MainButton command, const char* dialogName, const std::function<void(QDialog*)>& act) {
  QTimer::singleShot(0, clock.window.get(), [&clock, dialogName, act] {
    auto* dialog = clock.window->findChild<QDialog*>(QString::fromLatin1(dialogName));
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    act(dialog);
    EXPECT_TRUE(QTest::qWaitFor([dialog] { return !dialog->isVisible(); }, 60000));
  });
  clock.click(command);
}

QColor TextColor(QLabel* label) { return label->palette().color(QPalette::WindowText); }

TEST(MainWindowDialogs, MomentDialogHaltsAndTheNewMomentIsShown) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  ASSERT_TRUE(clock.running());
  // A date and a time kept by ESC in the day field, then a place whose last latitude digit
  // closes the dialog: the labels and the session's place (the prints' "Ort") follow.
  WithDialog(clock, MainButton::Moment, "momentDialog", [](QDialog* dialog) {
    Type(QStringLiteral("241220301305"));
    auto* dayField = Child<QLineEdit>(dialog, "dayField");
    dayField->setFocus();
    QTest::keyClick(dayField, Qt::Key_Escape);
  });
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.dateLabel() + clock.timeLabel(), QStringLiteral("Di, 24.12.203013:05:00 WZ/GMT"));
  WithDialog(clock, MainButton::Moment, "momentDialog", [](QDialog* dialog) {
    Child<QLineEdit>(dialog, "longitudeSignField")->setFocus();
    Child<QLineEdit>(dialog, "longitudeSignField")->selectAll();
    Type(QStringLiteral("-01030-0905"));
  });
  EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("010°30' W, 09°05' S"));
  EXPECT_EQ(clock.session.placeLabel, clock.text("placeLabel"));
  EXPECT_EQ(clock.window->focusWidget(), clock.button(MainButton::Halt));
}

TEST(MainWindowDialogs, PictureSearchHitShownInRedAtOneSecondPerTick) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  // The evaluation window comes up with " " and the result line; ESC closes it.
  QStringList shownLines;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    auto* evaluation = clock.window->findChild<QDialog*>(QStringLiteral("evaluationWindow"));
    if (!evaluation || !evaluation->isVisible()) return;
    shownLines = Child<QPlainTextEdit>(evaluation, "listView")->toPlainText().split(u'\n');
    QTest::keyClick(evaluation, Qt::Key_Escape);
  });
  watcher.start(20);
  const SearchMoment start = {clock.session.chart.moment, clock.session.chart.texts.dateText};
  WithDialog(clock, MainButton::PictureSearch, "pictureSearchDialog", [](QDialog*) { Type(QStringLiteral("SOMOMAJU")); });
  watcher.stop();

  // Where the plain loop stops, as the date and the time of day of a 10-minute mark.
  const SearchResult reference = PlainAlarmSearch(PictureQuery(SO, MO, MA, JU), start);
  ASSERT_TRUE(reference.found);
  const ChartMoment& m = reference.moment.moment;
  ASSERT_NE(m.day, 5) << "the hit should lie past the first midnight";
  const QDate date(m.year, m.month, m.day);
  const QString weekdays[] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};
  const int minutes = static_cast<int>(std::lround(m.hours * 60));
  EXPECT_EQ(clock.dateLabel(), weekdays[date.dayOfWeek() - 1] + ", " + date.toString("dd.MM.yyyy"));
  EXPECT_EQ(clock.timeLabel(), QTime(minutes / 60, minutes % 60).toString("hh:mm:ss") + " WZ/GMT");
  EXPECT_EQ(TextColor(clock.label("dateLabel")), QColor(clRed));
  EXPECT_EQ(TextColor(clock.label("timeLabel")), QColor(clRed));
  ASSERT_EQ(shownLines.size(), 2);
  EXPECT_EQ(shownLines[0], QStringLiteral(" "));
  EXPECT_TRUE(shownLines[1].startsWith(QStringLiteral("     SO/MO=MA/JU ")));
  EXPECT_TRUE(shownLines[1].endsWith(" WZ:" + clock.timeLabel().left(8)));
  // Halted at the moment found, one second per tick.
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.session.chart.moment.hours, m.hours);
  EXPECT_EQ(clock.text("intervalLabel"), QStringLiteral("Sek/Takt:1"));
  EXPECT_EQ(clock.tempoBar()->value(), 21);
  EXPECT_EQ(clock.window->focusWidget(), clock.button(MainButton::Halt));
}

TEST(MainWindowDialogs, SearchLeftWithEscReturnsToRealTime) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  for (int i = 0; i < 3; ++i) clock.window->tick();
  clock.now = Moment(8, 12, 2026, 1, 2, 3);
  clock.clickAndEscape(MainButton::MidpointSearch);
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Di, 08.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("01:02:03 WZ/GMT"));
  EXPECT_EQ(TextColor(clock.label("timeLabel")), QColor(clMaroon));
  EXPECT_TRUE(clock.button(MainButton::Exit)->isEnabled());
  // Left before its check, the midpoint search leaves the orb as it was.
  EXPECT_EQ(clock.session.pictureOrb, kPictureOrb);
}

// The interval dialog as the "&Intervall" command opens it: "0" in the minutes field. Which
// texts are minutes is the logic's (clock_logic_test.cpp); here the field and buttons.
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
