#pragma once

#include "platform/window_kit.h"

class QPushButton;

namespace gyrolux {

// "Über Gyrolux", from the menu bar: the program's licence and the works it uses with
// their attributions, in one read-only panel.
class AboutWindow : public KitWindow {
 public:
  explicit AboutWindow(QWidget* parent = nullptr);

  // Shows the window modally; returns when it has closed.
  void run();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QPushButton* backButton_ = nullptr;
};

}  // namespace gyrolux
