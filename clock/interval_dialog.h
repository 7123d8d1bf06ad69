#pragma once

#include "platform/window_kit.h"

#include "session/clock_state.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace gyrolux {

// "Die Schrittweite pro Takt": the clock's step per tick as minutes or as one of the fixed
// steps of a day, a week, thirty days or a year. It writes the clock's unit and minutes.
class IntervalDialog : public KitWindow {
 public:
  IntervalDialog(ClockState& clock, QWidget* parent = nullptr);

  // "0" into the minutes field, then shown modally.
  void run();

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void acceptMinutes();
  void chooseUnit(IntervalUnit unit);

  ClockState& clock_;
  QPlainTextEdit* helpText_;
  QLineEdit* minutesField_;
  QPushButton* unitButtons_[4];
  // Quiet while the dialog closes, so that the field losing its focus then stores nothing.
  FieldLeaveWatch* leaveWatch_;
};

}  // namespace gyrolux
