#pragma once

#include "info/text_window.h"

namespace gyrolux {

// "Einige einführende Hinweise zu diesem Programm": five panels of fixed text about the
// program, centred over the window that opens it. The main window halts the clock and
// switches its commands off while it is open.
class IntroductionWindow : public TextWindow {
 public:
  explicit IntroductionWindow(QWidget* parent = nullptr);
};

}  // namespace gyrolux
