#include "dialogs/moment_input.h"

#include <cmath>

#include "dialogs/places_file.h"
#include "engine/calendar.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"

namespace gyrolux {

namespace {

// Every typed time and coordinate gets a ten-thousandth of an hour or a degree added.
constexpr double kTypedAddition = 0.0001;

QString Field(const MomentFieldTexts& fields, MomentField field) {
  return fields[static_cast<int>(field)];
}

FieldCheck Refused(const QString& message, MomentField focus) {
  return FieldCheck{false, message, focus, false};
}

QString SignText(bool negative) { return negative ? QStringLiteral("-") : QStringLiteral("+"); }

// The rows that tell the two coordinates of the dialog apart.
struct CoordinateRules {
  MomentField sign, degrees, minutes;
  int maxDegrees;
  double limit;  // the largest value taken, the typed addition included with some slack
  int degreeDigits;
  QString (*message)();
};

const CoordinateRules kLongitudeRules = {MomentField::LongitudeSign, MomentField::LongitudeDegrees,
                                         MomentField::LongitudeMinutes, 180, 180.00011, 3,
                                         InvalidLongitudeMessage};
const CoordinateRules kLatitudeRules = {MomentField::LatitudeSign, MomentField::LatitudeDegrees,
                                        MomentField::LatitudeMinutes, 90, 90.00011, 2,
                                        InvalidLatitudeMessage};

// The typed coordinate, or nothing when it is not valid. The sign field is not checked
// here; anything but "-" counts as east or north.
struct TypedCoordinate {
  double value;
  bool negative;
  QString text;  // "+010°00'"
};

std::optional<TypedCoordinate> ReadTypedCoordinate(const MomentFieldTexts& fields,
                                                   const CoordinateRules& rules) {
  const QString degreesText = Field(fields, rules.degrees);
  const QString minutesText = Field(fields, rules.minutes);
  const std::optional<double> degrees = ReadNumber(degreesText, kTypedDecimal);
  const std::optional<double> minutes = ReadNumber(minutesText, kTypedDecimal);
  if (!degrees || !minutes) return std::nullopt;
  if (*degrees < 0.0 || *degrees > rules.maxDegrees || *minutes < 0.0 || *minutes > 59.0) {
    return std::nullopt;
  }
  const double value = *degrees + *minutes / 60.0 + kTypedAddition;
  if (value > rules.limit) return std::nullopt;
  const bool negative = Field(fields, rules.sign) == u'-';
  // The numbers as typed, padded with zeros in front. The sign field was checked when the
  // focus left it, but a click can pass it by: the text keeps its form either way.
  const QString text = SignText(negative) + degreesText.rightJustified(rules.degreeDigits, u'0') + QChar(0xB0) +
                       minutesText.rightJustified(2, u'0') + u'\'';
  return TypedCoordinate{negative ? -value : value, negative, text};
}

// "+53°33'" from the numbers of a place, the degrees with `digits` digits.
QString PlaceCoordinateText(const PlaceCoordinate& c, int digits) {
  return SignText(c.southOrWest) + ZeroPad(c.degrees, digits) + QChar(0xB0) + ZeroPad(c.minutes, 2) +
         u'\'';
}

std::array<QString, 3> PlaceCoordinateFields(const PlaceCoordinate& c, int digits) {
  return {SignText(c.southOrWest), ZeroPad(c.degrees, digits), ZeroPad(c.minutes, 2)};
}

}  // namespace

QString InvalidDateMessage() { return QStringLiteral("Das ist kein gültiges Datum!"); }
QString InvalidTimeMessage() { return QStringLiteral("Das ist keine gültige Zeit!"); }
QString InvalidLongitudeMessage() { return QStringLiteral("Das ist keine gültige Länge!"); }
QString InvalidLatitudeMessage() { return QStringLiteral("Das ist keine gültige Breite!"); }
QString LongitudeSignMessage() {
  return QStringLiteral("Bitte + für östliche oder - für westliche Länge Breite eingeben");
}
QString LatitudeSignMessage() {
  return QStringLiteral("Bitte + für nördliche oder - für südliche Breite eingeben");
}
QString PlaceLatitudeMessage() {
  return QStringLiteral("Die Breitenangabe oder deren Position in der Datei-Zeile ist fehlerhaft");
}
QString PlaceLongitudeMessage() {
  return QStringLiteral("Die Längenangabe oder deren Position in der Datei-Zeile ist fehlerhaft");
}

MomentFieldTexts ActivateMomentFields(Chart& chart) {
  const ChartTexts& texts = chart.texts;
  ReadPlaceFields(texts.longitudeText, texts.latitudeText, chart.moment);

  MomentFieldTexts fields;
  const auto set = [&fields](MomentField field, const QString& text) {
    fields[static_cast<int>(field)] = text;
  };
  const auto number = [](const QString& text, int first, int count, int digits) {
    return ZeroPad(static_cast<unsigned>(FieldNumber(text, first, count)), digits);
  };
  set(MomentField::Day, number(texts.dateText, 1, 2, 2));
  set(MomentField::Month, number(texts.dateText, 4, 2, 2));
  set(MomentField::Year, number(texts.dateText, 7, 4, 4));
  set(MomentField::Hour, number(texts.timeText, 1, 2, 2));
  set(MomentField::Minute, number(texts.timeText, 4, 2, 2));
  set(MomentField::LongitudeSign, SignText(chart.moment.westLongitude));
  set(MomentField::LongitudeDegrees, number(texts.longitudeText, 2, 3, 3));
  set(MomentField::LongitudeMinutes, number(texts.longitudeText, 6, 2, 2));
  set(MomentField::LatitudeSign, SignText(chart.moment.southLatitude));
  set(MomentField::LatitudeDegrees, number(texts.latitudeText, 2, 2, 2));
  set(MomentField::LatitudeMinutes, number(texts.latitudeText, 5, 2, 2));
  return fields;
}

FieldCheck CheckDate(const MomentFieldTexts& fields, Chart& chart) {
  const std::optional<int> day = ReadWholeNumber(Field(fields, MomentField::Day));
  const std::optional<int> month = ReadWholeNumber(Field(fields, MomentField::Month));
  const std::optional<int> year = ReadWholeNumber(Field(fields, MomentField::Year));
  const bool valid = day && month && year && *year >= 1600 && *month >= 1 && *month <= 12 &&
                     *day >= 1 && *day <= GregorianMonthLength(*year, *month);
  if (!valid) return Refused(InvalidDateMessage(), MomentField::Day);

  ChartMoment& moment = chart.moment;
  moment.day = *day;
  moment.month = *month;
  moment.year = *year;
  chart.texts.dateText = FormatDateText(*day, *month, *year);
  for (int m = 1; m <= 12; ++m) chart.state.monthLength[m] = GregorianMonthLength(*year, m);
  return {};
}

FieldCheck CheckTime(const MomentFieldTexts& fields, bool placesFilePresent, Chart& chart) {
  const std::optional<int> h = ReadWholeNumber(Field(fields, MomentField::Hour));
  const std::optional<int> m = ReadWholeNumber(Field(fields, MomentField::Minute));
  // 24:00 is the latest time taken.
  const bool valid = h && m && *h >= 0 && *m >= 0 && *h <= 24 && *m <= 59 && *h * 100 + *m <= 2400;
  if (!valid) return Refused(InvalidTimeMessage(), MomentField::Hour);

  chart.moment.hours = *h + *m / 60.0 + kTypedAddition;
  chart.texts.timeText = ZeroPad(*h, 2) + u':' + ZeroPad(*m, 2) + QStringLiteral(":00");
  FieldCheck passed;
  // Without a places file the empty list has nothing to offer: the focus stays with the
  // coordinates.
  if (placesFilePresent) passed.focus = MomentField::PlacesList;
  return passed;
}

FieldCheck CheckSign(MomentField signField, const QString& text) {
  if (text == u'+' || text == u'-') return {};
  const bool longitude = signField == MomentField::LongitudeSign;
  return Refused(longitude ? LongitudeSignMessage() : LatitudeSignMessage(), signField);
}

FieldCheck CheckDegrees(MomentField degreeField, const QString& text) {
  const bool longitude = degreeField == MomentField::LongitudeDegrees;
  const std::optional<int> degrees = ReadWholeNumber(text);
  if (degrees && *degrees >= 0 && *degrees <= (longitude ? 180 : 90)) return {};
  return Refused(QString(), longitude ? MomentField::LongitudeSign : MomentField::LatitudeDegrees);
}

FieldCheck CheckLongitude(const MomentFieldTexts& fields, Chart& chart) {
  const std::optional<TypedCoordinate> c = ReadTypedCoordinate(fields, kLongitudeRules);
  if (!c) return Refused(InvalidLongitudeMessage(), MomentField::LongitudeSign);
  chart.moment.longitude = c->value;
  chart.moment.westLongitude = c->negative;
  chart.texts.longitudeText = c->text;
  return {};
}

FieldCheck CheckLatitude(const MomentFieldTexts& fields, Chart& chart) {
  const std::optional<TypedCoordinate> c = ReadTypedCoordinate(fields, kLatitudeRules);
  if (!c) return Refused(InvalidLatitudeMessage(), MomentField::LatitudeSign);
  chart.moment.latitude = c->value;
  chart.moment.southLatitude = c->negative;
  chart.texts.latitudeText = c->text;
  FieldCheck passed;
  passed.closeDialog = true;
  return passed;
}

PlacePick PickPlace(const QString& line, Chart& chart) {
  PlacePick pick;
  // A place beyond the poles or the date line would put the chart at an impossible place:
  // it is refused like an unreadable number.
  const std::optional<PlaceCoordinate> latitude = ParsePlaceLatitude(line);
  if (!latitude || std::fabs(latitude->SignedDegrees()) > 90.0) {
    pick.message = PlaceLatitudeMessage();
    return pick;
  }
  chart.moment.latitude = latitude->SignedDegrees();
  chart.moment.southLatitude = latitude->southOrWest;
  chart.texts.latitudeText = PlaceCoordinateText(*latitude, 2);
  pick.latitudeFields = PlaceCoordinateFields(*latitude, 2);

  const std::optional<PlaceCoordinate> longitude = ParsePlaceLongitude(line);
  if (!longitude || std::fabs(longitude->SignedDegrees()) > 180.0) {
    pick.message = PlaceLongitudeMessage();
    return pick;
  }
  chart.moment.longitude = longitude->SignedDegrees();
  chart.moment.westLongitude = longitude->southOrWest;
  chart.texts.longitudeText = PlaceCoordinateText(*longitude, 3);
  pick.longitudeFields = PlaceCoordinateFields(*longitude, 3);
  return pick;
}

}  // namespace gyrolux
