#include "clock/state_file.h"

#include <cmath>

#include "clock/calendar_days.h"
#include "clock/text_files.h"
#include "engine/formatting.h"

namespace gyrolux {

StoredMoment StoredMomentFromLines(const QStringList& lines) {
  const auto line = [&](qsizetype i) {
    return i < lines.size() ? lines[i].left(kStoredTextLength) : QString();
  };
  return {line(0), line(1), line(2), line(3)};
}

int LeadingNumber(QStringView field) {
  int value = 0;
  // The fields are at most four characters; the bound keeps any longer field in range.
  for (qsizetype i = 0; i < field.size() && i < 9; ++i) {
    const char16_t c = field[i].unicode();
    if (c < u'0' || c > u'9') break;
    value = value * 10 + (c - u'0');
  }
  return value;
}

int FieldNumber(const QString& text, int first, int count) {
  return LeadingNumber(QStringView(text).mid(first - 1, count));
}

void ReadDateFields(const QString& dateText, ChartMoment& moment) {
  moment.day = FieldNumber(dateText, 1, 2);
  moment.month = FieldNumber(dateText, 4, 2);
  moment.year = FieldNumber(dateText, 7, 4);
}

double HoursFromTimeText(const QString& timeText) {
  return FieldNumber(timeText, 1, 2) + FieldNumber(timeText, 4, 2) / 60.0 +
         FieldNumber(timeText, 7, 2) / 3600.0;
}

void ReadPlaceFields(const QString& longitudeText, const QString& latitudeText,
                     ChartMoment& moment) {
  moment.westLongitude = longitudeText.startsWith(u'-');
  const double longitude =
      FieldNumber(longitudeText, 2, 3) + FieldNumber(longitudeText, 6, 2) / 60.0 + 0.0001;
  moment.longitude = moment.westLongitude ? -longitude : longitude;
  moment.southLatitude = latitudeText.startsWith(u'-');
  const double latitude =
      FieldNumber(latitudeText, 2, 2) + FieldNumber(latitudeText, 5, 2) / 60.0 + 0.0001;
  moment.latitude = moment.southLatitude ? -latitude : latitude;
}

StorableMoment MomentForStorage(const Chart& chart) {
  const double hours = std::isnan(chart.moment.hours) ? 0.0 : chart.moment.hours;
  if (hours >= 0.0 && hours < 24.0) return {chart.texts.dateText, hours};
  // The clock's years keep |hours| far below this; the bound only keeps the day count an
  // exact whole number.
  const double bounded = std::fmax(-1e11, std::fmin(hours, 1e11));
  const double wholeDays = std::floor(bounded / 24.0);
  double rest = bounded - wholeDays * 24.0;
  if (rest >= 24.0) rest = 0.0;  // a rounding step just below a whole day
  const CivilDate date = AddDays({chart.moment.day, chart.moment.month, chart.moment.year},
                                 static_cast<int64_t>(wholeDays));
  return {FormatDateText(date.day, date.month, date.year), std::fmax(rest, 0.0)};
}

QStringList StateFileLines(const Chart& chart) {
  const StorableMoment stored = MomentForStorage(chart);
  return {stored.dateText, FormatClock(stored.hours), chart.texts.longitudeText,
          chart.texts.latitudeText};
}

std::optional<StoredMoment> ReadStateFile(QString* error) {
  const std::optional<QStringList> lines =
      ReadTextFileLines(QString::fromLatin1(kStateFileName), 4, kStoredTextLength, error);
  if (!lines) return std::nullopt;
  return StoredMomentFromLines(*lines);
}

bool WriteStateFile(const QStringList& lines, QString& error) {
  return WriteTextFileLines(QString::fromLatin1(kStateFileName), lines, error);
}

}  // namespace gyrolux
