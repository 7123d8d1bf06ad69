#pragma once

#include "platform/window_kit.h"

class QPushButton;

namespace gyrolux {

// "Einige einführende Hinweise zu diesem Programm": five panels of fixed text about the
// program, centred over the window that opens it. The main window halts the clock and
// switches its commands off while it is open.
class IntroductionWindow : public KitWindow {
 public:
  explicit IntroductionWindow(QWidget* parent = nullptr);

  // Shows the window modally; returns when it has closed.
  void run();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* backButton_ = nullptr;
};

}  // namespace gyrolux
