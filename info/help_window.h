#pragma once

#include "info/text_window.h"

namespace gyrolux {

// "Hilfen zur vergrößerten Diagramm-Anzeige": what the enlarged dial's commands do, and a
// recommendation for reading a dial with its house circle turned.
class HelpWindow : public TextWindow {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
};

}  // namespace gyrolux
