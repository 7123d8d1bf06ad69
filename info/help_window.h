#pragma once

#include "platform/window_kit.h"

class QPushButton;

namespace gyrolux {

// "Hilfen zur vergrößerten Diagramm-Anzeige": what the enlarged dial's commands do, and a
// recommendation for reading a dial with its house circle turned.
class HelpWindow : public KitWindow {
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the window modally in the middle of the desktop; returns when it has closed.
  void run();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* backButton_ = nullptr;
};

}  // namespace gyrolux
