#include "clock/interval_input.h"

#include "engine/field_readers.h"

namespace gyrolux {

IntervalAcceptance AcceptIntervalText(const QString& text, ClockState& clock) {
  IntervalAcceptance result;
  // Signs, digits and one point, nothing else; a number too long to be finite is none.
  const std::optional<double> value = ReadNumber(text, {});
  result.cleanNumber = value.has_value();
  clock.intervalMinutes = value.value_or(0.0);
  if (clock.intervalMinutes > 0.0) {
    clock.unit = IntervalUnit::Minutes;
    result.closeDialog = true;
  }
  return result;
}

}  // namespace gyrolux
