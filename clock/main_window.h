#pragma once

#include <array>
#include <functional>

#include <QWidget>

#include "clock/clock_controller.h"
#include "clock/main_menu_bar.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;
class QTimer;

namespace gyrolux {

struct Session;
class DialView;
class EvaluationWindow;
class IntervalDialog;
class MomentDialog;
class SearchDialog;
class SettingsWindow;
class Panel;
class RadixWindow;
class EphemerisWindow;
class TitleWindow;

// "Die Mini-Gyrolux, Version 5.0": the running clock with its wheel, the four main-axis
// lists and the commands. The ClockController holds what the buttons do; this window
// copies its state onto the widgets and the timer after every operation. The widgets
// carry object names (the buttons those of MainButtonObjectName).
class MainWindow : public QWidget {
 public:
  explicit MainWindow(Session& session, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up of the first showing: title picture, place from ALT.DAT, system time,
  // font check, places file, the stellium question, the clock started. Runs once; a
  // showing runs it by itself.
  void startUp();

  // One expiry of the clock's timer. A tick never runs inside another command (a
  // command's message box would otherwise let it in); it is then dropped.
  void tick();

  ClockController& controller() { return controller_; }

  // The windows that the main window opens, by the command that opens them. Each runs its
  // window modally and returns when it has closed; the controller halts the clock and
  // switches the buttons around it.
  void setModalWindow(ModalWindow which, std::function<void()> show);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildLayout();
  // The menu bar above the defined content, with its menus.
  void buildMenuBar();
  void showRadixName();
  int menuBarHeight() const { return menuBar_.height; }
  QPushButton* button(MainButton which) const { return buttons_[static_cast<int>(which)]; }
  // Runs a controller operation, then shows the state it left.
  void run(const std::function<void()>& operation);
  void openModal(ModalWindow which);
  void showState();
  void showButtons();
  void showDrawing();
  void followClock(bool running);
  void applyHintSettings();
  // The menu "&Extras" with "Einstellungen …" on the window's menu bar, and the sky shown
  // in the bar's corner while it is not the model.
  void addExtrasMenu();
  void showEphemeris();

  Session& session_;
  ClockController controller_;
  QTimer* timer_ = nullptr;
  bool startUpDone_ = false;
  int busy_ = 0;  // commands under way
  int shownDrawing_ = 0;
  std::array<std::function<void()>, 7> modalWindows_;

  IntervalDialog* intervalDialog_ = nullptr;
  SettingsWindow* settingsWindow_ = nullptr;
  QLabel* ephemerisLabel_ = nullptr;
  MomentDialog* momentDialog_ = nullptr;
  SearchDialog* pictureSearchDialog_ = nullptr;
  SearchDialog* midpointSearchDialog_ = nullptr;
  TitleWindow* titleWindow_ = nullptr;
  EvaluationWindow* evaluationWindow_ = nullptr;

  DialView* dialView_ = nullptr;
  QLabel* cover_ = nullptr;
  std::array<QPushButton*, kMainButtonCount> buttons_{};
  std::array<QCheckBox*, 3> optionBoxes_{};
  std::array<QPlainTextEdit*, 4> axisLists_{};
  QLabel* statusLabel_ = nullptr;
  QLabel* searchResultLabel_ = nullptr;
  QWidget* aboutPanel_ = nullptr;
  QLabel* dateLabel_ = nullptr;
  QLabel* timeLabel_ = nullptr;
  QLabel* placeLabel_ = nullptr;
  QLabel* intervalLabel_ = nullptr;
  QLabel* ticksLabel_ = nullptr;
  QLabel* tempoLabel_ = nullptr;
  QScrollBar* tempoScrollBar_ = nullptr;

  MainMenuBar menuBar_;
  RadixWindow* radixWindow_ = nullptr;
  EphemerisWindow* ephemerisWindow_ = nullptr;
};

// The object name of a main-window button ("haltButton", "evaluateButton", ...).
QString MainButtonObjectName(MainButton which);

}  // namespace gyrolux
