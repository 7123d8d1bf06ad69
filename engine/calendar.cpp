#include "engine/calendar.h"

#include <algorithm>
#include <optional>

#include "engine/formatting.h"

namespace gyrolux {

namespace {

struct DayMonthYear {
  int day;
  int month;
  int year;
};

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
DayMonthYear ReadDate(const Chart& chart) {
  const QString& text = chart.texts.dateText;
  const auto day = DigitsAt(text, 0, 2);
  const auto month = DigitsAt(text, 3, 2);
  const auto year = DigitsAt(text, 6, 4);
  DayMonthYear date{chart.moment.day, chart.moment.month, chart.moment.year};
  if (day && month && year) date = {*day, *month, *year};
  date.day = std::clamp(date.day, 0, 31);
  date.month = std::clamp(date.month, 1, 12);
  date.year = std::clamp(date.year, 0, 9999);
  return date;
}

void WriteDate(Chart& chart, const DayMonthYear& date) {
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
  DayMonthYear date = ReadDate(chart);
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
  DayMonthYear date = ReadDate(chart);
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

}  // namespace gyrolux
