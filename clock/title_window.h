#pragma once

#include "platform/window_kit.h"

class QPushButton;
class QRadioButton;

namespace gyrolux {

class Prompter;

// The title picture shown at start-up, with "weiter" and the switch that keeps it away
// in future (the file Titel.dat in the working directory).
class TitleWindow : public KitWindow {
 public:
  TitleWindow(Prompter& prompter, QWidget* parent = nullptr);

  // Shows the picture modally in the middle of the desktop; returns when it has closed.
  void run() { runModal(); }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void switchOff();

  Prompter& prompter_;
  QPushButton* continueButton_;
  QRadioButton* neverAgainButton_;
};

}  // namespace gyrolux
