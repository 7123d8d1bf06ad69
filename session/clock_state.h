#pragma once

namespace gyrolux {

// The step of one clock tick. Exactly one unit is active.
enum class IntervalUnit { Seconds, Minutes, Day, Week, Month, Year };

// The clock's stepping machinery as the main window and the dialogs set it.
struct ClockState {
  IntervalUnit unit = IntervalUnit::Seconds;
  double intervalMinutes = 1.0 / 60.0;  // the step of the minutes unit
  int tempo = 1;                        // ticks per second, signed: -20..+20, 0 halted
  bool running = false;                 // the timer is enabled
  int periodMs = 200;                   // the timer period
};

}  // namespace gyrolux
