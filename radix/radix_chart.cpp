#include "radix/radix_chart.h"

#include <cmath>

#include "engine/formatting.h"

namespace gyrolux {

std::optional<RadixMoment> RadixMomentOf(const RadixRecord& record, QString& error) {
  RadixMoment result;
  result.time = ResolveLocalTime(record.localDate, record.localTime, record.zone, record.fold);
  if (result.time.utc.isNull()) {
    error = result.time.message;
    return std::nullopt;
  }
  const QDate date = result.time.utc.date();
  const QTime time = result.time.utc.time();
  ChartMoment& m = result.moment;
  m.day = date.day();
  m.month = date.month();
  m.year = date.year();
  m.hours = time.hour() + time.minute() / 60.0 + time.second() / 3600.0;
  m.longitude = record.longitude;
  m.latitude = record.latitude;
  m.westLongitude = record.longitude < 0;
  m.southLatitude = record.latitude < 0;
  return result;
}

std::optional<Chart> RadixChart(const RadixRecord& record, QString& error) {
  const std::optional<RadixMoment> moment = RadixMomentOf(record, error);
  if (!moment) return std::nullopt;
  Chart chart;
  chart.moment = moment->moment;
  chart.texts.dateText = moment->time.utc.date().toString(QStringLiteral("dd.MM.yyyy"));
  chart.texts.timeText = FormatClock(chart.moment.hours).left(5);
  // As the date dialog forms typed coordinates: the sign, then degrees and minutes.
  chart.texts.longitudeText = (record.longitude < 0 ? u'-' : u'+') + FormatCoordinate(false, std::fabs(record.longitude));
  chart.texts.latitudeText = (record.latitude < 0 ? u'-' : u'+') + FormatCoordinate(false, std::fabs(record.latitude)).mid(1);
  RecomputeChart(chart);
  return chart;
}

}  // namespace gyrolux
