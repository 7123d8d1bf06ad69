#include "clock/state_file.h"

#include <cmath>

#include "engine/calendar.h"
#include "platform/text_file.h"
#include "engine/formatting.h"

namespace gyrolux {

StoredMoment StoredMomentFromLines(const QStringList& lines) {
  const auto line = [&](qsizetype i) {
    return i < lines.size() ? lines[i].left(kStoredTextLength) : QString();
  };
  return {line(0), line(1), line(2), line(3)};
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
  const std::optional<QStringList> lines = ReadTextLines(
      QString::fromLatin1(kStateFileName), error, TextReadOptions{kStoredTextLength, 4});
  if (!lines) return std::nullopt;
  return StoredMomentFromLines(*lines);
}

bool WriteStateFile(const QStringList& lines, QString* error) {
  return WriteTextLines(QString::fromLatin1(kStateFileName), lines, error);
}

}  // namespace gyrolux
