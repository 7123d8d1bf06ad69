// The date, time and place dialog and the two search dialogs driven by keys and clicks
// as a user drives them. The checks' rules and edge cases are the logic's
// (dialogs_logic_test.cpp); here each check shows its message and puts the focus back, the
// fields move on by themselves, and a search hits, runs out or is aborted.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "dialogs/moment_dialog.h"
#include "dialogs/search_dialog.h"
#include "dialogs/search_session.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/charts.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;
using testing::Key;
using testing::Type;

const QString kHamburg = QStringLiteral("Hamburg (D)").leftJustified(33) + "53 33 00 N  009 59 00 E";
const QString kBroken = QStringLiteral("Kaputt").leftJustified(33) + "5  33 00 N  009 59 00 E";

struct DialogRun {
  explicit DialogRun(bool placesFile = true) {
    session.chart = testing::ChartOn(5, 12, 2026, testing::kMorning);
    session.chart.texts.timeText = QStringLiteral("10:29:50");
    session.chart.moment.longitude = 10.0001;
    session.chart.moment.latitude = 50.0001;
    session.flags.placesFilePresent = placesFile;
    if (placesFile) session.places.lines = {QStringLiteral("Aachen (D)"), kHamburg, kBroken};
  }
  bool run(const std::function<void()>& act) { return testing::RunWindow(dialog, act); }
  QLineEdit* field(MomentField which) const { return Child<QLineEdit>(&dialog, LayoutOf(which).objectName); }
  void retype(MomentField which) {
    field(which)->setFocus();
    field(which)->selectAll();
  }
  QListWidget* list() const { return Child<QListWidget>(&dialog, "placesList"); }
  bool focusIn(MomentField which) const { return QApplication::focusWidget() == field(which); }
  QStringList errors() { return testing::TakeTexts(prompter); }

  ScriptedPrompter prompter;
  Session session{prompter};
  MomentDialog dialog{session};
};

TEST(MomentDialog, ActivationAndAWholeMomentTyped) {
  DialogRun d;
  EXPECT_FALSE(d.run([&] {
    EXPECT_EQ(d.dialog.windowTitle(), QStringLiteral("                    Datum / Zeit / Ort "));
    // The fields as the moment's texts give them; the day's text selected for typing over.
    EXPECT_TRUE(d.focusIn(MomentField::Day));
    EXPECT_EQ(d.field(MomentField::Day)->selectedText(), QStringLiteral("05"));
    EXPECT_EQ(d.field(MomentField::LongitudeDegrees)->text(), QStringLiteral("010"));
    EXPECT_FALSE(d.list()->isVisible());
    EXPECT_TRUE(Child<QLabel>(&d.dialog, "escLabel")->isVisible());
    // Each full field moves on; the full minutes fill the list but keep the focus.
    Type(QStringLiteral("24122030"));
    EXPECT_FALSE(Child<QLabel>(&d.dialog, "escLabel")->isVisible());
    EXPECT_TRUE(d.focusIn(MomentField::Hour));
    Type(QStringLiteral("1305"));
    EXPECT_TRUE(d.focusIn(MomentField::Minute));
    ASSERT_EQ(d.list()->count(), 3);
    EXPECT_EQ(d.list()->item(1)->text(), QStringLiteral("Hamburg (D)").leftJustified(33));
    EXPECT_FALSE(d.list()->isVisible());
    // Enter leaves the minutes: the time is taken and the list with its note shown.
    Key(Qt::Key_Return);
    EXPECT_TRUE(d.list()->isVisible() && Child<QPlainTextEdit>(&d.dialog, "placesNote")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), d.list());
    EXPECT_EQ(d.session.chart.texts.timeText, QStringLiteral("13:05:00"));
    d.retype(MomentField::LongitudeSign);
    Type(QStringLiteral("-01030"));
    EXPECT_TRUE(d.focusIn(MomentField::LatitudeSign));
    d.field(MomentField::LatitudeSign)->selectAll();
    // The second latitude digit closes the dialog with the valid latitude.
    Type(QStringLiteral("-0905"));
  }));
  EXPECT_TRUE(d.errors().empty());
  const ChartMoment& m = d.session.chart.moment;
  EXPECT_TRUE(m.day == 24 && m.month == 12 && m.year == 2030);
  EXPECT_DOUBLE_EQ(m.hours, 13 + 5 / 60.0 + 0.0001);
  EXPECT_DOUBLE_EQ(m.longitude, -10.5001);
  EXPECT_DOUBLE_EQ(m.latitude, -(9 + 5 / 60.0 + 0.0001));
  EXPECT_EQ(d.session.chart.texts.latitudeText, QStringLiteral("-09°05'"));
}

TEST(MomentDialog, EachRefusedGroupShowsItsMessageAndTakesTheFocusBack) {
  const struct {
    MomentField from;
    const char* typed;
    bool enter;
    const char* message;  // "": refused without a message
    MomentField focus;
  } cases[] = {
      {MomentField::Day, "29021900", false, "Das ist kein gültiges Datum!", MomentField::Day},
      {MomentField::Hour, "2401", true, "Das ist keine gültige Zeit!", MomentField::Hour},
      {MomentField::LongitudeSign, "o", false, "Bitte + für östliche oder - für westliche Länge Breite eingeben",
       MomentField::LongitudeSign},
      {MomentField::LongitudeSign, "+181", false, "", MomentField::LongitudeSign},
      {MomentField::LongitudeSign, "+18001", false, "Das ist keine gültige Länge!", MomentField::LongitudeSign},
      {MomentField::LatitudeSign, "x", false, "Bitte + für nördliche oder - für südliche Breite eingeben",
       MomentField::LatitudeSign},
      {MomentField::LatitudeSign, "+9001", false, "Das ist keine gültige Breite!", MomentField::LatitudeSign},
  };
  DialogRun d;
  EXPECT_TRUE(d.run([&] {
    for (const auto& c : cases) {
      SCOPED_TRACE(c.typed);
      d.retype(c.from);
      Type(QString::fromLatin1(c.typed));
      if (c.enter) Key(Qt::Key_Enter);
      EXPECT_EQ(d.errors(), *c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
      EXPECT_TRUE(d.focusIn(c.focus));
    }
    EXPECT_FALSE(d.list()->isVisible());
    Key(Qt::Key_Escape);  // ESC outside the day field does nothing
  }));
  EXPECT_EQ(d.session.chart.texts.dateText, QStringLiteral("05.12.2026"));
  EXPECT_DOUBLE_EQ(d.session.chart.moment.longitude, 10.0001);
  EXPECT_DOUBLE_EQ(d.session.chart.moment.latitude, 50.0001);
}

TEST(MomentDialog, PickingPlaces) {
  DialogRun d;
  const auto pick = [&d](int row) {
    return d.run([&d, row] {
      Type(QStringLiteral("051220261030"));
      Key(Qt::Key_Return);
      QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {}, d.list()->visualItemRect(d.list()->item(row)).center());
    });
  };
  EXPECT_FALSE(pick(1));
  EXPECT_TRUE(d.errors().empty());
  EXPECT_DOUBLE_EQ(d.session.chart.moment.latitude, 53.55);
  EXPECT_DOUBLE_EQ(d.session.chart.moment.longitude, 9 + 59 / 60.0);
  EXPECT_EQ(d.session.chart.texts.longitudeText, QStringLiteral("+009°59'"));
  // A line whose latitude cannot be read: its message, and the dialog closes all the same
  // with the latitude read back from its text at the activation.
  EXPECT_FALSE(pick(2));
  EXPECT_EQ(d.errors(), QStringList{QStringLiteral("Die Breitenangabe oder deren Position in der Datei-Zeile ist fehlerhaft")});
  EXPECT_DOUBLE_EQ(d.session.chart.moment.latitude, 53 + 33 / 60.0 + 0.0001);
}

TEST(MomentDialog, WithoutPlacesFileTheFullMinutesGoOnToTheLongitude) {
  DialogRun d(/*placesFile=*/false);
  EXPECT_TRUE(d.run([&] {
    d.retype(MomentField::Hour);
    Type(QStringLiteral("0715"));
    EXPECT_TRUE(d.focusIn(MomentField::LongitudeSign));
    EXPECT_EQ(d.list()->count(), 0);
  }));
  EXPECT_EQ(d.session.chart.texts.timeText, QStringLiteral("07:15:00"));
}

const ChartMoment kStart2000 = {1, 1, 2000, 12.0, 13.4001, 52.5001, false, false};

struct SearchRun {
  explicit SearchRun(AlarmKind kind, const ChartMoment& start = kStart2000, const char* dateText = "01.01.2000")
      : dialog(session, kind) {
    session.chart.moment = start;
    session.chart.texts.dateText = QString::fromLatin1(dateText);
  }
  bool run(const std::function<void()>& act) { return testing::RunWindow(dialog, act); }
  QLineEdit* field(const char* name) const { return Child<QLineEdit>(&dialog, name); }
  QString label(const char* name) const { return Child<QLabel>(&dialog, name)->text(); }
  QWidget* focus() const { return QApplication::focusWidget(); }
  QStringList errors() { return testing::TakeTexts(prompter); }
  // Waits for the dialog to close at the end of its search.
  void waitForTheEnd() { EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog.isVisible(); }, 60000)); }
  // The session ended where the plain loop, the reference, stops.
  void expectFoundLikeThePlainLoop(const AlarmQuery& query) {
    const SearchResult reference = PlainAlarmSearch(query, {kStart2000, "01.01.2000"});
    ASSERT_TRUE(reference.found);
    EXPECT_TRUE(session.search.searchFound);
    EXPECT_EQ(session.chart.moment.hours, reference.moment.moment.hours);
    EXPECT_EQ(session.chart.texts.dateText, reference.moment.dateText);
    EXPECT_TRUE(session.search.resultLine.contains(reference.moment.dateText));
    // The place stays, and the chart is the one of the moment found.
    EXPECT_EQ(session.chart.moment.longitude, kStart2000.longitude);
    Chart recomputed = session.chart;
    RecomputeChart(recomputed);
    EXPECT_EQ(session.chart.state.factorLongitude, recomputed.state.factorLongitude);
  }

  ScriptedPrompter prompter;
  Session session{prompter};
  SearchDialog dialog;
};

const QStringList kInvalidPair = {QStringLiteral("Das ist keine gültige Halbsumme!")};

TEST(PictureSearchDialog, PairChecksAndAHit) {
  SearchRun s(AlarmKind::Picture);
  EXPECT_FALSE(s.run([&] {
    EXPECT_EQ(s.dialog.windowTitle(), QStringLiteral("                      Planetenbild-Suche"));
    EXPECT_EQ(s.focus(), s.field("fieldA"));
    EXPECT_FALSE(Child(&s.dialog, "abortButton")->isVisible());
    EXPECT_EQ(s.label("escLabel"), QStringLiteral("  ESC  "));
    // Lower case becomes upper case; an unknown first pair keeps the stored one (MC/MC)
    // and sends the focus back to A.
    Type(QStringLiteral("soxx"));
    EXPECT_EQ(s.field("fieldA")->text(), QStringLiteral("SO"));
    EXPECT_EQ(s.errors(), kInvalidPair);
    EXPECT_EQ(s.focus(), s.field("fieldA"));
    // Leaving A anywhere puts the focus into B.
    s.field("fieldC")->setFocus();
    EXPECT_EQ(s.focus(), s.field("fieldB"));
    s.field("fieldB")->selectAll();
    Type(QStringLiteral("MCjuXX"));
    EXPECT_EQ(std::pair(s.session.search.pairA, s.session.search.pairB), std::pair(int(MC), int(SO)));
    EXPECT_EQ(s.errors(), kInvalidPair);
    EXPECT_EQ(s.focus(), s.field("fieldC"));
    // SO / MC = JU / MA: stored as MC/SO and MA/JU, and the search starts.
    s.field("fieldC")->selectAll();
    Type(QStringLiteral("juma"));
    EXPECT_EQ(s.label("intervalLine"), QStringLiteral("10 Minuten Intervall von 2000 bis max. 2100"));
    EXPECT_TRUE(s.label("escLabel").isEmpty());
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.errors().empty());
  EXPECT_EQ(std::pair(s.session.search.pairC, s.session.search.pairD), std::pair(int(MA), int(JU)));
  s.expectFoundLikeThePlainLoop(PictureQuery(MC, SO, MA, JU));
  EXPECT_TRUE(s.session.search.resultLine.startsWith(QStringLiteral("     MC/SO=MA/JU ")));

  // The fields keep their texts, Enter moves on, and "--" is a name.
  EXPECT_FALSE(s.run([&] {
    EXPECT_EQ(s.field("fieldC")->text(), QStringLiteral("JU"));
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    EXPECT_EQ(s.focus(), s.field("fieldC"));
    Type(QStringLiteral("--MA"));
    s.waitForTheEnd();
  }));
  EXPECT_EQ(std::pair(s.session.search.pairC, s.session.search.pairD), std::pair(int(MA), kFillerAbbrevIndex));
}

TEST(PictureSearchDialog, ACenturyWithoutAHitEndsAfterTheStopYear) {
  SearchRun s(AlarmKind::Picture);
  EXPECT_FALSE(s.run([&] {
    Type(QStringLiteral("CUAPHAKR"));
    s.waitForTheEnd();
  }));
  EXPECT_FALSE(s.session.search.searchFound);
  EXPECT_TRUE(s.session.search.resultLine.isEmpty());
  // One step past the last moment of 2100.
  EXPECT_EQ(s.session.chart.texts.dateText, QStringLiteral("01.01.2101"));
  EXPECT_EQ(s.session.chart.moment.hours, 0.0);
  EXPECT_EQ(s.label("yearLine"), QStringLiteral("Aktuelles Jahr: 2101"));
}

TEST(PictureSearchDialog, AbbruchAppearsAtTheNewYearAndEndsTheSearch) {
  // The plain loop, one full chart per moment, runs long enough to be aborted.
  SearchRun s(AlarmKind::Picture, {31, 12, 2030, 23.5, 13.4001, 52.5001, false, false}, "31.12.2030");
  s.dialog.setSearchFunction(PlainAlarmSearch);
  EXPECT_FALSE(s.run([&] {
    Type(QStringLiteral("CUAPHAKR"));
    QWidget* abort = Child(&s.dialog, "abortButton");
    ASSERT_TRUE(QTest::qWaitFor([&] { return abort->isVisible(); }, 10000));
    EXPECT_EQ(s.focus(), abort);
    EXPECT_EQ(s.label("intervalLine"), QStringLiteral("10 Minuten Intervall von 2030 bis max. 2130"));
    EXPECT_TRUE(s.label("yearLine").startsWith(QStringLiteral("Aktuelles Jahr: 20")));
    // ESC does not stop a running search.
    Key(Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_TRUE(s.dialog.isVisible());
    QTest::mouseClick(abort, Qt::LeftButton);
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.session.search.searchAbort);
  EXPECT_FALSE(s.session.search.searchFound);
  EXPECT_GE(s.session.chart.moment.year, 2031);
}

TEST(MidpointSearchDialog, AngleChecksTheOrbAndAHit) {
  SearchRun s(AlarmKind::MidpointAngle);
  EXPECT_FALSE(s.run([&] {
    EXPECT_EQ(s.dialog.windowTitle(), QStringLiteral("                    Halbsummen-Suche"));
    Type(QStringLiteral("soxx"));
    EXPECT_EQ(s.errors(), kInvalidPair);
    EXPECT_EQ(s.focus(), s.field("factor1Field"));
    Type(QStringLiteral("JUMO"));
    EXPECT_EQ(s.focus(), s.field("degreesField"));
    // Degrees 23: the message with the focus on the degrees, no search.
    Type(QStringLiteral("2300"));
    EXPECT_EQ(s.errors(), QStringList{QStringLiteral("Das ist kein gültiger Gradwert!")});
    EXPECT_EQ(s.focus(), s.field("degreesField"));
    EXPECT_EQ(s.session.pictureOrb, kPictureOrb);
    // One digit and Enter; minutes that are no number keep their case and the focus.
    Type(QStringLiteral("7"));
    Key(Qt::Key_Return);
    Type(QStringLiteral("x"));
    Key(Qt::Key_Return);
    EXPECT_EQ(s.field("minutesField")->text(), QStringLiteral("x"));
    EXPECT_EQ(s.errors(), QStringList{QStringLiteral("Das ist kein gültiger Minutenwert!")});
    EXPECT_EQ(s.focus(), s.field("minutesField"));
    // 7°05' starts the search, with the orb 1.1 from now on.
    s.field("minutesField")->selectAll();
    Type(QStringLiteral("05"));
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.errors().empty());
  EXPECT_EQ(s.session.pictureOrb, kAngleSearchOrb);
  s.expectFoundLikeThePlainLoop(MidpointAngleQuery(MO, JU, 7 + 5 / 60.0));
  EXPECT_TRUE(s.session.search.resultLine.startsWith(QStringLiteral("         MO/JU=")));
  // The first pair of the next picture search is MO/JU.
  EXPECT_EQ(PictureSearchQuery(s.session).factors[0], MO);
  EXPECT_EQ(PictureSearchQuery(s.session).orb, 1.1);
}

}  // namespace
}  // namespace gyrolux
