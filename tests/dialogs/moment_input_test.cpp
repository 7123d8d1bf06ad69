// The checks of the date, time and place dialog and the picking of a place, on the chart
// they write.
#include <gtest/gtest.h>

#include "dialogs/moment_input.h"

namespace gyrolux {
namespace {

void SetTexts(Chart& chart, const char* date, const char* time, const char* longitude, const char* latitude) {
  chart.texts.dateText = QString::fromUtf8(date);
  chart.texts.timeText = QString::fromUtf8(time);
  chart.texts.longitudeText = QString::fromUtf8(longitude);
  chart.texts.latitudeText = QString::fromUtf8(latitude);
}

MomentFieldTexts Fields(std::initializer_list<std::pair<MomentField, const char*>> texts) {
  MomentFieldTexts fields;
  for (const auto& [field, text] : texts) fields[static_cast<int>(field)] = QString::fromUtf8(text);
  return fields;
}

// Each check's message and the field it puts the focus in: moment_dialog_test.cpp.
TEST(MomentInputTest, DateCheck) {
  struct Case {
    const char *day, *month, *year;
    bool valid;
  };
  const Case cases[] = {
      {"29", "02", "2000", true},  {"29", "02", "1900", false}, {"31", "04", "2025", false},
      {"01", "01", "1599", false}, {"01", "01", "1600", true},  {"31", "12", "9999", true},
      {"00", "01", "2000", false}, {"01", "13", "2000", false}, {" 5", "1", "2000", true},
      {"5 ", "01", "2000", false},
  };
  for (const Case& c : cases) {
    Chart chart;
    chart.texts.dateText = QStringLiteral("01.01.2001");
    const FieldCheck check = CheckDate(
        Fields({{MomentField::Day, c.day}, {MomentField::Month, c.month}, {MomentField::Year, c.year}}),
        chart);
    SCOPED_TRACE(std::string(c.day) + "." + c.month + "." + c.year);
    EXPECT_EQ(check.passed, c.valid);
    if (c.valid) {
      EXPECT_TRUE(check.message.isEmpty());
    } else {
      EXPECT_EQ(chart.texts.dateText, QStringLiteral("01.01.2001"));
      EXPECT_EQ(chart.moment.year, 0);
    }
  }
}

TEST(MomentInputTest, TimeCheck) {
  struct Case {
    const char *h, *m;
    double hours;  // 0: refused
    const char* text;
  };
  const Case cases[] = {
      {"24", "00", 24.0001, "24:00:00"}, {"13", "05", 13 + 5 / 60.0 + 0.0001, "13:05:00"},
      {"0", "0", 0.0001, "00:00:00"},    {"24", "01", 0, nullptr},
      {"23", "60", 0, nullptr},          {"-1", "00", 0, nullptr},
      {"12", "-0", 12.0001, "12:00:00"}, {"1.", "00", 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.h) + ":" + c.m);
    Chart chart;
    chart.moment.hours = 7.0;
    const MomentFieldTexts fields = Fields({{MomentField::Hour, c.h}, {MomentField::Minute, c.m}});
    const FieldCheck check = CheckTime(fields, true, chart);
    if (c.hours == 0) {
      EXPECT_FALSE(check.passed);
      EXPECT_EQ(chart.moment.hours, 7.0);
      continue;
    }
    EXPECT_TRUE(check.passed);
    EXPECT_EQ(check.focus, MomentField::PlacesList);
    EXPECT_DOUBLE_EQ(chart.moment.hours, c.hours);
    EXPECT_EQ(chart.texts.timeText, QString::fromLatin1(c.text));
  }
}

// The sign checks and a longitude beyond 180 are the window's (moment_dialog_test.cpp).
TEST(MomentInputTest, LatitudeDegreesRefusedWithoutAMessageKeepTheFocus) {
  EXPECT_TRUE(CheckDegrees(MomentField::LatitudeDegrees, QStringLiteral("90")).passed);
  const FieldCheck wide = CheckDegrees(MomentField::LatitudeDegrees, QStringLiteral("91"));
  EXPECT_TRUE(wide.message.isEmpty());
  EXPECT_EQ(wide.focus, MomentField::LatitudeDegrees);
  EXPECT_FALSE(CheckDegrees(MomentField::LatitudeDegrees, QStringLiteral("5 ")).passed);
}

TEST(MomentInputTest, TypedCoordinates) {
  struct Case {
    bool latitude;
    const char *sign, *degrees, *minutes;
    double value;  // 0: refused
    const char* text;
  };
  const Case cases[] = {
      {false, "+", "180", "00", 180.0001, "+180°00'"},
      {false, "+", "180", "01", 0, nullptr},
      {false, "-", "10", "30", -10.5001, "-010°30'"},
      {false, "+", "10", "60", 0, nullptr},
      {false, "+", "x", "00", 0, nullptr},
      {true, "+", "90", "00", 90.0001, "+90°00'"},
      {true, "+", "90", "01", 0, nullptr},
      {true, "-", "5", "7.", -(5 + 7 / 60.0 + 0.0001), "-05°7.'"},
      {true, "+", "-1", "00", 0, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.sign) + c.degrees + "/" + c.minutes);
    Chart chart;
    chart.moment.longitude = chart.moment.latitude = 3.0;
    const FieldCheck check =
        c.latitude ? CheckLatitude(Fields({{MomentField::LatitudeSign, c.sign},
                                           {MomentField::LatitudeDegrees, c.degrees},
                                           {MomentField::LatitudeMinutes, c.minutes}}),
                                   chart)
                   : CheckLongitude(Fields({{MomentField::LongitudeSign, c.sign},
                                            {MomentField::LongitudeDegrees, c.degrees},
                                            {MomentField::LongitudeMinutes, c.minutes}}),
                                    chart);
    const double value = c.latitude ? chart.moment.latitude : chart.moment.longitude;
    if (c.value == 0) {
      EXPECT_FALSE(check.passed);
      EXPECT_EQ(value, 3.0);
      continue;
    }
    EXPECT_TRUE(check.passed);
    // Only a valid latitude closes the dialog.
    EXPECT_EQ(check.closeDialog, c.latitude);
    EXPECT_DOUBLE_EQ(value, c.value);
    EXPECT_EQ(c.latitude ? chart.moment.southLatitude : chart.moment.westLongitude, c.value < 0);
    EXPECT_EQ(c.latitude ? chart.texts.latitudeText : chart.texts.longitudeText, QString::fromUtf8(c.text));
  }
}

// A line of the places file: the name in columns 1-33, then the latitude and the longitude.
QString PlaceLine(const char* coordinates) {
  return QStringLiteral("Hamburg (D)").leftJustified(33) + QString::fromLatin1(coordinates);
}

TEST(MomentInputTest, PickingAPlace) {
  // Lower-case s and w count as south and west; seconds are kept in the numbers. (A
  // northern and eastern place and an unreadable line are picked in moment_dialog_test.cpp,
  // what a line holds is places_file_test.cpp's; here the ranges.)
  Chart chart;
  PlacePick pick = PickPlace(PlaceLine("33 52 30 s  151 12 36 w"), chart);
  EXPECT_TRUE(pick.message.isEmpty());
  EXPECT_DOUBLE_EQ(chart.moment.latitude, -(33 + 52 / 60.0 + 30 / 3600.0));
  EXPECT_DOUBLE_EQ(chart.moment.longitude, -(151 + 12 / 60.0 + 36 / 3600.0));
  EXPECT_TRUE(chart.moment.southLatitude && chart.moment.westLongitude);
  EXPECT_EQ(chart.texts.latitudeText, QStringLiteral("-33°52'"));
  EXPECT_EQ(chart.texts.longitudeText, QStringLiteral("-151°12'"));

  struct Refusal {
    const char* coordinates;
    bool latitudeTaken;
    const char* message;
  };
  const char* latitudeMessage = "Die Breitenangabe oder deren Position in der Datei-Zeile ist fehlerhaft";
  const char* longitudeMessage = "Die Längenangabe oder deren Position in der Datei-Zeile ist fehlerhaft";
  const Refusal refusals[] = {
      {"90 00 01 N  009 59 00 E", false, latitudeMessage},  // beyond the pole
      {"53 33 00 N  181 00 00 E", true, longitudeMessage},  // beyond the date line
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.coordinates);
    Chart after;
    after.moment.latitude = after.moment.longitude = 1.0;
    pick = PickPlace(PlaceLine(r.coordinates), after);
    EXPECT_EQ(pick.message, QString::fromUtf8(r.message));
    EXPECT_DOUBLE_EQ(after.moment.latitude, r.latitudeTaken ? 53.55 : 1.0);
    EXPECT_DOUBLE_EQ(after.moment.longitude, 1.0);
  }
}

TEST(MomentInputTest, ActivationReadsTheCoordinatesBackFromTheirTexts) {
  Chart chart;
  SetTexts(chart, "07.03.1999", "09:05:00", "-009°59'", "-33°52'");
  // A place picked before: its seconds are dropped, 0.0001 is added.
  chart.moment.longitude = -(9 + 59 / 60.0 + 30 / 3600.0);
  chart.moment.latitude = 12.0;
  const MomentFieldTexts fields = ActivateMomentFields(chart);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, -(9 + 59 / 60.0 + 0.0001));
  EXPECT_DOUBLE_EQ(chart.moment.latitude, -(33 + 52 / 60.0 + 0.0001));
  EXPECT_TRUE(chart.moment.westLongitude && chart.moment.southLatitude);
  const MomentFieldTexts expected = {"07", "03", "1999", "09", "05", "-", "009", "59", "-", "33", "52"};
  EXPECT_EQ(fields, expected);

  // Damaged texts count the digits before the first other character.
  SetTexts(chart, "7x.3", "", "+1°", "x");
  const MomentFieldTexts damaged = ActivateMomentFields(chart);
  const MomentFieldTexts expectedDamaged = {"07", "03", "0000", "00", "00", "+", "001", "00", "+", "00", "00"};
  EXPECT_EQ(damaged, expectedDamaged);
  EXPECT_DOUBLE_EQ(chart.moment.longitude, 1.0001);
}

}  // namespace
}  // namespace gyrolux
