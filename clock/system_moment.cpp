#include "clock/system_moment.h"

#include "engine/field_readers.h"
#include "engine/formatting.h"

namespace gyrolux {

void SetMomentFromSystemClock(Chart& chart, const QDateTime& now) {
  const QDateTime utc = now.toUTC();
  const QDate date = utc.date();
  const QTime time = utc.time();
  chart.texts.dateText = FormatDateText(date.day(), date.month(), date.year());
  chart.texts.timeText = ZeroPad(static_cast<unsigned>(time.hour()), 2) + u'.' +
                         ZeroPad(static_cast<unsigned>(time.minute()), 2) + u'.' +
                         ZeroPad(static_cast<unsigned>(time.second()), 2);
  ReadDateFields(chart.texts.dateText, chart.moment);
  chart.moment.hours = HoursFromTimeText(chart.texts.timeText);
}

void SetDefaultPlace(Chart& chart) {
  chart.moment.longitude = 10.0;
  chart.moment.latitude = 50.0;
  chart.moment.westLongitude = false;
  chart.moment.southLatitude = false;
  chart.texts.longitudeText = QStringLiteral("+010\u00B000'");
  chart.texts.latitudeText = QStringLiteral("+50\u00B000'");
}

void SetStoredPlace(Chart& chart, const StoredMoment& stored) {
  chart.texts.longitudeText = stored.longitudeText;
  chart.texts.latitudeText = stored.latitudeText;
  ReadPlaceFields(stored.longitudeText, stored.latitudeText, chart.moment);
}

void SetStoredMoment(Chart& chart, const StoredMoment& stored) {
  chart.texts.dateText = stored.dateText;
  chart.texts.timeText = stored.timeText;
  ReadDateFields(stored.dateText, chart.moment);
  chart.moment.hours = HoursFromTimeText(stored.timeText);
  SetStoredPlace(chart, stored);
}

}  // namespace gyrolux
