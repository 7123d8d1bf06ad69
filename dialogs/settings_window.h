#pragma once

#include <functional>

#include <QDialog>

class QRadioButton;

namespace gyrolux {

struct Session;

// "Einstellungen": the sky the program computes in, the defined model or the Swiss
// Ephemeris. "OK" makes the marked one the run's and the program's setting (a refusal is
// shown through the prompter and the window stays open); "Abbrechen" leaves everything.
class SettingsWindow : public QDialog {
 public:
  explicit SettingsWindow(Session& session, QWidget* parent = nullptr);

  // Marks the run's sky, then shown modally.
  void run();

  // Called after a new sky was chosen (the main window redraws).
  std::function<void()> onEphemerisChanged;

 private:
  void accept() override;

  Session& session_;
  QRadioButton* modelButton_;
  QRadioButton* swissButton_;
};

}  // namespace gyrolux
