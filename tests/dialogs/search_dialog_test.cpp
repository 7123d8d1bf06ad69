// The two search dialogs driven by keys and clicks: their checks, a search that hits, one
// that runs out and one that is aborted.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/search_dialog.h"
#include "dialogs/search_session.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

using testing::Child;

struct SearchRun {
  SearchRun(AlarmKind kind, const ChartMoment& start, const char* dateText) : dialog(session, kind) {
    session.chart.moment = start;
    session.chart.texts.dateText = QString::fromLatin1(dateText);
  }

  // Opens the dialog and acts in it; returns whether it was still open afterwards.
  bool run(const std::function<void()>& act) {
    bool stillOpen = false;
    QTimer::singleShot(0, &dialog, [&] {
      EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
      act();
      stillOpen = dialog.isVisible();
      if (stillOpen) dialog.reject();
    });
    dialog.run();
    return stillOpen;
  }

  QLineEdit* field(const char* name) const { return Child<QLineEdit>(&dialog, QString::fromLatin1(name)); }
  QString label(const char* name) const { return Child<QLabel>(&dialog, QString::fromLatin1(name))->text(); }
  QPushButton* abortButton() const { return Child<QPushButton>(&dialog, QStringLiteral("abortButton")); }
  QWidget* focus() const { return QApplication::focusWidget(); }
  // Types into whichever widget has the focus, one key after the other.
  void type(const QString& text) {
    for (QChar c : text) QTest::keyClicks(focus(), QString(c));
  }
  std::vector<QString> errors() {
    std::vector<QString> texts;
    for (const auto& box : prompter.takeShown()) texts.push_back(box.text);
    return texts;
  }
  // Waits for the dialog to close at the end of its search.
  void waitForTheEnd() { EXPECT_TRUE(QTest::qWaitFor([this] { return !dialog.isVisible(); }, 60000)); }

  ScriptedPrompter prompter;
  Session session{prompter};
  SearchDialog dialog;
};

const ChartMoment kStart2000 = {1, 1, 2000, 12.0, 13.4001, 52.5001, false, false};

TEST(PictureSearchDialog, PairChecksAndAHit) {
  SearchRun s(AlarmKind::Picture, kStart2000, "01.01.2000");
  const std::vector<QString> invalid = {QStringLiteral("Das ist keine gültige Halbsumme!")};
  EXPECT_FALSE(s.run([&] {
    EXPECT_EQ(s.dialog.windowTitle(), QStringLiteral("                      Planetenbild-Suche"));
    EXPECT_EQ(s.focus(), s.field("fieldA"));
    EXPECT_FALSE(s.abortButton()->isVisible());
    EXPECT_EQ(s.label("escLabel"), QStringLiteral("  ESC  "));
    // Lower case becomes upper case; an unknown first pair keeps the stored one (MC/MC)
    // and sends the focus back to A.
    s.type(QStringLiteral("soxx"));
    EXPECT_EQ(s.field("fieldA")->text(), QStringLiteral("SO"));
    EXPECT_EQ(s.errors(), invalid);
    EXPECT_EQ(s.focus(), s.field("fieldA"));
    // Leaving A anywhere puts the focus into B.
    s.field("fieldC")->setFocus();
    EXPECT_EQ(s.focus(), s.field("fieldB"));
    s.field("fieldB")->selectAll();
    s.type(QStringLiteral("MCjuXX"));
    EXPECT_EQ(s.session.search.pairA, MC);
    EXPECT_EQ(s.session.search.pairB, SO);
    EXPECT_EQ(s.errors(), invalid);
    EXPECT_EQ(s.focus(), s.field("fieldC"));
    EXPECT_TRUE(s.label("yearLine").isEmpty());
    // SO / MC = JU / MA: stored as MC/SO and MA/JU, and the search starts.
    s.field("fieldC")->selectAll();
    s.type(QStringLiteral("juma"));
    EXPECT_EQ(s.label("intervalLine"), QStringLiteral("10 Minuten Intervall von 2000 bis max. 2100"));
    EXPECT_TRUE(s.label("escLabel").isEmpty());
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.errors().empty());
  EXPECT_EQ(s.session.search.pairC, MA);
  EXPECT_EQ(s.session.search.pairD, JU);
  // The moment of the plain loop, the reference.
  const SearchResult reference = PlainAlarmSearch(PictureQuery(MC, SO, MA, JU), {kStart2000, "01.01.2000"});
  ASSERT_TRUE(reference.found);
  EXPECT_TRUE(s.session.search.searchFound);
  EXPECT_EQ(s.session.chart.moment.hours, reference.moment.moment.hours);
  EXPECT_EQ(s.session.chart.texts.dateText, reference.moment.dateText);
  EXPECT_EQ(s.session.chart.moment.longitude, 13.4001);
  EXPECT_TRUE(s.session.search.resultLine.startsWith(QStringLiteral("     MC/SO=MA/JU ")));
  EXPECT_TRUE(s.session.search.resultLine.contains(QStringLiteral("Datum:") + reference.moment.dateText));

  // The fields keep their texts, Enter moves on, and "--" is a name.
  EXPECT_FALSE(s.run([&] {
    EXPECT_EQ(s.field("fieldC")->text(), QStringLiteral("JU"));
    QTest::keyClick(s.focus(), Qt::Key_Return);
    QTest::keyClick(s.focus(), Qt::Key_Return);
    EXPECT_EQ(s.focus(), s.field("fieldC"));
    s.type(QStringLiteral("--MA"));
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.errors().empty());
  EXPECT_EQ(s.session.search.pairA, MC);
  EXPECT_EQ(s.session.search.pairC, MA);
  EXPECT_EQ(s.session.search.pairD, kFillerAbbrevIndex);
}

TEST(PictureSearchDialog, ACenturyWithoutAHitEndsAfterTheStopYear) {
  SearchRun s(AlarmKind::Picture, kStart2000, "01.01.2000");
  EXPECT_FALSE(s.run([&] {
    s.type(QStringLiteral("CUAPHAKR"));
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
    s.type(QStringLiteral("CUAPHAKR"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.abortButton()->isVisible(); }, 10000));
    EXPECT_EQ(s.focus(), s.abortButton());
    EXPECT_EQ(s.label("intervalLine"), QStringLiteral("10 Minuten Intervall von 2030 bis max. 2130"));
    EXPECT_TRUE(s.label("yearLine").startsWith(QStringLiteral("Aktuelles Jahr: 20")));
    // ESC does not stop a running search.
    QTest::keyClick(s.focus(), Qt::Key_Escape);
    QTest::qWait(50);
    EXPECT_TRUE(s.dialog.isVisible());
    QTest::mouseClick(s.abortButton(), Qt::LeftButton);
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.session.search.searchAbort);
  EXPECT_FALSE(s.session.search.searchFound);
  EXPECT_GE(s.session.chart.moment.year, 2031);
}

TEST(MidpointSearchDialog, AngleChecksTheOrbAndAHit) {
  SearchRun s(AlarmKind::MidpointAngle, kStart2000, "01.01.2000");
  const QString degrees = QStringLiteral("Das ist kein gültiger Gradwert!");
  const QString minutes = QStringLiteral("Das ist kein gültiger Minutenwert!");
  EXPECT_FALSE(s.run([&] {
    EXPECT_EQ(s.dialog.windowTitle(), QStringLiteral("                    Halbsummen-Suche"));
    s.type(QStringLiteral("soxx"));
    EXPECT_EQ(s.errors(), std::vector<QString>{QStringLiteral("Das ist keine gültige Halbsumme!")});
    EXPECT_EQ(s.focus(), s.field("factor1Field"));
    s.type(QStringLiteral("JUMO"));
    EXPECT_EQ(s.focus(), s.field("degreesField"));
    // Degrees 23: the message with the focus on the degrees, no search.
    s.type(QStringLiteral("2300"));
    EXPECT_EQ(s.errors(), std::vector<QString>{degrees});
    EXPECT_EQ(s.focus(), s.field("degreesField"));
    EXPECT_EQ(s.session.pictureOrb, 1.18);
    // One digit and Enter; minutes that are no number keep their case and the focus.
    s.type(QStringLiteral("7"));
    QTest::keyClick(s.focus(), Qt::Key_Return);
    s.type(QStringLiteral("x"));
    QTest::keyClick(s.focus(), Qt::Key_Return);
    EXPECT_EQ(s.field("minutesField")->text(), QStringLiteral("x"));
    EXPECT_EQ(s.errors(), std::vector<QString>{minutes});
    EXPECT_EQ(s.focus(), s.field("minutesField"));
    // 7°05' starts the search, with the orb 1.1 from now on.
    s.field("minutesField")->selectAll();
    s.type(QStringLiteral("05"));
    s.waitForTheEnd();
  }));
  EXPECT_TRUE(s.errors().empty());
  EXPECT_EQ(s.session.pictureOrb, 1.1);
  EXPECT_DOUBLE_EQ(s.session.search.searchAngle, 7 + 5 / 60.0);
  const SearchResult reference =
      PlainAlarmSearch(MidpointAngleQuery(MO, JU, 7 + 5 / 60.0), {kStart2000, "01.01.2000"});
  ASSERT_TRUE(reference.found);
  EXPECT_TRUE(s.session.search.searchFound);
  EXPECT_EQ(s.session.chart.moment.hours, reference.moment.moment.hours);
  EXPECT_EQ(s.session.chart.texts.dateText, reference.moment.dateText);
  EXPECT_TRUE(s.session.search.resultLine.startsWith(QStringLiteral("         MO/JU=")));
  // The first pair of the next picture search is MO/JU.
  EXPECT_EQ(PictureSearchQuery(s.session).factors[0], MO);
  EXPECT_EQ(PictureSearchQuery(s.session).orb, 1.1);
}

}  // namespace
}  // namespace gyrolux
