#pragma once

#include <QDialog>

class QPushButton;
class QRadioButton;

namespace gyrolux {

class Prompter;

// The title picture shown at start-up, with "weiter" and the switch that keeps it away
// in future (the file Titel.dat in the working directory).
class TitleWindow : public QDialog {
 public:
  TitleWindow(Prompter& prompter, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void switchOff();

  Prompter& prompter_;
  QPushButton* continueButton_;
  QRadioButton* neverAgainButton_;
};

}  // namespace gyrolux
