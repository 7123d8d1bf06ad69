// The two search dialogs driven by keys and clicks: their checks, a search that hits, one
// that runs out and one that is aborted. The checks' rules are the logic's
// (search_logic_test.cpp); here the messages, the focus and the search run.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "dialogs/search_dialog.h"
#include "dialogs/search_session.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;
using testing::Key;
using testing::Type;

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
