#include "clock/interval_input.h"

#include <cmath>

#include <QRegularExpression>

namespace gyrolux {

bool IsCleanDecimal(const QString& text) {
  static const QRegularExpression kDecimal(QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)$"));
  return kDecimal.match(text).hasMatch();
}

IntervalAcceptance AcceptIntervalText(const QString& text, ClockState& clock) {
  IntervalAcceptance result;
  bool converted = false;
  const double value = IsCleanDecimal(text) ? text.toDouble(&converted) : 0.0;
  // Six characters keep the value below 10^6; a longer text could overflow to infinity.
  result.cleanNumber = converted && std::isfinite(value);
  clock.intervalMinutes = result.cleanNumber ? value : 0.0;
  if (clock.intervalMinutes > 0.0) {
    clock.unit = IntervalUnit::Minutes;
    result.closeDialog = true;
  }
  return result;
}

}  // namespace gyrolux
