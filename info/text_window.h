#pragma once

#include "platform/window_kit.h"

class QPushButton;

namespace gyrolux {

// A window of fixed texts that one button, "Zurück", closes; the button has the focus when
// the window opens, so Enter or Space close it at once.
class TextWindow : public KitWindow {
 public:
  // Shows the window modally; returns when it has closed.
  void run() { runModal(); }

 protected:
  using KitWindow::KitWindow;
  // Places the button; called after the texts, so that it comes last in the Tab order.
  void addBackButton(QRect geometry);
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* backButton_ = nullptr;
};

}  // namespace gyrolux
