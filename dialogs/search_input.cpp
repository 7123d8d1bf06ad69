#include "dialogs/search_input.h"

#include <algorithm>

#include "dialogs/typed_numbers.h"
#include "engine/factors.h"
#include "engine/formatting.h"

namespace gyrolux {

QString InvalidDegreesMessage() { return QStringLiteral("Das ist kein gültiger Gradwert!"); }
QString InvalidMinutesMessage() { return QStringLiteral("Das ist kein gültiger Minutenwert!"); }

AngleCheck CheckSearchAngle(const QString& degreesText, const QString& minutesText) {
  const std::optional<double> degrees = ReadRealNumber(degreesText);
  if (!degrees || *degrees < 0.0 || *degrees > 22.0) return {std::nullopt, InvalidDegreesMessage(), false};
  const std::optional<double> minutes = ReadRealNumber(minutesText);
  // The largest angle of the mode is 22°30'. The fields hold two characters, so the
  // degrees are whole from 10 on and 22 with more than 30 minutes is the only way past
  // it there; the sum catches longer texts given elsewhere as well.
  if (!minutes || *minutes < 0.0 || *minutes > 59.0 || *degrees + *minutes / 60.0 > 22.5) {
    return {std::nullopt, InvalidMinutesMessage(), true};
  }
  return {*minutes / 60.0 + *degrees, QString(), false};
}

QString SearchIntervalLine(int startYear, int stopYear) {
  return QStringLiteral("10 Minuten Intervall von ") + ZeroPad(std::max(startYear, 0), 4) +
         QStringLiteral(" bis max. ") + ZeroPad(std::max(stopYear, 0), 4);
}

QString SearchYearLine(int year) {
  return QStringLiteral("Aktuelles Jahr: ") + ZeroPad(std::max(year, 0), 4);
}

}  // namespace gyrolux
