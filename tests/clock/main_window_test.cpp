// The main window driven as a user drives it: start-up, the clock's buttons, the scroll
// bar, ticks, the interval dialog, the stellium stop and the state file at close.
#include <gtest/gtest.h>

#include <algorithm>

#include <sys/stat.h>

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "clock/start_up_texts.h"
#include "clock/title_window.h"
#include "platform/symbol_font.h"
#include "tests/clock/window_test_support.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

using testing::Moment;
using testing::ShownTexts;
using testing::ReadBytes;
using testing::StartedClock;
using testing::WriteBytes;
using testing::Child;

TEST(MainWindowStartUp, WithoutStateFileTheDefaultPlaceAndTheSystemTime) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  EXPECT_EQ(w.windowTitle(), QString(125, u' ') + QStringLiteral("Die Mini-Gyrolux, Version 5.0"));
  EXPECT_EQ(w.size(), QSize(1023, 588));
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Sa, 05.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("10:29:50 WZ/GMT"));
  EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("010°00' E, 50°00' N"));
  EXPECT_FALSE(clock.button(MainButton::LastMoment)->isEnabled());
  EXPECT_TRUE(clock.button(MainButton::Introduction)->isEnabled());
  // Running at one tick per second, halted-state commands off.
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.timer().interval(), 950);
  EXPECT_EQ(clock.button(MainButton::Halt)->text(), QStringLiteral("&Halt"));
  EXPECT_EQ(clock.label("statusLabel")->text(), QStringLiteral(" Diagramm dreht "));
  EXPECT_FALSE(clock.button(MainButton::Evaluate)->isEnabled());
  EXPECT_FALSE(clock.button(MainButton::Enlarge)->isEnabled());
  EXPECT_EQ(clock.label("intervalLabel")->text(), QStringLiteral("Sek/Takt:1"));
  EXPECT_EQ(clock.label("ticksLabel")->text(), QStringLiteral("Takte/Sek:1"));
  EXPECT_EQ(clock.label("tempoLabel")->text(), QStringLiteral("1"));
  EXPECT_EQ(clock.tempoBar()->value(), 21);
  EXPECT_EQ(clock.button(MainButton::Halt), w.focusWidget());
  // The stellium question was asked; the wheel and the four lists are there.
  EXPECT_EQ(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Question), QStringList{StelliumQuestion()});
  ASSERT_TRUE(clock.dial().picture().has_value());
  EXPECT_EQ(clock.dial().picture()->width(), 520);
  EXPECT_TRUE(clock.axisList("mcAxisList")->toPlainText().startsWith(QStringLiteral(" MC/MC = ")));
  EXPECT_TRUE(clock.axisList("moAxisList")->toPlainText().startsWith(QStringLiteral(" MO/MO = ")));
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(clNavy));
  // The printable page, rounded up to the next hundred above.
  EXPECT_EQ(clock.session.printerPage.width % 100, 0);
  EXPECT_GT(clock.session.printerPage.width, 0);
}

TEST(MainWindowStartUp, SymbolFontChoosesGlyphsOrTheFontMessage) {
  const QString message = SymbolFontMissingMessage();
  {
    StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
    ASSERT_FALSE(clock.session.flags.symbolFontPresent);
    EXPECT_TRUE(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Information).contains(message));
  }
  const SymbolFontRegistration font(testing::SourceDir() + QStringLiteral("/resources/Radivuru.TTF"));
  ASSERT_TRUE(font.registered());
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  EXPECT_TRUE(clock.session.flags.symbolFontPresent);
  EXPECT_FALSE(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Information).contains(message));
  // The wheel writes MC as the glyph "a" of the symbol font.
  const auto& ops = clock.dial().picture()->ops();
  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const PictureOp& op) {
    return op.kind == PictureOp::Kind::Text && op.text == QStringLiteral("a") &&
           op.font.face == QStringLiteral("RuduzodediRuvedur") && op.font.color == clGreen;
  }));
}

TEST(MainWindowStartUp, StateFileWrittenAtCloseAndItsPlaceReadAtTheNextStart) {
  {
    StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
    clock.window->tick();  // the time written is the clock's, not the start time
    clock.window->close();
    EXPECT_FALSE(clock.window->isVisible());
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("ALT.DAT")),
            QByteArray("05.12.2026\r\n10:29:51\r\n+010\xB0" "00'\r\n+50\xB0" "00'\r\n"));

  WriteBytes(QStringLiteral("ALT.DAT"), "03.04.1999\r\n07:08:09\r\n-008\xB0" "30'\r\n-33\xB0" "45'\r\n");
  StartedClock clock(Moment(6, 12, 2026, 8, 0, 0));
  MainWindow& w = *clock.window;
  // The place comes from the file, the date and time from the system clock.
  EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("008°30' W, 33°45' S"));
  EXPECT_DOUBLE_EQ(clock.session.chart.moment.longitude, -8.5001);
  EXPECT_DOUBLE_EQ(clock.session.chart.moment.latitude, -33.7501);
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("So, 06.12.2026"));
  ASSERT_TRUE(clock.button(MainButton::LastMoment)->isEnabled());

  // "&Alt-Datum/Zeit" brings the whole stored moment back and halts the clock.
  clock.click(MainButton::LastMoment);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Sa, 03.04.1999"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("07:08:09 WZ/GMT"));
  EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("008°30' W, 33°45' S"));
}

TEST(MainWindowStartUp, DamagedStateFileIsReadAsFarAsItsDigitsGo) {
  WriteBytes(QStringLiteral("ALT.DAT"), QByteArray("\x00\xFF\r\n", 4) + "x\r\n+01x\xB0" "zz'");
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  // Longitude: one degree and no minutes; the missing latitude line reads as 0.
  EXPECT_DOUBLE_EQ(clock.session.chart.moment.longitude, 1.0001);
  EXPECT_DOUBLE_EQ(clock.session.chart.moment.latitude, 0.0001);
  EXPECT_TRUE(clock.running());
}

TEST(MainWindowStartUp, AStateFileThatIsNoPlainFileCountsAsMissing) {
  // A pipe would block the start for ever, a device would never end.
  ASSERT_EQ(mkfifo("ALT.DAT", 0600), 0);
  {
    StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
    EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("010°00' E, 50°00' N"));
    EXPECT_FALSE(clock.button(MainButton::LastMoment)->isEnabled());
  }
  ASSERT_TRUE(QFile::remove(QStringLiteral("ALT.DAT")));
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("ALT.DAT")));
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  EXPECT_FALSE(clock.button(MainButton::LastMoment)->isEnabled());
}

// Shows its error boxes as a real box does: the events go on while the box is open.
class EventLoopPrompter : public ScriptedPrompter {
 public:
  void error(const QString& text) override {
    ScriptedPrompter::error(text);
    QTest::qWait(1200);  // longer than a tick's period
  }
};

TEST(MainWindowCommands, NoTickRunsWhileACommandShowsItsBox) {
  // "&Alt-Datum/Zeit" restores a moment with a stellium while STELLIA.TXT cannot be
  // written: one error box, and the moment is the stored one, not a tick later.
  WriteBytes(QStringLiteral("ALT.DAT"), "12.01.2020\r\n12:00:00\r\n+010\xB0" "00'\r\n+50\xB0" "00'\r\n");
  WriteBytes(QStringLiteral("Titel.DAT"), "0\r\n");
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("STELLIA.TXT")));
  EventLoopPrompter prompter;
  prompter.answerQuestion(false);
  Session session(prompter);
  session.now = [] { return Moment(5, 12, 2026, 10, 29, 50); };
  MainWindow window(session);
  window.show();
  window.startUp();
  QTest::mouseClick(Child<QPushButton>(&window, MainButtonObjectName(MainButton::LastMoment)), Qt::LeftButton);
  EXPECT_EQ(ShownTexts(prompter, ScriptedPrompter::Kind::Error).size(), 1);
  EXPECT_EQ(session.chart.moment.hours, 12.0);
  EXPECT_EQ(Child<QLabel>(&window, "timeLabel")->text(), QStringLiteral("12:00:00 WZ/GMT"));

  // A tick whose strip cannot be written as dia.wmf: one box for the one tick.
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("dia.wmf")));
  Child<QCheckBox>(&window, "linearGraphicBox")->setChecked(true);
  QTest::mouseClick(Child<QPushButton>(&window, MainButtonObjectName(MainButton::Halt)), Qt::LeftButton);
  prompter.takeShown();
  window.tick();
  EXPECT_EQ(ShownTexts(prompter, ScriptedPrompter::Kind::Error).size(), 1);
}

TEST(MainWindowClose, UnwritableStateFileKeepsTheWindowOpen) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("ALT.DAT")));
  clock.window->close();
  EXPECT_TRUE(clock.window->isVisible());
  EXPECT_EQ(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Error).filter(QStringLiteral("ALT.DAT")).size(), 1);
  // Once the way is free the window closes.
  ASSERT_TRUE(QDir().rmdir(QStringLiteral("ALT.DAT")));
  clock.window->close();
  EXPECT_FALSE(clock.window->isVisible());
}

TEST(MainWindowTicks, SecondsForwardsAndBackwardsAcrossTheYearEnd) {
  StartedClock clock(Moment(31, 12, 2026, 23, 59, 59));
  clock.window->tick();
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Fr, 01.01.2027"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("00:00:00 WZ/GMT"));
  // Position 19: one tick per second backwards.
  clock.tempoBar()->setValue(19);
  EXPECT_EQ(clock.label("tempoLabel")->text(), QStringLiteral("-1"));
  clock.window->tick();
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Do, 31.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("23:59:59 WZ/GMT"));
}

TEST(MainWindowTicks, DayWeekMonthAndYearUnitsKeepTheTimeOfDay) {
  StartedClock clock(Moment(30, 4, 2026, 12, 0, 0));
  clock.withIntervalDialog([](IntervalDialog& d) { QTest::mouseClick(Child<QPushButton>(&d, QStringLiteral("dayButton")), Qt::LeftButton); });
  EXPECT_EQ(clock.label("intervalLabel")->text(), QStringLiteral("1 Tag"));
  EXPECT_FALSE(clock.running());  // the interval command halts; "&Weiter" runs on
  clock.click(MainButton::Halt);
  clock.window->tick();
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Fr, 01.05.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("12:00:00 WZ/GMT"));

  clock.withIntervalDialog([](IntervalDialog& d) { QTest::mouseClick(Child<QPushButton>(&d, QStringLiteral("weekButton")), Qt::LeftButton); });
  EXPECT_EQ(clock.label("intervalLabel")->text(), QStringLiteral("1 Woche"));
  clock.window->tick();  // a week keeps the weekday
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Fr, 08.05.2026"));

  clock.withIntervalDialog([](IntervalDialog& d) { QTest::mouseClick(Child<QPushButton>(&d, QStringLiteral("monthButton")), Qt::LeftButton); });
  EXPECT_EQ(clock.label("intervalLabel")->text(), QStringLiteral("1 Monat"));
  clock.window->tick();  // thirty days: two weekdays on
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("So, 07.06.2026"));
  clock.tempoBar()->setValue(19);
  clock.window->tick();
  clock.window->tick();
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Mi, 08.04.2026"));

  clock.withIntervalDialog([](IntervalDialog& d) { QTest::mouseClick(Child<QPushButton>(&d, QStringLiteral("yearButton")), Qt::LeftButton); });
  EXPECT_EQ(clock.label("intervalLabel")->text(), QStringLiteral("1 Jahr"));
  clock.window->tick();  // backwards still
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Di, 08.04.2025"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("12:00:00 WZ/GMT"));
}

TEST(MainWindowTicks, YearUnitKeepsTheLeapDayAndStopsAtTheLastYear) {
  StartedClock clock(Moment(29, 2, 9976, 6, 0, 0));
  clock.withIntervalDialog([](IntervalDialog& d) { QTest::mouseClick(Child<QPushButton>(&d, QStringLiteral("yearButton")), Qt::LeftButton); });
  clock.tempoBar()->setValue(40);  // tempo 20 runs the clock again
  EXPECT_EQ(clock.timer().interval(), 47);
  clock.window->tick();
  EXPECT_TRUE(clock.dateLabel().endsWith(QStringLiteral("29.02.9977")));
  // Year after year at tempo 20: the clock halts at its last year.
  for (int i = 0; i < 100 && clock.running(); ++i) clock.window->tick();
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.dateLabel().endsWith(QStringLiteral("29.02.9999")));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("06:00:00 WZ/GMT"));
}

TEST(MainWindowTicks, MinutesUnitCarriesOneDayPerTick) {
  StartedClock clock(Moment(5, 12, 2026, 10, 0, 0));
  clock.withIntervalDialog([](IntervalDialog& d) {
    QTest::keyClicks(Child<QLineEdit>(&d, QStringLiteral("minutesField")), QStringLiteral("1500"));
    QTest::keyClick(Child<QLineEdit>(&d, QStringLiteral("minutesField")), Qt::Key_Return);
  });
  EXPECT_EQ(clock.session.clock.unit, IntervalUnit::Minutes);
  EXPECT_EQ(clock.label("intervalLabel")->text(), QStringLiteral("Min/Takt:1500"));
  clock.click(MainButton::Halt);
  clock.window->tick();
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("So, 06.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("11:00:00 WZ/GMT"));
  for (int i = 0; i < 14; ++i) clock.window->tick();
  // The single carry lets the time of day grow past 24 hours; the label says so plainly,
  // and the state file stores the same moment in a form that reads back.
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("25:00:00 WZ/GMT"));
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("So, 20.12.2026"));
  clock.window->close();
  EXPECT_TRUE(ReadBytes(QStringLiteral("ALT.DAT")).startsWith("21.12.2026\r\n01:00:00\r\n"));
}

TEST(MainWindowTempo, ScrollBarHaltsRunsAndSetsThePeriod) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  clock.tempoBar()->setValue(20);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.label("tempoLabel")->text(), QStringLiteral("0"));
  EXPECT_EQ(clock.label("ticksLabel")->text(), QStringLiteral("Takte/Sek:0"));
  EXPECT_EQ(clock.label("statusLabel")->text(), QStringLiteral(" Diagramm steht "));
  EXPECT_EQ(clock.button(MainButton::Halt)->text(), QStringLiteral("&Weiter"));
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  // "&Weiter" at tempo 0 puts the bar back to 21.
  clock.click(MainButton::Halt);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.tempoBar()->value(), 21);
  EXPECT_EQ(clock.label("tempoLabel")->text(), QStringLiteral("1"));
  EXPECT_EQ(clock.timer().interval(), 955);

  clock.tempoBar()->setValue(25);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.timer().interval(), 191);
  EXPECT_EQ(clock.label("ticksLabel")->text(), QStringLiteral("Takte/Sek:5"));
  // The keyboard moves the bar as well: one step left gives tempo 4.
  QTest::keyClick(clock.tempoBar(), Qt::Key_Left);
  EXPECT_EQ(clock.label("tempoLabel")->text(), QStringLiteral("4"));
  EXPECT_EQ(clock.timer().interval(), 238);
  clock.tempoBar()->setValue(0);
  EXPECT_EQ(clock.label("tempoLabel")->text(), QStringLiteral("-20"));
  EXPECT_EQ(clock.timer().interval(), 47);
}

TEST(MainWindowTempo, RealTimeHaltsAtTwentyOneAndRunsFromElsewhere) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  for (int i = 0; i < 3; ++i) w.tick();
  clock.now = Moment(7, 12, 2026, 8, 15, 0);
  clock.click(MainButton::RealTime);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Mo, 07.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("08:15:00 WZ/GMT"));
  EXPECT_EQ(clock.button(MainButton::Halt)->text(), QStringLiteral("&Weiter"));

  clock.tempoBar()->setValue(25);
  clock.now = Moment(7, 12, 2026, 9, 0, 0);
  clock.click(MainButton::RealTime);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.tempoBar()->value(), 21);
  EXPECT_EQ(clock.timer().interval(), 955);
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("09:00:00 WZ/GMT"));
}

TEST(MainWindowCommands, HaltAboutCoverAndLinearGraphic) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  // The green field covers the turning dial; ticks then draw nothing.
  QTest::mouseClick(clock.widget("bottomPanel"), Qt::LeftButton, {}, QPoint(5, 55));
  EXPECT_TRUE(clock.widget("coverPicture")->isVisible());
  EXPECT_FALSE(clock.button(MainButton::Enlarge)->isVisible());
  const size_t opsBefore = clock.dial().picture()->ops().size();
  w.tick();
  EXPECT_EQ(clock.dial().picture()->ops().size(), opsBefore);
  // "&Halt" uncovers it.
  clock.click(MainButton::Halt);
  EXPECT_FALSE(clock.widget("coverPicture")->isVisible());
  EXPECT_TRUE(clock.button(MainButton::Enlarge)->isVisible());
  EXPECT_EQ(w.focusWidget(), clock.button(MainButton::Enlarge));
  EXPECT_TRUE(clock.button(MainButton::PictureSearch)->isEnabled());
  // Halted, the green field does nothing.
  QTest::mouseClick(clock.widget("bottomPanel"), Qt::LeftButton, {}, QPoint(5, 55));
  EXPECT_FALSE(clock.widget("coverPicture")->isVisible());

  // The about panel: everything but its own button off, then on again.
  clock.click(MainButton::Halt);
  clock.click(MainButton::About);
  EXPECT_TRUE(clock.widget("aboutPanel")->isVisible());
  EXPECT_FALSE(clock.running());
  EXPECT_FALSE(clock.button(MainButton::Halt)->isEnabled());
  EXPECT_TRUE(clock.button(MainButton::About)->isEnabled());
  clock.click(MainButton::About);
  EXPECT_FALSE(clock.widget("aboutPanel")->isVisible());
  EXPECT_TRUE(clock.button(MainButton::Halt)->isEnabled());
  EXPECT_FALSE(clock.running());

  // "Linear-Grafik": the strip with its option boxes on green, saved as dia.wmf.
  clock.checkBox("linearGraphicBox")->setChecked(true);
  ASSERT_TRUE(clock.dial().picture().has_value());
  // The strip as recorded goes on the clipboard; the window shows it with what lies
  // right of its frame.
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(460, 525));
  EXPECT_EQ(clock.dial().picture()->ops().front().kind, PictureOp::Kind::Rectangle);
  EXPECT_EQ(clock.dial().picture()->ops().front().x2, 460);
  EXPECT_TRUE(ReadBytes(QStringLiteral("dia.wmf")).startsWith("\xD7\xCD\xC6\x9A"));
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(clGreen));
  EXPECT_TRUE(clock.checkBox("withTransplutoBox")->isVisible());
  EXPECT_EQ(clock.label("statusLabel")->pos(), QPoint(392, 440));
  clock.checkBox("linearGraphicBox")->setChecked(false);
  EXPECT_EQ(clock.dial().picture()->width(), 520);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(520, 520));
  EXPECT_FALSE(clock.checkBox("withTransplutoBox")->isVisible());
  EXPECT_EQ(clock.label("statusLabel")->pos(), QPoint(392, 6));
}

TEST(MainWindowCommands, EnterIsTheHaltButtonAndEscTheAboutButton) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  QTest::keyClick(clock.axisList("mcAxisList"), Qt::Key_Return);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.button(MainButton::Halt)->text(), QStringLiteral("&Weiter"));
  QTest::keyClick(clock.axisList("mcAxisList"), Qt::Key_Escape);
  EXPECT_TRUE(clock.widget("aboutPanel")->isVisible());
  QTest::keyClick(clock.axisList("mcAxisList"), Qt::Key_Escape);
  EXPECT_FALSE(clock.widget("aboutPanel")->isVisible());
  // A focused button takes Enter itself.
  EXPECT_EQ(w.focusWidget(), clock.button(MainButton::About));
  clock.axisList("mcAxisList")->setFocus();
  QTest::keyClick(clock.axisList("mcAxisList"), Qt::Key_Enter);
  EXPECT_TRUE(clock.running());
}

// The focus on a button that goes off (here "&Vergrößern ..." when Alt+W restarts the
// clock) must not fall on to "&Datum/Zeit/Ort", which Enter would then open.
TEST(MainWindowCommands, EnterKeepsHaltingAfterTheFocusedButtonWentOff) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  QTest::keyClick(&w, Qt::Key_Return);
  ASSERT_FALSE(clock.running());
  ASSERT_EQ(w.focusWidget(), clock.button(MainButton::Enlarge));
  // Through the window, where the shortcuts are looked up.
  QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
  // A shortcut clicks its button after a short animation.
  ASSERT_TRUE(QTest::qWaitFor([&] { return clock.running(); }, 2000));
  EXPECT_EQ(w.focusWidget(), clock.button(MainButton::Halt));
  QTest::keyClick(w.focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(clock.running());
  // After a window opened by a click on its button, too.
  clock.clickAndEscape(MainButton::Moment);
  EXPECT_EQ(w.focusWidget(), clock.button(MainButton::Halt));
}

TEST(MainWindowCommands, LaterWindowsOnlyHaltAndReturn) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  clock.clickAndEscape(MainButton::Moment);
  EXPECT_FALSE(clock.running());
  EXPECT_TRUE(clock.button(MainButton::Halt)->isEnabled());
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  clock.click(MainButton::Evaluate);
  EXPECT_TRUE(clock.button(MainButton::Halt)->isEnabled());
  // A search that finds nothing returns to the system time.
  for (int i = 0; i < 5; ++i) w.tick();
  clock.now = Moment(8, 12, 2026, 1, 2, 3);
  clock.clickAndEscape(MainButton::PictureSearch);
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("01:02:03 WZ/GMT"));
  EXPECT_TRUE(clock.button(MainButton::Exit)->isEnabled());
}

// Sun, Mercury, Saturn and Pluto stood together in Capricorn on 12 January 2020.
TEST(MainWindowStellium, StopWithItsExtraStepAndTheFileLine) {
  StartedClock clock(Moment(12, 1, 2020, 12, 0, 0), /*stopAtStellium=*/true);
  MainWindow& w = *clock.window;
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.button(MainButton::Halt)->text(), QStringLiteral("&Weiter"));
  EXPECT_EQ(clock.label("searchResultLabel")->text(), QStringLiteral("Stellium: SO=ME=SA=PL"));
  EXPECT_EQ(clock.label("searchResultLabel")->pos(), QPoint(200, 555));
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
  // The labels keep the moment of the stellium; the moment itself is one step on.
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("12:00:00 WZ/GMT"));
  EXPECT_NEAR(clock.session.chart.moment.hours, 12.0 + 1.0 / 3600.0, 1e-9);
  const QList<QByteArray> lines = ReadBytes(QStringLiteral("STELLIA.TXT")).split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], QByteArray("  Stellia:\r"));
  EXPECT_TRUE(lines[1].startsWith("  SO=ME=SA=PL  "));
  EXPECT_TRUE(lines[1].endsWith(" 12.01.2020, 12:00:01\r"));
  // "&Weiter" steps on from there; at close the message about the file.
  clock.click(MainButton::Halt);
  EXPECT_EQ(clock.label("searchResultLabel")->text(), QString());
  clock.tempoBar()->setValue(20);
  w.close();
  EXPECT_EQ(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Information).last(),
            QStringLiteral("Die gefundenen Stellia sind gespeichert in STELLIA.TXT  im aktuellen Verzeichnis."));
}

TEST(MainWindowStellium, UnwritableFileAbandonsTheDrawingButTheClockGoesOn) {
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("STELLIA.TXT")));
  StartedClock clock(Moment(12, 1, 2020, 12, 0, 0), /*stopAtStellium=*/false);
  MainWindow& w = *clock.window;
  EXPECT_EQ(ShownTexts(clock.prompter, ScriptedPrompter::Kind::Error).filter(QStringLiteral("STELLIA.TXT")).size(), 1);
  EXPECT_FALSE(clock.dial().picture().has_value());
  EXPECT_TRUE(clock.running());
  // Each drawing with a stellium tries again; once the file can be made it is written.
  ASSERT_TRUE(QDir().rmdir(QStringLiteral("STELLIA.TXT")));
  w.tick();
  EXPECT_TRUE(clock.dial().picture().has_value());
  EXPECT_TRUE(ReadBytes(QStringLiteral("STELLIA.TXT")).startsWith("  Stellia:\r\n  SO=ME=SA=PL  "));
  EXPECT_TRUE(clock.running());
}

}  // namespace
}  // namespace gyrolux
