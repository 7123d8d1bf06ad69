#include "engine/field_readers.h"

#include <algorithm>
#include <cmath>

namespace gyrolux {

namespace {

bool IsDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// The digits from i on; returns how many there were.
int SkipDigits(QStringView text, qsizetype& i) {
  const qsizetype start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  return static_cast<int>(i - start);
}

bool SkipSign(QStringView text, qsizetype& i) {
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
    ++i;
    return true;
  }
  return false;
}

}  // namespace

std::optional<double> ReadNumber(QStringView text, NumberForm form) {
  if (form.blanks == NumberForm::Blanks::Around) text = text.trimmed();
  if (form.blanks == NumberForm::Blanks::Leading) {
    while (!text.isEmpty() && text.front() == u' ') text = text.mid(1);
  }
  qsizetype i = 0;
  if (form.sign) SkipSign(text, i);
  int digits = 0;
  bool point = false;
  while (i < text.size()) {
    const QChar c = text[i];
    if (IsDigit(c)) {
      ++digits;
    } else if (form.fraction && !point && (c == u'.' || (form.comma && c == u','))) {
      point = true;
    } else {
      break;
    }
    ++i;
  }
  if (digits == 0) return std::nullopt;
  if (form.exponent && i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    qsizetype j = i + 1;
    SkipSign(text, j);
    if (SkipDigits(text, j) > 0) i = j;
  }
  if (i != text.size() && !form.restIgnored) return std::nullopt;
  // Only signs, digits, one point and an exponent are left, which the C locale reads to
  // the nearest double.
  QString number = text.first(i).toString();
  if (form.comma) number.replace(u',', u'.');
  bool ok = false;
  const double value = number.toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<int> ReadWholeNumber(QStringView text) {
  const std::optional<double> value =
      ReadNumber(text, {.blanks = NumberForm::Blanks::Leading, .fraction = false});
  // The fields are at most a few columns wide; the bound only keeps a longer one in range.
  if (!value || std::fabs(*value) >= 1e9) return std::nullopt;
  return static_cast<int>(*value);
}

AngleFault CheckModeAngle(std::optional<double> degrees, std::optional<double> minutes, DialMode mode) {
  if (!degrees || *degrees < 0.0 || *degrees > std::floor(mode.Width())) return AngleFault::Degrees;
  if (!minutes || *minutes < 0.0 || *minutes > 59.0 || *degrees + *minutes / 60.0 > mode.Width()) {
    return AngleFault::Minutes;
  }
  return AngleFault::None;
}

int LeadingNumber(QStringView field) {
  // The fields are at most four characters; the bound keeps any longer field in range.
  const NumberForm digitsOnly{.sign = false, .fraction = false, .restIgnored = true};
  return static_cast<int>(ReadNumber(field.first(std::min<qsizetype>(field.size(), 9)), digitsOnly).value_or(0.0));
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
