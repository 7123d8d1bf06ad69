// The main window driven as a user drives it: start-up, the clock's buttons, the scroll
// bar, ticks, the interval dialog, the stellium stop, the state file at close, the title
// picture, the menu bar, and the windows as a keyboard user and a screen reader see them.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "clock/start_up_texts.h"
#include "ephemeris/ephemeris_choice.h"
#include "pictures/axis_strip.h"
#include "pictures/radix_ring.h"
#include "platform/symbol_font.h"
#include "tests/clock/started_clock.h"
#include "tests/test_support/temp_working_dir.h"

namespace gyrolux {
namespace {

using namespace testing;
using Kind = ScriptedPrompter::Kind;

TEST(MainWindowStartUp, WithoutStateFileTheDefaultPlaceAndTheSystemTime) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  EXPECT_EQ(clock.window->windowTitle(), QString(125, u' ') + QStringLiteral("Die Mini-Gyrolux, Version 5.0"));
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Sa, 05.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("10:29:50 WZ/GMT"));
  EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("010°00' E, 50°00' N"));
  EXPECT_FALSE(clock.button(MainButton::LastMoment)->isEnabled());
  // Running at one tick per second, the halted-state commands off, the focus on "&Halt".
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.timer().interval(), 950);
  EXPECT_EQ(clock.text("statusLabel"), QStringLiteral(" Diagramm dreht "));
  EXPECT_FALSE(clock.button(MainButton::Evaluate)->isEnabled());
  EXPECT_EQ(clock.button(MainButton::Halt), clock.window->focusWidget());
  // The stellium question was asked; the wheel and the lists are there.
  EXPECT_EQ(ShownTexts(clock.prompter, Kind::Question), QStringList{StelliumQuestion()});
  ASSERT_TRUE(clock.dial().picture().has_value());
  EXPECT_TRUE(clock.widget<QPlainTextEdit>("moAxisList")->toPlainText().startsWith(QStringLiteral(" MO/MO = ")));
  // Without the symbol font the message; with it, MC as the glyph "a".
  EXPECT_TRUE(ShownTexts(clock.prompter, Kind::Information).contains(SymbolFontMissingMessage()));
  const SymbolFontRegistration font(SourceDir() + QStringLiteral("/resources/Radivuru.TTF"));
  ASSERT_TRUE(font.registered());
  StartedClock withFont(Moment(5, 12, 2026, 10, 29, 50));
  EXPECT_FALSE(ShownTexts(withFont.prompter, Kind::Information).contains(SymbolFontMissingMessage()));
  const auto& ops = withFont.dial().picture()->ops();
  EXPECT_TRUE(std::any_of(ops.begin(), ops.end(), [](const PictureOp& op) {
    return op.text == QStringLiteral("a") && op.font.face == QStringLiteral("RuduzodediRuvedur");
  }));
}

// A damaged file is read field by field (clock_logic_test.cpp); a stored one comes back
// in MainWindowClose below.
TEST(MainWindowStartUp, AStateFileThatIsAPipeOrADeviceCountsAsMissing) {
  // A pipe would block the start for ever, a device would never end.
  const std::function<void()> makers[] = {[] { ASSERT_EQ(mkfifo("ALT.DAT", 0600), 0); },
                                          [] { ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), QStringLiteral("ALT.DAT"))); }};
  for (const auto& make : makers) {
    QFile::remove(QStringLiteral("ALT.DAT"));
    make();
    StartedClock clock(Moment(6, 12, 2026, 8, 0, 0));
    EXPECT_DOUBLE_EQ(clock.session.chart.moment.longitude, 10.0);
    EXPECT_DOUBLE_EQ(clock.session.chart.moment.latitude, 50.0);
    EXPECT_FALSE(clock.button(MainButton::LastMoment)->isEnabled());
    EXPECT_TRUE(clock.running());
  }
}

TEST(MainWindowClose, TheStateFileIsWrittenAtCloseAndItsMomentBroughtBackAtTheNextStart) {
  {
    StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
    clock.window->tick();  // the time written is the clock's, not the start time
    // A folder in the way keeps the window open with one error box; once free it closes.
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("ALT.DAT")));
    clock.window->close();
    EXPECT_TRUE(clock.window->isVisible());
    EXPECT_EQ(Errors(clock.prompter).filter(QStringLiteral("ALT.DAT")).size(), 1);
    ASSERT_TRUE(QDir().rmdir(QStringLiteral("ALT.DAT")));
    clock.window->close();
    EXPECT_FALSE(clock.window->isVisible());
  }
  EXPECT_EQ(ReadBytes(QStringLiteral("ALT.DAT")), QByteArray("05.12.2026\r\n10:29:51\r\n+010\xB0" "00'\r\n+50\xB0" "00'\r\n"));
  WriteBytes(QStringLiteral("ALT.DAT"), "03.04.1999\r\n07:08:09\r\n-008\xB0" "30'\r\n-33\xB0" "45'\r\n");
  StartedClock clock(Moment(6, 12, 2026, 8, 0, 0));
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("So, 06.12.2026"));  // the system's date, the stored place
  EXPECT_DOUBLE_EQ(clock.session.chart.moment.longitude, -8.5001);
  // "&Alt-Datum/Zeit" brings the whole stored moment back and halts the clock.
  clock.click(MainButton::LastMoment);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Sa, 03.04.1999"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("07:08:09 WZ/GMT"));
  EXPECT_EQ(clock.text("placeLabel"), QStringLiteral("008°30' W, 33°45' S"));
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
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("STELLIA.TXT")));
  BasicStartedClock<EventLoopPrompter> clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.prompter.takeShown();  // the boxes of the start-up (a missing places file) are not the command's
  clock.click(MainButton::LastMoment);
  EXPECT_EQ(Errors(clock.prompter).size(), 1);
  EXPECT_EQ(Errors(clock.prompter).filter(QStringLiteral("STELLIA.TXT")).size(), 1);
  EXPECT_EQ(clock.session.chart.moment.hours, 12.0);
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("12:00:00 WZ/GMT"));

  // A tick whose strip cannot be written as dia.wmf: one box for the one tick.
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("dia.wmf")));
  clock.checkBox("linearGraphicBox")->setChecked(true);
  clock.click(MainButton::Halt);
  clock.prompter.takeShown();
  clock.window->tick();
  EXPECT_EQ(Errors(clock.prompter).size(), 1);
  EXPECT_EQ(Errors(clock.prompter).filter(QStringLiteral("dia.wmf")).size(), 1);
}

// The steps themselves are the clock's logic (clock_logic_test.cpp); here the unit chosen
// in the dialog reaches the ticks, and the scroll bar's side their direction.
TEST(MainWindowTicks, TheUnitChosenInTheDialogStepsEachTick) {
  const struct {
    const char* button;  // in the interval dialog, or nullptr for the seconds
    const char* minutes;
    const char* interval;
    int position;
    QDateTime start;
    const char *date, *time;
  } cases[] = {
      {nullptr, nullptr, "Sek/Takt:1", 19, Moment(1, 1, 2027, 0, 0, 0), "Do, 31.12.2026", "23:59:59"},
      {nullptr, "1500", "Min/Takt:1500", 21, Moment(5, 12, 2026, 10, 0, 0), "So, 06.12.2026", "11:00:00"},
      {"monthButton", nullptr, "1 Monat", 19, Moment(8, 5, 2026, 12, 0, 0), "Mi, 08.04.2026", "12:00:00"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.interval);
    StartedClock clock(c.start);
    if (c.button || c.minutes) {
      clock.clickWhileOpen(MainButton::Interval, "intervalDialog", [&c](QDialog& d) {
        if (c.button) Click(&d, c.button);
        if (c.minutes) {
          QTest::keyClicks(Child<QLineEdit>(&d, "minutesField"), QString::fromLatin1(c.minutes));
          QTest::keyClick(Child<QLineEdit>(&d, "minutesField"), Qt::Key_Return);
        }
      });
      EXPECT_FALSE(clock.running());  // the interval command halts
    }
    EXPECT_EQ(clock.text("intervalLabel"), QString::fromLatin1(c.interval));
    clock.tempoBar()->setValue(c.position);
    clock.window->tick();
    EXPECT_EQ(clock.dateLabel(), QString::fromLatin1(c.date));
    EXPECT_EQ(clock.timeLabel(), QString::fromLatin1(c.time) + QStringLiteral(" WZ/GMT"));
  }
}

TEST(MainWindowTempo, TheScrollBarItsKeysAndRealTimeDriveTheTimer) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  const struct {
    int position;
    bool running;
    const char *tempo, *ticks;
    int period;
  } positions[] = {{20, false, "0", "Takte/Sek:0", 950}, {25, true, "5", "Takte/Sek:5", 191},
                   {40, true, "20", "Takte/Sek:20", 47}, {0, true, "-20", "Takte/Sek:20", 47},
                   {17, true, "-3", "Takte/Sek:3", 318}, {20, false, "0", "Takte/Sek:0", 318}};
  for (const auto& p : positions) {
    SCOPED_TRACE(p.position);
    clock.tempoBar()->setValue(p.position);
    EXPECT_EQ(clock.running(), p.running);
    EXPECT_EQ(clock.text("tempoLabel"), QString::fromLatin1(p.tempo));
    EXPECT_EQ(clock.text("ticksLabel"), QString::fromLatin1(p.ticks));
    EXPECT_EQ(clock.session.clock.periodMs, p.period);  // kept while halted
    EXPECT_EQ(clock.text("statusLabel"), p.running ? QStringLiteral(" Diagramm dreht ") : QStringLiteral(" Diagramm steht "));
    EXPECT_EQ(clock.button(MainButton::Halt)->text(), p.running ? QStringLiteral("&Halt") : QStringLiteral("&Weiter"));
    for (MainButton halted : {MainButton::Evaluate, MainButton::PictureSearch, MainButton::Enlarge, MainButton::MidpointSearch})
      EXPECT_EQ(clock.button(halted)->isEnabled(), !p.running);
  }
  // "&Weiter" at tempo 0 puts the bar back to 21.
  clock.click(MainButton::Halt);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.tempoBar()->value(), 21);
  EXPECT_EQ(clock.timer().interval(), 955);
  clock.tempoBar()->setValue(25);
  EXPECT_EQ(clock.timer().interval(), 191);
  QTest::keyClick(clock.tempoBar(), Qt::Key_Left);  // one step left: tempo 4
  EXPECT_EQ(clock.text("tempoLabel"), QStringLiteral("4"));
  EXPECT_EQ(clock.timer().interval(), 238);
  // "&Echtzeit" takes the system's moment: running at 21 it halts, elsewhere it runs at 21.
  clock.tempoBar()->setValue(21);
  clock.now = Moment(7, 12, 2026, 8, 15, 0);
  clock.click(MainButton::RealTime);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.dateLabel(), QStringLiteral("Mo, 07.12.2026"));
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("08:15:00 WZ/GMT"));
  clock.tempoBar()->setValue(25);
  clock.now = Moment(7, 12, 2026, 9, 0, 0);
  clock.click(MainButton::RealTime);
  EXPECT_TRUE(clock.running());
  EXPECT_EQ(clock.tempoBar()->value(), 21);
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("09:00:00 WZ/GMT"));
}

TEST(MainWindowCommands, CoverAboutAndLinearGraphic) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  // The green field covers the turning dial; ticks then draw nothing.
  QTest::mouseClick(clock.widget("bottomPanel"), Qt::LeftButton, {}, QPoint(5, 55));
  EXPECT_TRUE(clock.widget("coverPicture")->isVisible());
  const size_t opsBefore = clock.dial().picture()->ops().size();
  w.tick();
  EXPECT_EQ(clock.dial().picture()->ops().size(), opsBefore);
  // "&Halt" uncovers it; halted, the green field does nothing.
  clock.click(MainButton::Halt);
  QTest::mouseClick(clock.widget("bottomPanel"), Qt::LeftButton, {}, QPoint(5, 55));
  EXPECT_FALSE(clock.widget("coverPicture")->isVisible());

  // The about panel: everything but its own button off, then on again.
  clock.click(MainButton::Halt);
  clock.click(MainButton::About);
  EXPECT_TRUE(clock.widget("aboutPanel")->isVisible());
  EXPECT_FALSE(clock.running());
  EXPECT_FALSE(clock.button(MainButton::Halt)->isEnabled());
  clock.click(MainButton::About);
  EXPECT_FALSE(clock.widget("aboutPanel")->isVisible());
  EXPECT_TRUE(clock.button(MainButton::Halt)->isEnabled());

  // "Linear-Grafik": the strip on green with its option boxes (its dia.wmf and clipboard
  // picture: picture_frames_test.cpp), the wheel again without it.
  clock.checkBox("linearGraphicBox")->setChecked(true);
  EXPECT_EQ(clock.dial().picture()->ops().front().x2, kAxisStripWidth);
  EXPECT_EQ(w.palette().color(QPalette::Window), QColor(clGreen));
  EXPECT_TRUE(clock.checkBox("withTransplutoBox")->isVisible());
  clock.checkBox("linearGraphicBox")->setChecked(false);
  EXPECT_EQ(QGuiApplication::clipboard()->image().size(), QSize(520, 520));
  EXPECT_FALSE(clock.checkBox("withTransplutoBox")->isVisible());
}

// The focus on a button that goes off (here "&Vergrößern ..." when Alt+W restarts the
// clock) must not fall on to "&Datum/Zeit/Ort", which Enter would then open.
TEST(MainWindowCommands, EnterIsTheHaltButtonEvenAfterTheFocusedButtonWentOffAndEscTheAboutButton) {
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  MainWindow& w = *clock.window;
  ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
  auto* list = clock.widget<QPlainTextEdit>("mcAxisList");
  QTest::keyClick(list, Qt::Key_Return);
  EXPECT_FALSE(clock.running());
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_TRUE(clock.widget("aboutPanel")->isVisible());
  QTest::keyClick(list, Qt::Key_Escape);
  EXPECT_FALSE(clock.widget("aboutPanel")->isVisible());
  list->setFocus();
  QTest::keyClick(list, Qt::Key_Enter);
  EXPECT_TRUE(clock.running());
  QTest::keyClick(&w, Qt::Key_Return);
  ASSERT_FALSE(clock.running());
  ASSERT_EQ(w.focusWidget(), clock.button(MainButton::Enlarge));
  // Through the window, where the shortcuts are looked up; a shortcut clicks its button
  // after a short animation.
  QTest::keyClick(w.windowHandle(), Qt::Key_W, Qt::AltModifier);
  ASSERT_TRUE(QTest::qWaitFor([&] { return clock.running(); }, 2000));
  EXPECT_EQ(w.focusWidget(), clock.button(MainButton::Halt));
  QTest::keyClick(w.focusWidget(), Qt::Key_Return);
  EXPECT_FALSE(clock.running());
  // After a window opened by a click on its button, too; it halted and gave the buttons back.
  clock.clickAndEscape(MainButton::Moment);
  EXPECT_EQ(w.focusWidget(), clock.button(MainButton::Halt));
  EXPECT_TRUE(clock.button(MainButton::Evaluate)->isEnabled());
}

// Sun, Mercury, Saturn and Pluto stood together in Capricorn on 12 January 2020.
TEST(MainWindowStellium, StopWithItsExtraStepAndTheFileLine) {
  StartedClock clock(Moment(12, 1, 2020, 12, 0, 0), /*stopAtStellium=*/true);
  EXPECT_FALSE(clock.running());
  EXPECT_EQ(clock.text("searchResultLabel"), QStringLiteral("Stellium: SO=ME=SA=PL"));
  // The labels keep the moment of the stellium; the moment itself is one step on.
  EXPECT_EQ(clock.timeLabel(), QStringLiteral("12:00:00 WZ/GMT"));
  EXPECT_NEAR(clock.session.chart.moment.hours, 12.0 + 1.0 / 3600.0, 1e-9);
  const QList<QByteArray> lines = ReadBytes(QStringLiteral("STELLIA.TXT")).split('\n');
  ASSERT_GE(lines.size(), 2);
  EXPECT_EQ(lines[0], QByteArray("  Stellia:\r"));
  EXPECT_TRUE(lines[1].startsWith("  SO=ME=SA=PL  ") && lines[1].endsWith(" 12.01.2020, 12:00:01\r"));
  // "&Weiter" steps on from there; at close the message about the file.
  clock.click(MainButton::Halt);
  EXPECT_EQ(clock.text("searchResultLabel"), QString());
  clock.tempoBar()->setValue(20);
  clock.window->close();
  EXPECT_EQ(ShownTexts(clock.prompter, Kind::Information).last(),
            QStringLiteral("Die gefundenen Stellia sind gespeichert in STELLIA.TXT  im aktuellen Verzeichnis."));
}

TEST(MainWindowStellium, UnwritableFileAbandonsTheDrawingButTheClockGoesOn) {
  ASSERT_TRUE(QDir().mkdir(QStringLiteral("STELLIA.TXT")));
  StartedClock clock(Moment(12, 1, 2020, 12, 0, 0), /*stopAtStellium=*/false);
  EXPECT_EQ(Errors(clock.prompter).filter(QStringLiteral("STELLIA.TXT")).size(), 1);
  EXPECT_FALSE(clock.dial().picture().has_value());
  EXPECT_TRUE(clock.running());
  // Each drawing with a stellium tries again; once the file can be made it is written.
  ASSERT_TRUE(QDir().rmdir(QStringLiteral("STELLIA.TXT")));
  clock.window->tick();
  EXPECT_TRUE(clock.dial().picture().has_value());
  EXPECT_TRUE(ReadBytes(QStringLiteral("STELLIA.TXT")).startsWith("  Stellia:\r\n  SO=ME=SA=PL  "));
}

// The menu bar above the main window's defined content: the window grows by the bar's
// height, the defined content keeps its positions below it, the menus in their order, the
// event list from the Radix menu, the loaded radix's name and the sky's while it is not the model.
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
  // The event list opens over the clock.
  qputenv("GYROLUX_CHARTS", (QDir::currentPath() + QStringLiteral("/charts.sqlite")).toUtf8());
  const auto opened = WhileOpen("eventListWindow", [](QDialog&) {});
  clock.window->findChild<QAction*>(QStringLiteral("eventListAction"))->trigger();
  EXPECT_TRUE(*opened);
  qunsetenv("GYROLUX_CHARTS");
  // Without a radix nothing to hide and no name.
  auto* hide = clock.window->findChild<QAction*>(QStringLiteral("hideRadixAction"));
  EXPECT_FALSE(hide->isEnabled());
  EXPECT_TRUE(clock.widget<QLabel>("radixNameLabel")->text().isEmpty());
  QStringList menus;
  for (QAction* action : bar->actions()) menus << action->text();
  EXPECT_EQ(menus, (QStringList{QStringLiteral("&Radix"), QStringLiteral("&Grafik"), QStringLiteral("&Extras"),
                                QStringLiteral("&Hilfe")}));
  // The sky is named beside the radix only while it is not the model.
  EXPECT_TRUE(clock.widget<QLabel>("ephemerisLabel")->isHidden());
  SaveEphemerisChoice(Ephemeris::Swiss);
  {
    StartedClock modern(Moment(5, 12, 2026, 10, 29, 50));
    SaveEphemerisChoice(Ephemeris::Model);
    EXPECT_FALSE(modern.widget<QLabel>("ephemerisLabel")->isHidden());
    EXPECT_EQ(modern.widget<QLabel>("ephemerisLabel")->text(), QStringLiteral("Ephemeride: Swiss Ephemeris"));
  }

  // Hiding the radix and showing it again redraws the wheel at once (the clock is halted),
  // and no stellium is logged for the unchanged moment.
  clock.click(MainButton::Halt);
  clock.session.radix = LoadedRadix{QStringLiteral("Probe"), clock.session.chart};
  const auto radixOps = [&clock] {
    const auto& ops = clock.window->controller().state().drawing.picture->ops();
    return std::count_if(ops.begin(), ops.end(), [](const PictureOp& op) { return op.pen.color == kRadixColor; });
  };
  hide->setEnabled(true);
  const QByteArray log = ReadBytes(QStringLiteral("STELLIA.TXT"));
  hide->setChecked(true);
  EXPECT_EQ(radixOps(), 0);
  hide->setChecked(false);
  EXPECT_GT(radixOps(), 21);
  EXPECT_EQ(ReadBytes(QStringLiteral("STELLIA.TXT")), log);
  qunsetenv("XDG_CONFIG_HOME");
}

// The title picture at start-up and its switch.
TEST(TitleWindow, ShownAtStartUpUntilSwitchedOff) {
  // First start: the title picture comes up; "weiter" closes it and leaves no file.
  const auto shown = WhileOpen("titleWindow", [](QDialog& title) { Click(&title, "continueButton"); });
  { StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, /*titleSwitchedOff=*/false); }
  EXPECT_TRUE(*shown);
  EXPECT_TRUE(QDir().entryList(QDir::Files).filter(QStringLiteral("titel"), Qt::CaseInsensitive).isEmpty());
  // The switch writes Titel.dat ("0" and CR LF) and closes the window.
  WhileOpen("titleWindow", [](QDialog& title) { Child<QRadioButton>(&title, "neverAgainButton")->click(); });
  { StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, false); }
  EXPECT_EQ(ReadBytes(QStringLiteral("Titel.dat")), QByteArray("0\r\n"));
  // From now on no title picture: a start with no scripted click returns at once.
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50), false, false);
  EXPECT_TRUE(clock.running());
}

// Under a dark palette (which gave light text on our light colours) every text shown lies
// 60 (of 255) in lightness apart from its ground; the window and every control a user can
// reach have a name for a screen reader.
void ExpectReadableAndNamed(QWidget* window) {
  const auto readable = [](const QWidget* widget, QPalette::ColorRole text, QColor ground) {
    EXPECT_GE(std::abs(widget->palette().color(text).lightness() - ground.lightness()), 60)
        << widget->objectName().toStdString() << ' ' << widget->metaObject()->className();
  };
  QAccessibleInterface* top = QAccessible::queryAccessibleInterface(window);
  ASSERT_NE(top, nullptr);
  EXPECT_FALSE(top->text(QAccessible::Name).trimmed().isEmpty()) << window->objectName().toStdString();
  EXPECT_NE(top->role(), QAccessible::Client) << window->objectName().toStdString();
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisible()) continue;
    if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QPlainTextEdit*>(widget)) {
      readable(widget, QPalette::Text, widget->palette().color(QPalette::Base));
    } else if ((qobject_cast<QLabel*>(widget) && !static_cast<QLabel*>(widget)->text().isEmpty()) ||
               qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget)) {
      const QWidget* ground = widget;
      while (!ground->autoFillBackground() && !ground->isWindow()) ground = ground->parentWidget();
      readable(widget, QPalette::WindowText, ground->palette().color(QPalette::Window));
    }
    if (widget->focusPolicy() & Qt::TabFocus || dynamic_cast<DialView*>(widget)) {
      QAccessibleInterface* control = QAccessible::queryAccessibleInterface(widget);
      ASSERT_NE(control, nullptr);
      EXPECT_FALSE(control->text(QAccessible::Name).trimmed().isEmpty())
          << window->objectName().toStdString() << ": " << widget->objectName().toStdString();
    }
  }
}

TEST(WindowAccess, ADarkPaletteTabAndScreenReadersInTheMainWindowAndEveryWindowItOpens) {
  QApplication::setPalette(QPalette(QColor(55, 55, 55), QColor(45, 45, 45)));  // white on dark grounds
  StartedClock clock(Moment(5, 12, 2026, 10, 29, 50));
  clock.click(MainButton::Halt);
  ExpectReadableAndNamed(clock.window.get());
  EXPECT_EQ(QAccessible::queryAccessibleInterface(clock.window.get())->role(), QAccessible::Window);

  // Tab from the halt button round the window: each control once, the lists passing the
  // focus on (the SO list keeps its text), in the order of the panels.
  const char* const order[] = {"haltButton", "evaluateButton", "pictureSearchButton", "midpointSearchButton",
                               "mcAxisList", "soAxisList", "asAxisList", "moAxisList", "enlargeButton",
                               "aboutButton", "introductionButton", "exitButton", "momentButton",
                               "realTimeButton", "linearGraphicBox", "intervalButton", "tempoScrollBar",
                               "lastMomentButton", "haltButton"};
  const QString soText = clock.widget<QPlainTextEdit>("soAxisList")->toPlainText();
  QStringList expected;  // what is on (no ALT.DAT: no "&Alt-Datum/Zeit")
  for (const char* name : order) {
    const QWidget* widget = clock.widget(name);
    if (widget->isVisible() && widget->isEnabled()) expected << QString::fromLatin1(name);
  }
  clock.window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(clock.window.get()));
  clock.button(MainButton::Halt)->setFocus();
  QStringList visited;
  while (visited.size() < expected.size()) {
    QWidget* focused = clock.window->focusWidget();
    ASSERT_NE(focused, nullptr) << visited.size();
    visited << focused->objectName();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  EXPECT_EQ(visited, expected);
  EXPECT_EQ(clock.widget<QPlainTextEdit>("soAxisList")->toPlainText(), soText);

  const std::pair<MainButton, const char*> windows[] = {
      {MainButton::Moment, "momentDialog"},          {MainButton::Interval, "intervalDialog"},
      {MainButton::Evaluate, "evaluationWindow"},    {MainButton::PictureSearch, "pictureSearchDialog"},
      {MainButton::MidpointSearch, "midpointSearchDialog"}, {MainButton::Enlarge, "enlargedDialWindow"},
      {MainButton::Introduction, "introductionWindow"}};
  for (const auto& [command, name] : windows) {
    EXPECT_TRUE(clock.clickWhileOpen(command, name, [](QDialog& window) { ExpectReadableAndNamed(&window); })) << name;
    clock.prompter.takeShown();
  }
}

}  // namespace
}  // namespace gyrolux
