#include "engine/calendar.h"

#include <algorithm>
#include <chrono>
#include <optional>

#include "engine/formatting.h"

namespace gyrolux {

namespace {

constexpr int kYearLimit = 30000;
// Days of the years -30000 .. +30000 on both sides of the epoch, with room to spare.
constexpr int64_t kDayLimit = 11000000;

std::optional<int> DigitsAt(const QString& text, qsizetype from, qsizetype count) {
  if (text.size() < from + count) return std::nullopt;
  int value = 0;
  for (qsizetype i = from; i < from + count; ++i) {
    const char16_t c = text[i].unicode();
    if (c < u'0' || c > u'9') return std::nullopt;
    value = value * 10 + (c - u'0');
  }
  return value;
}

// The date is read from dateText (dd.mm.yyyy); a text that does not hold one falls back
// on the moment's numbers. Month and year are held where the stepping below stays sound.
CivilDate ReadDate(const Chart& chart) {
  const QString& text = chart.texts.dateText;
  const auto day = DigitsAt(text, 0, 2);
  const auto month = DigitsAt(text, 3, 2);
  const auto year = DigitsAt(text, 6, 4);
  CivilDate date{chart.moment.day, chart.moment.month, chart.moment.year};
  if (day && month && year) date = {*day, *month, *year};
  date.day = std::clamp(date.day, 0, 31);
  date.month = std::clamp(date.month, 1, 12);
  date.year = std::clamp(date.year, 0, 9999);
  return date;
}

void WriteDate(Chart& chart, const CivilDate& date) {
  chart.moment.day = date.day;
  chart.moment.month = date.month;
  chart.moment.year = date.year;
  chart.texts.dateText = FormatDateText(date.day, date.month, date.year);
}

}  // namespace

bool IsGregorianLeapYear(int year) {
  return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int GregorianMonthLength(int year, int month) {
  switch (month) {
    case 2:
      return IsGregorianLeapYear(year) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11:
      return 30;
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12:
      return 31;
    default:
      return 0;
  }
}

void NextDay(Chart& chart) {
  CivilDate date = ReadDate(chart);
  date.day += 1;
  if (date.day > GregorianMonthLength(date.year, date.month)) {
    date.day = 1;
    date.month += 1;
  }
  if (date.month == 13) {
    date.month = 1;
    date.year += 1;
  }
  WriteDate(chart, date);
}

void PreviousDay(Chart& chart) {
  CivilDate date = ReadDate(chart);
  date.day -= 1;
  if (date.day <= 0) {
    // The last day of the month before.
    date.month -= 1;
    if (date.month == 0) {
      date.month = 12;
      date.year -= 1;
    }
    date.day = GregorianMonthLength(date.year, date.month);
  }
  WriteDate(chart, date);
}

int64_t DayNumber(const CivilDate& date) {
  using namespace std::chrono;
  const int year = std::clamp(date.year, -kYearLimit, kYearLimit);
  const unsigned month = static_cast<unsigned>(std::clamp(date.month, 1, 12));
  const int64_t day = std::clamp<int64_t>(date.day, -kDayLimit, kDayLimit);
  const sys_days first = std::chrono::year{year} / std::chrono::month{month} / 1;
  return first.time_since_epoch().count() + day - 1;
}

CivilDate DateOfDayNumber(int64_t dayNumber) {
  using namespace std::chrono;
  const int64_t clamped = std::clamp<int64_t>(dayNumber, -kDayLimit, kDayLimit);
  const year_month_day ymd{sys_days{days{clamped}}};
  return {static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year())};
}

CivilDate AddDays(const CivilDate& date, int64_t days) {
  return DateOfDayNumber(DayNumber(date) + std::clamp<int64_t>(days, -2 * kDayLimit, 2 * kDayLimit));
}

}  // namespace gyrolux
