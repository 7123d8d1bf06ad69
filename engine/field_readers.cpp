#include "engine/field_readers.h"

namespace gyrolux {

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

}  // namespace gyrolux
