#pragma once

#include <array>
#include <optional>

#include <QString>

#include "engine/chart.h"

namespace gyrolux {

// The date, time and place dialog's logic: its eleven fields, their checks and the
// picking of a place. Each check writes the moment only when it passes and says what the
// dialog shows and where the focus goes.

// The fields in their tab order, then the places list.
enum class MomentField {
  Day,
  Month,
  Year,
  Hour,
  Minute,
  LongitudeSign,
  LongitudeDegrees,
  LongitudeMinutes,
  LatitudeSign,
  LatitudeDegrees,
  LatitudeMinutes,
  PlacesList,
};
inline constexpr int kMomentFieldCount = 11;

struct MomentFieldLayout {
  MomentField field;
  const char* objectName;
  int maxLength;
  // Where Enter takes the focus; the latitude minutes run their check instead.
  MomentField enterMovesTo;
};

inline constexpr std::array<MomentFieldLayout, kMomentFieldCount> kMomentFields = {{
    {MomentField::Day, "dayField", 2, MomentField::Month},
    {MomentField::Month, "monthField", 2, MomentField::Year},
    {MomentField::Year, "yearField", 4, MomentField::Hour},
    {MomentField::Hour, "hourField", 2, MomentField::Minute},
    {MomentField::Minute, "minuteField", 2, MomentField::LongitudeSign},
    {MomentField::LongitudeSign, "longitudeSignField", 1, MomentField::LongitudeDegrees},
    {MomentField::LongitudeDegrees, "longitudeDegreesField", 3, MomentField::LongitudeMinutes},
    {MomentField::LongitudeMinutes, "longitudeMinutesField", 2, MomentField::LatitudeSign},
    {MomentField::LatitudeSign, "latitudeSignField", 1, MomentField::LatitudeDegrees},
    {MomentField::LatitudeDegrees, "latitudeDegreesField", 2, MomentField::LatitudeMinutes},
    {MomentField::LatitudeMinutes, "latitudeMinutesField", 2, MomentField::LatitudeMinutes},
}};

inline const MomentFieldLayout& LayoutOf(MomentField field) {
  return kMomentFields[static_cast<int>(field)];
}

// The texts of the eleven fields, by MomentField.
using MomentFieldTexts = std::array<QString, kMomentFieldCount>;

// What a check decided. A message is shown as an error box before the focus moves.
struct FieldCheck {
  bool passed = true;
  QString message;
  std::optional<MomentField> focus;
  bool closeDialog = false;
};

// The messages of the dialog.
QString InvalidDateMessage();
QString InvalidTimeMessage();
QString InvalidLongitudeMessage();
QString InvalidLatitudeMessage();
QString LongitudeSignMessage();
QString LatitudeSignMessage();
QString PlaceLatitudeMessage();
QString PlaceLongitudeMessage();

// The dialog's activation: the coordinates read back from the longitude and latitude
// texts (seconds of a place dropped, 0.0001 added) replace those of the moment; the
// fields get the moment's date, time and place as 2, 4 and 3 digit numbers and signs.
MomentFieldTexts ActivateMomentFields(Chart& chart);

// On leaving the year field: a real date from 1600 on stores day, month, year, dateText
// and the month lengths; anything else puts the focus back into the day field.
FieldCheck CheckDate(const MomentFieldTexts& fields, Chart& chart);

// On leaving the minute field: 00:00 up to 24:00 stores hours (with 0.0001 added) and
// timeText; the focus then goes into the places list (with a places file) or stays where
// it went. Anything else puts it back into the hour field.
FieldCheck CheckTime(const MomentFieldTexts& fields, bool placesFilePresent, Chart& chart);

// On leaving a sign field: "+" or "-", else its message and the focus back.
FieldCheck CheckSign(MomentField signField, const QString& text);

// On leaving a degree field: a whole number from 0 to 180 (longitude) or 0 to 90
// (latitude); otherwise, without a message, the focus goes to the longitude sign or
// stays in the latitude degrees.
FieldCheck CheckDegrees(MomentField degreeField, const QString& text);

// On leaving the longitude minutes: degrees 0..180 and minutes 0..59 (a point allowed)
// up to 180°00' store longitude, its west flag and longitudeText; otherwise the focus goes
// to the longitude sign.
FieldCheck CheckLongitude(const MomentFieldTexts& fields, Chart& chart);

// The same for the latitude up to 90°00'; when it passes the dialog closes.
FieldCheck CheckLatitude(const MomentFieldTexts& fields, Chart& chart);

// A click on a places line: its latitude and then its longitude are taken into the moment
// (without the 0.0001 of typed values). A coordinate whose numbers are unreadable, or that
// lies beyond 90 or 180 degrees, is refused with its message, and the longitude is not
// looked at after a refused latitude. The dialog closes in every case.
struct PlacePick {
  QString message;  // empty when both coordinates were taken
  // The sign, degree and minute fields of a coordinate taken.
  std::optional<std::array<QString, 3>> latitudeFields;
  std::optional<std::array<QString, 3>> longitudeFields;
};
PlacePick PickPlace(const QString& line, Chart& chart);

}  // namespace gyrolux
