#include "dialogs/typed_numbers.h"

#include <cmath>

#include <QString>

#include "dialogs/places_file.h"

namespace gyrolux {

std::optional<int> ReadWholeNumber(QStringView text) {
  // The same form as a number of a places line.
  return ParseWholeNumberField(text);
}

std::optional<double> ReadRealNumber(QStringView text) {
  text = text.trimmed();
  qsizetype i = 0;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) ++i;
  int digits = 0;
  bool point = false;
  for (qsizetype k = i; k < text.size(); ++k) {
    const char16_t c = text[k].unicode();
    if (c >= u'0' && c <= u'9') {
      ++digits;
    } else if (c == u'.' && !point) {
      point = true;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  // Only signs, digits and one point are left, which the C locale reads exactly.
  bool ok = false;
  const double value = text.toString().toDouble(&ok);
  if (!ok || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace gyrolux
