#include "tools/calc_args.h"

#include <cmath>

#include "engine/calendar.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"
#include "engine/integer_conversion.h"
#include "ephemeris/ephemeris_choice.h"
#include "ephemeris/swiss_sky.h"

namespace gyrolux::calc {

QString MissingOptionText(const QString& name) { return QStringLiteral("Option --%1 fehlt").arg(name); }

QList<QCommandLineOption> MomentOptions() {
  return {
      {QStringLiteral("date"), QStringLiteral("Das Datum, TT.MM.JJJJ, Jahre 1600 bis 9999."),
       QStringLiteral("TT.MM.JJJJ")},
      {QStringLiteral("hours"),
       QStringLiteral("Weltzeit (WZ/GMT) in Dezimalstunden, 0 bis unter 100."),
       QStringLiteral("H")},
      {QStringLiteral("lon"), QStringLiteral("Länge in Grad, Ost positiv, -180 bis 180."),
       QStringLiteral("L")},
      {QStringLiteral("lat"), QStringLiteral("Breite in Grad, Nord positiv, -90 bis 90."),
       QStringLiteral("B")},
  };
}

QCommandLineOption EphemerisOption() {
  return {QStringLiteral("ephemeris"),
          QStringLiteral("Der Himmel: model (das Modell der Uhr, Vorgabe) oder swiss (Swiss Ephemeris, Jahre 1600 bis 3000)."),
          QStringLiteral("model|swiss"), QStringLiteral("model")};
}

std::optional<double> ParseNumber(const QString& text) {
  // The C locale's form: a point as separator, an exponent allowed, no blanks around it.
  return ReadNumber(text, {.exponent = true});
}

bool ReadOrbOption(const QCommandLineParser& parser, Orb& orb, QString& error, bool zeroAllowed) {
  orb = kPictureOrb;
  if (!parser.isSet(QStringLiteral("orb"))) return true;
  const QString text = parser.value(QStringLiteral("orb"));
  const std::optional<double> value = ParseNumber(text);
  const bool tooSmall = value && (zeroAllowed ? *value < 0.0 : *value <= 0.0);
  if (!value || tooSmall || *value > MaxOrbDegrees()) {
    error = (zeroAllowed ? QStringLiteral("ungültiger Wert '%1' für --orb (eine Zahl von 0 bis %2)")
                         : QStringLiteral("ungültiger Wert '%1' für --orb (eine Zahl über 0 bis %2)"))
                .arg(text)
                .arg(MaxOrbDegrees());
    return false;
  }
  orb = Orb{*value};
  return true;
}

QString TypedCoordinateText(double value, int degreeDigits) {
  const double magnitude = std::fabs(value);
  int degrees = TruncClamped(magnitude, 0, 999);
  int minutes = TruncClamped((magnitude - std::trunc(magnitude)) * 60.0 + 1e-6, 0, 60);
  if (minutes == 60) {
    minutes = 0;
    ++degrees;
  }
  return (value < 0 ? u'-' : u'+') + ZeroPad(static_cast<unsigned>(degrees), degreeDigits) + u'\u00B0' +
         ZeroPad(static_cast<unsigned>(minutes), 2) + u'\'';
}

namespace {

std::optional<int> ParseDigits(QStringView text) {
  if (text.isEmpty()) return std::nullopt;
  int value = 0;
  for (QChar c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c.unicode() - u'0');
  }
  return value;
}

bool ReadDate(const QString& text, Chart& chart, QString& error) {
  const auto bad = [&] {
    error = QStringLiteral("ungültiges Datum '%1' (TT.MM.JJJJ, Jahre 1600 bis 9999)").arg(text);
    return false;
  };
  if (text.size() != 10 || text[2] != u'.' || text[5] != u'.') return bad();
  const auto day = ParseDigits(QStringView(text).mid(0, 2));
  const auto month = ParseDigits(QStringView(text).mid(3, 2));
  const auto year = ParseDigits(QStringView(text).mid(6, 4));
  if (!day || !month || !year) return bad();
  if (*year < 1600 || *month < 1 || *month > 12) return bad();
  if (*day < 1 || *day > GregorianMonthLength(*year, *month)) return bad();
  chart.moment.day = *day;
  chart.moment.month = *month;
  chart.moment.year = *year;
  chart.texts.dateText = text;
  return true;
}

bool ReadNumberOption(const QCommandLineParser& parser, const QString& name, double low,
                      double high, double& out, QString& error) {
  if (!parser.isSet(name)) {
    error = MissingOptionText(name);
    return false;
  }
  const QString text = parser.value(name);
  const auto value = ParseNumber(text);
  if (!value || *value < low || *value > high) {
    error = QStringLiteral("ungültiger Wert '%1' für --%2 (eine Zahl von %3 bis %4)")
                .arg(text, name, QString::number(low), QString::number(high));
    return false;
  }
  out = *value;
  return true;
}

}  // namespace

bool ReadMoment(const QCommandLineParser& parser, Chart& chart, QString& error, const QString& prefix) {
  if (!parser.isSet(prefix + QStringLiteral("date"))) {
    error = MissingOptionText(prefix + QStringLiteral("date"));
    return false;
  }
  if (!ReadDate(parser.value(prefix + QStringLiteral("date")), chart, error)) return false;
  double hours = 0, lon = 0, lat = 0;
  // Hours below 100: the clock's minutes unit lets the time of day grow past 24.
  if (!ReadNumberOption(parser, prefix + QStringLiteral("hours"), 0.0, 99.9999, hours, error)) return false;
  if (!ReadNumberOption(parser, prefix + QStringLiteral("lon"), -180.0002, 180.0002, lon, error)) return false;
  if (!ReadNumberOption(parser, prefix + QStringLiteral("lat"), -90.0002, 90.0002, lat, error)) return false;
  chart.moment.hours = hours;
  chart.moment.longitude = lon;
  chart.moment.latitude = lat;
  chart.moment.westLongitude = lon < 0;
  chart.moment.southLatitude = lat < 0;
  chart.texts.timeText = FormatClock(hours).left(5);  // hh:mm
  chart.texts.longitudeText = TypedCoordinateText(lon, 3);
  chart.texts.latitudeText = TypedCoordinateText(lat, 2);
  return true;
}

bool ReadEphemeris(const QCommandLineParser& parser, Ephemeris& ephemeris, QString& error) {
  const QString key = parser.value(QStringLiteral("ephemeris"));
  const std::optional<Ephemeris> read = EphemerisFromKey(key);
  if (!read) {
    error = QStringLiteral("ungültiger Wert '%1' für --ephemeris (model oder swiss)").arg(key);
    return false;
  }
  ephemeris = *read;
  return true;
}

bool TakeEphemeris(Ephemeris ephemeris, ChartMoment& moment, QString& error) {
  if (ephemeris == Ephemeris::Swiss) error = SwissRangeMessage(moment.year);
  if (!error.isEmpty()) return false;
  moment.ephemeris = ephemeris;
  return true;
}

bool ReadDateText(const QString& text, CivilDate& date, QString& error) {
  Chart chart;
  if (!ReadDate(text, chart, error)) return false;
  date = {chart.moment.day, chart.moment.month, chart.moment.year};
  return true;
}

}  // namespace gyrolux::calc
