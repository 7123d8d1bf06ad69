#include "engine/formatting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "engine/angles.h"
#include "engine/integer_conversion.h"

namespace gyrolux {

namespace {

// A time or an angle built from whole seconds in double (10 + 29/60 + 50/3600) may lie
// a few ulps below the whole second it stands for; this slack, far below any true
// fraction a user can enter, lets it count as that second.
constexpr double kSecondSlack = 1e-6;

// Degrees shown by the text functions: the ZeroPad fields take at most 6 digits.
constexpr int kMaxShownDegrees = 999999;

const QString kDegreeSign = QStringLiteral("\u00B0");

double Frac(double x) { return x - std::trunc(x); }

// Whole degrees and whole seconds of the fraction of a non-negative angle, a full 3600
// seconds carried into the degrees.
struct DegreesSeconds {
  int degrees;
  int seconds;
};
DegreesSeconds SplitDegrees(double v) {
  DegreesSeconds d;
  d.degrees = TruncClamped(v, 0, kMaxShownDegrees);
  d.seconds = TruncClamped(Frac(v) * 3600.0 + kSecondSlack, 0, 3600);
  if (d.seconds >= 3600) {
    d.seconds -= 3600;
    d.degrees += 1;
  }
  return d;
}

// Writes ZeroPad(value, width) at out; returns its length (at most 6).
int WriteZeroPadded(char16_t* out, unsigned value, int width) {
  width = std::clamp(width, 1, 6);
  char16_t digits[10];
  int count = 0;
  for (unsigned v = value; v != 0; v /= 10) digits[count++] = static_cast<char16_t>(u'0' + v % 10);
  int length = 0;
  for (int i = count; i < width; ++i) out[length++] = u'0';
  while (count > 0 && length < 6) out[length++] = digits[--count];
  return length;
}

// Writes ZeroPad(value, width) cut to at most keep characters.
int WriteZeroPaddedCut(char16_t* out, unsigned value, int width, int keep) {
  char16_t field[6];
  const int length = std::min(WriteZeroPadded(field, value, width), keep);
  std::copy(field, field + length, out);
  return length;
}

// Puts the characters into out, in its own storage when it has that to itself.
void AssignText(QString& out, const char16_t* text, int length) {
  out.resize(length);
  std::copy(text, text + length, reinterpret_cast<char16_t*>(out.data()));
}

// Far above what the clock can reach within its years (about 8.8e7 hours), and small
// enough for exact whole seconds in a double.
constexpr double kLargestShownHours = 1e12;

}  // namespace

int RoundHalfDown(double x) {
  const int whole = TruncToInt(x);
  if (std::isnan(x) || whole == 2147483647) return whole;
  return Frac(x) > 0.5 ? whole + 1 : whole;
}

QString ZeroPad(unsigned value, int width) {
  char16_t text[6];
  return QString(reinterpret_cast<const QChar*>(text), WriteZeroPadded(text, value, width));
}

void FormatDateTextInto(QString& out, int day, int month, int year) {
  const auto shown = [](int v) { return static_cast<unsigned>(std::max(v, 0)); };
  char16_t text[20];
  int length = WriteZeroPadded(text, shown(day), 2);
  text[length++] = u'.';
  length += WriteZeroPadded(text + length, shown(month), 2);
  text[length++] = u'.';
  length += WriteZeroPadded(text + length, shown(year), 4);
  AssignText(out, text, std::min(length, 10));
}

QString FormatDateText(int day, int month, int year) {
  QString text;
  FormatDateTextInto(text, day, month, year);
  return text;
}

QString FormatAngle(int width, int mode, double value) {
  const bool negative = value < 0.0;
  double v = std::fabs(value);
  if (mode == 22) v = kMode22_5.Reduce(v);
  if (mode == 30) v = Mod30(v);
  auto [deg, sec] = SplitDegrees(v);
  int min = mode == 0 ? sec / 60 : RoundHalfDown(sec / 60.0);
  sec -= 60 * min;
  if (min == 60) {
    min = 0;
    deg += 1;
  }
  QString text = ZeroPad(deg, width).left(3) + kDegreeSign + ZeroPad(min, 2).left(3) + u'\'';
  if (mode == 0) text += ZeroPad(sec, 2).left(3) + u'"';
  if (negative) text.prepend(u'-');
  return text.left(14);
}

ClockParts SplitClock(double hours) {
  if (std::isnan(hours)) hours = 0.0;
  hours = std::clamp(hours, 0.0, 100.0);
  const int total = TruncClamped(hours * 3600.0 + kSecondSlack, 0, 360000);
  return {total / 3600, total % 3600 / 60, total % 60};
}

void FormatClockInto(QString& out, double hours) {
  const ClockParts parts = SplitClock(hours);
  char16_t text[8];
  int length = WriteZeroPaddedCut(text, parts.hours, 2, 2);
  text[length++] = u':';
  length += WriteZeroPaddedCut(text + length, parts.minutes, 2, 2);
  text[length++] = u':';
  length += WriteZeroPaddedCut(text + length, parts.seconds, 2, 2);
  AssignText(out, text, length);
}

QString FormatClock(double hours) {
  QString text;
  FormatClockInto(text, hours);
  return text;
}

QString FormatCoordinate(bool withSeconds, double value) {
  const double v = std::isnan(value) ? 0.0 : std::fabs(value);
  auto [deg, total] = SplitDegrees(v);
  QString text;
  if (withSeconds) {
    text = ZeroPad(deg, 3).left(10) + kDegreeSign + ZeroPad(total / 60, 2).left(10) + u'\'' +
           ZeroPad(total % 60, 2).left(10);
  } else {
    // Rounded minutes: a value within half a minute below the next degree reaches 60,
    // which is shown as the next degree rather than as "60'".
    int wholeDegrees = TruncClamped(v, 0, kMaxShownDegrees);
    int min = RoundHalfDown(Frac(v) * 60.0);
    if (min >= 60) {
      min = 0;
      wholeDegrees += 1;
    }
    text = ZeroPad(wholeDegrees, 3).left(10) + kDegreeSign + ZeroPad(min, 2).left(10) + u'\'';
  }
  return text;
}

QString WeekdayName(int year, int month, int day) {
  // The three numbers are 16-bit unsigned words; so is the year before March.
  const uint16_t y16 = static_cast<uint16_t>(year);
  const uint16_t m16 = static_cast<uint16_t>(month);
  const uint32_t d = static_cast<uint16_t>(day);
  uint32_t m = 0;
  uint32_t y = 0;
  if (m16 <= 2) {
    m = m16 + 10u;
    y = static_cast<uint16_t>(y16 - 1);
  } else {
    m = m16 - 2u;
    y = y16;
  }
  const uint32_t w =
      ((13 * m - 1) / 5 + (y % 100) / 4 + y / 400 + (y % 100) + d + 5 * (y / 100)) % 7;
  static constexpr std::array<const char16_t*, 7> kNames = {u"So", u"Mo", u"Di", u"Mi",
                                                            u"Do", u"Fr", u"Sa"};
  return QString::fromUtf16(kNames[w]);
}

QString ShownClock(double hours) {
  if (std::isnan(hours)) hours = 0.0;
  if (hours >= 0.0 && hours < 100.0) return FormatClock(hours);
  const bool negative = hours < 0.0;
  const double magnitude = std::fmin(std::fabs(hours), kLargestShownHours);
  // Whole seconds as in FormatClock: cut off, not rounded.
  const double totalSeconds = std::floor(magnitude * 3600.0 + 1e-6);
  const double wholeHours = std::floor(totalSeconds / 3600.0);
  const int rest = static_cast<int>(totalSeconds - wholeHours * 3600.0);
  QString text = QString::number(wholeHours, 'f', 0).rightJustified(2, u'0') + u':' +
                 ZeroPad(static_cast<unsigned>(rest / 60), 2) + u':' +
                 ZeroPad(static_cast<unsigned>(rest % 60), 2);
  if (negative && totalSeconds > 0.0) text.prepend(u'-');
  return text;
}

QString DateLabel(const Chart& chart) {
  const ChartMoment& m = chart.moment;
  return WeekdayName(m.year, m.month, m.day) + QStringLiteral(", ") + chart.texts.dateText;
}

QString TimeLabel(double hours) { return ShownClock(hours) + QStringLiteral(" WZ/GMT"); }

QString PlaceLabel(const ChartMoment& moment) {
  return FormatCoordinate(false, std::fabs(moment.longitude)) +
         (moment.westLongitude ? QStringLiteral(" W") : QStringLiteral(" E")) +
         QStringLiteral(", ") + FormatCoordinate(false, std::fabs(moment.latitude)).mid(1) +
         (moment.southLatitude ? QStringLiteral(" S") : QStringLiteral(" N"));
}

QString PlaceLabelFromTexts(const QString& longitudeText, const QString& latitudeText) {
  const bool west = longitudeText.startsWith(u'-');
  const bool south = latitudeText.startsWith(u'-');
  return longitudeText.mid(1, 7) + (west ? QStringLiteral(" W, ") : QStringLiteral(" E, ")) +
         latitudeText.mid(1, 6) + (south ? QStringLiteral(" S") : QStringLiteral(" N"));
}

}  // namespace gyrolux
