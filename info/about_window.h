#pragma once

#include "info/text_window.h"

namespace gyrolux {

// "Über Gyrolux", from the menu bar: the program's licence and the works it uses with
// their attributions, in one read-only panel.
class AboutWindow : public TextWindow {
 public:
  explicit AboutWindow(QWidget* parent = nullptr);
};

}  // namespace gyrolux
