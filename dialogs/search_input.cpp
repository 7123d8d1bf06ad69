#include "dialogs/search_input.h"

#include <algorithm>

#include "engine/factors.h"
#include "engine/field_readers.h"
#include "engine/formatting.h"

namespace gyrolux {

QString InvalidDegreesMessage() { return QStringLiteral("Das ist kein gültiger Gradwert!"); }
QString InvalidMinutesMessage() { return QStringLiteral("Das ist kein gültiger Minutenwert!"); }

AngleCheck CheckSearchAngle(const QString& degreesText, const QString& minutesText) {
  const std::optional<double> degrees = ReadNumber(degreesText, kTypedDecimal);
  const std::optional<double> minutes = ReadNumber(minutesText, kTypedDecimal);
  switch (CheckModeAngle(degrees, minutes)) {
    case AngleFault::Degrees: return {std::nullopt, InvalidDegreesMessage(), false};
    case AngleFault::Minutes: return {std::nullopt, InvalidMinutesMessage(), true};
    case AngleFault::None: break;
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
