// The date, time and place dialog driven by keys and clicks as a user drives it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>

#include "dialogs/moment_dialog.h"
#include "platform/scripted_prompter.h"
#include "session/session.h"
#include "tests/test_support/widgets.h"

namespace gyrolux {
namespace {

void SetTexts(Chart& chart, const char* date, const char* time, const char* longitude, const char* latitude) {
  chart.texts.dateText = QString::fromUtf8(date);
  chart.texts.timeText = QString::fromUtf8(time);
  chart.texts.longitudeText = QString::fromUtf8(longitude);
  chart.texts.latitudeText = QString::fromUtf8(latitude);
}

using testing::Child;

const QString kHamburg = QStringLiteral("Hamburg (D)").leftJustified(33) + "53 33 00 N  009 59 00 E";
const QString kBroken = QStringLiteral("Kaputt").leftJustified(33) + "5  33 00 N  009 59 00 E";

struct DialogRun {
  explicit DialogRun(bool placesFile = true) {
    Chart& chart = session.chart;
    SetTexts(chart, "05.12.2026", "10:29:50", "+010°00'", "+50°00'");
    chart.moment = {5, 12, 2026, 10 + 29 / 60.0 + 50 / 3600.0, 10.0001, 50.0001, false, false};
    session.flags.placesFilePresent = placesFile;
    if (placesFile) session.places.lines = {QStringLiteral("Aachen (D)"), kHamburg, kBroken};
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

  QLineEdit* field(MomentField which) const {
    return Child<QLineEdit>(&dialog, QString::fromLatin1(LayoutOf(which).objectName));
  }
  QListWidget* list() const { return Child<QListWidget>(&dialog, QStringLiteral("placesList")); }
  QWidget* focus() const { return QApplication::focusWidget(); }
  bool focusIn(MomentField which) const { return focus() == field(which); }

  // Types into whichever field has the focus, one key after the other.
  void type(const QString& text) {
    for (QChar c : text) QTest::keyClicks(focus(), QString(c));
  }
  void key(Qt::Key k) { QTest::keyClick(focus(), k); }
  std::vector<QString> errors() {
    std::vector<QString> texts;
    for (const auto& box : prompter.takeShown()) texts.push_back(box.text);
    return texts;
  }

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
    EXPECT_EQ(d.field(MomentField::Year)->text(), QStringLiteral("2026"));
    EXPECT_EQ(d.field(MomentField::LongitudeDegrees)->text(), QStringLiteral("010"));
    EXPECT_FALSE(d.list()->isVisible());
    EXPECT_TRUE(Child<QLabel>(&d.dialog, QStringLiteral("escLabel"))->isVisible());

    // Each full field moves on; the full minutes fill the list but keep the focus.
    d.type(QStringLiteral("24122030"));
    EXPECT_FALSE(Child<QLabel>(&d.dialog, QStringLiteral("escLabel"))->isVisible());
    EXPECT_TRUE(d.focusIn(MomentField::Hour));
    d.type(QStringLiteral("1305"));
    EXPECT_TRUE(d.focusIn(MomentField::Minute));
    ASSERT_EQ(d.list()->count(), 3);
    EXPECT_EQ(d.list()->item(1)->text(), QStringLiteral("Hamburg (D)").leftJustified(33));
    EXPECT_FALSE(d.list()->isVisible());
    // Enter leaves the minutes: the time is taken and the list with its note shown.
    d.key(Qt::Key_Return);
    EXPECT_TRUE(d.list()->isVisible());
    EXPECT_TRUE(Child<QPlainTextEdit>(&d.dialog, QStringLiteral("placesNote"))->isVisible());
    EXPECT_EQ(d.focus(), d.list());
    EXPECT_EQ(d.session.chart.texts.dateText, QStringLiteral("24.12.2030"));
    EXPECT_EQ(d.session.chart.texts.timeText, QStringLiteral("13:05:00"));

    d.field(MomentField::LongitudeSign)->setFocus();
    d.field(MomentField::LongitudeSign)->selectAll();
    d.type(QStringLiteral("-01030"));
    EXPECT_TRUE(d.focusIn(MomentField::LatitudeSign));
    EXPECT_EQ(d.session.chart.texts.longitudeText, QStringLiteral("-010°30'"));
    d.field(MomentField::LatitudeSign)->selectAll();
    // The second latitude digit closes the dialog with the valid latitude.
    d.type(QStringLiteral("-0905"));
  }));
  EXPECT_TRUE(d.errors().empty());
  const ChartMoment& m = d.session.chart.moment;
  EXPECT_EQ(m.day, 24);
  EXPECT_EQ(m.month, 12);
  EXPECT_EQ(m.year, 2030);
  EXPECT_DOUBLE_EQ(m.hours, 13 + 5 / 60.0 + 0.0001);
  EXPECT_DOUBLE_EQ(m.longitude, -10.5001);
  EXPECT_DOUBLE_EQ(m.latitude, -(9 + 5 / 60.0 + 0.0001));
  EXPECT_EQ(d.session.chart.texts.latitudeText, QStringLiteral("-09°05'"));
}

TEST(MomentDialog, RefusedGroupsShowTheirMessageAndTakeTheFocusBack) {
  DialogRun d;
  EXPECT_TRUE(d.run([&] {
    d.type(QStringLiteral("31042025"));
    EXPECT_EQ(d.errors(), std::vector<QString>{QStringLiteral("Das ist kein gültiges Datum!")});
    EXPECT_TRUE(d.focusIn(MomentField::Day));
    EXPECT_EQ(d.session.chart.texts.dateText, QStringLiteral("05.12.2026"));

    d.field(MomentField::Hour)->setFocus();
    d.field(MomentField::Hour)->selectAll();
    d.type(QStringLiteral("2401"));
    d.key(Qt::Key_Enter);
    EXPECT_EQ(d.errors(), std::vector<QString>{QStringLiteral("Das ist keine gültige Zeit!")});
    EXPECT_TRUE(d.focusIn(MomentField::Hour));
    EXPECT_FALSE(d.list()->isVisible());

    // A wrong sign, then longitude degrees beyond 180: back to the sign without a message.
    d.field(MomentField::LongitudeSign)->setFocus();
    d.field(MomentField::LongitudeSign)->selectAll();
    d.type(QStringLiteral("o"));
    EXPECT_EQ(d.errors(), std::vector<QString>{QStringLiteral(
                              "Bitte + für östliche oder - für westliche Länge Breite eingeben")});
    EXPECT_TRUE(d.focusIn(MomentField::LongitudeSign));
    d.field(MomentField::LongitudeSign)->selectAll();
    d.type(QStringLiteral("+181"));
    EXPECT_TRUE(d.errors().empty());
    EXPECT_TRUE(d.focusIn(MomentField::LongitudeSign));
    // 180°01' passes the degrees but not the longitude.
    d.field(MomentField::LongitudeSign)->selectAll();
    d.type(QStringLiteral("+18001"));
    EXPECT_EQ(d.errors(), std::vector<QString>{QStringLiteral("Das ist keine gültige Länge!")});
    EXPECT_TRUE(d.focusIn(MomentField::LongitudeSign));
    EXPECT_DOUBLE_EQ(d.session.chart.moment.longitude, 10.0001);

    // ESC outside the day field does nothing.
    d.key(Qt::Key_Escape);
  }));
}

TEST(MomentDialog, EscAfterAValidDateAndTimeKeepsThem) {
  DialogRun d;
  d.session.chart.moment.longitude = 10 + 30 / 3600.0;  // a place picked with seconds
  EXPECT_FALSE(d.run([&] {
    d.type(QStringLiteral("29022000"));
    d.type(QStringLiteral("2400"));
    d.key(Qt::Key_Return);
    d.field(MomentField::Day)->setFocus();
    d.key(Qt::Key_Escape);
  }));
  EXPECT_TRUE(d.errors().empty());
  EXPECT_EQ(d.session.chart.texts.dateText, QStringLiteral("29.02.2000"));
  EXPECT_DOUBLE_EQ(d.session.chart.moment.hours, 24.0001);
  // The activation read the longitude back from its text.
  EXPECT_DOUBLE_EQ(d.session.chart.moment.longitude, 10.0001);
}

TEST(MomentDialog, PickingPlaces) {
  DialogRun d;
  const auto pick = [&d](int row) {
    return d.run([&d, row] {
      d.type(QStringLiteral("05122026"));
      d.type(QStringLiteral("1030"));
      d.key(Qt::Key_Return);
      QListWidgetItem* item = d.list()->item(row);
      QTest::mouseClick(d.list()->viewport(), Qt::LeftButton, {},
                        d.list()->visualItemRect(item).center());
    });
  };
  EXPECT_FALSE(pick(1));
  EXPECT_TRUE(d.errors().empty());
  EXPECT_DOUBLE_EQ(d.session.chart.moment.latitude, 53.55);
  EXPECT_DOUBLE_EQ(d.session.chart.moment.longitude, 9 + 59 / 60.0);
  EXPECT_EQ(d.session.chart.texts.longitudeText, QStringLiteral("+009°59'"));
  EXPECT_EQ(d.field(MomentField::LatitudeDegrees)->text(), QStringLiteral("53"));

  // A line whose latitude cannot be read: its message, and the dialog closes all the same.
  EXPECT_FALSE(pick(2));
  EXPECT_EQ(d.errors(), std::vector<QString>{QStringLiteral(
                            "Die Breitenangabe oder deren Position in der Datei-Zeile ist fehlerhaft")});
  // The latitude read back from its text at the activation stays.
  EXPECT_DOUBLE_EQ(d.session.chart.moment.latitude, 53 + 33 / 60.0 + 0.0001);
}

TEST(MomentDialog, WithoutPlacesFileTheFullMinutesGoOnToTheLongitude) {
  DialogRun d(/*placesFile=*/false);
  EXPECT_TRUE(d.run([&] {
    d.field(MomentField::Hour)->setFocus();
    d.field(MomentField::Hour)->selectAll();
    d.type(QStringLiteral("0715"));
    EXPECT_TRUE(d.focusIn(MomentField::LongitudeSign));
    EXPECT_TRUE(d.list()->isVisible());
    EXPECT_EQ(d.list()->count(), 0);
  }));
  EXPECT_EQ(d.session.chart.texts.timeText, QStringLiteral("07:15:00"));
}

}  // namespace
}  // namespace gyrolux
