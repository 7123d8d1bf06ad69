// The date, time and place dialog driven by keys and clicks as a user drives it. The checks'
// rules and edge cases are the logic's (moment_input_test.cpp); here each check shows its
// message and puts the focus back, and the fields move on by themselves.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>

#include "dialogs/moment_dialog.h"
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

}  // namespace
}  // namespace gyrolux
