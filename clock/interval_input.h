#pragma once

#include <QString>

#include "session/clock_state.h"

namespace gyrolux {

// The minutes field of the interval dialog holds at most six characters.
inline constexpr int kIntervalFieldLength = 6;

struct IntervalAcceptance {
  bool cleanNumber = false;  // false: the focus goes back into the field
  bool closeDialog = false;  // the value was above 0: minutes unit set
};

// Accepting the minutes field: the value is stored into intervalMinutes at once, whatever
// it is (a text that is not a plain decimal number, a sign, digits and
// one point, counts as 0); above 0 it also makes minutes
// the unit and closes the dialog, otherwise the unit stays and the dialog stays open.
IntervalAcceptance AcceptIntervalText(const QString& text, ClockState& clock);

}  // namespace gyrolux
