#pragma once

#include <array>
#include <functional>
#include <optional>

#include <QFrame>
#include <QImage>
#include <QTimer>
#include <QWidget>

#include "clock/clock_controller.h"
#include "platform/picture.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace gyrolux {

struct Session;
class IntervalDialog;
class TitleWindow;

// The dial area: shows the last picture drawn at its own size at the top-left corner.
class DialView : public QWidget {
 public:
  explicit DialView(QWidget* parent);
  void setPicture(Picture picture);
  const std::optional<Picture>& picture() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<Picture> picture_;
};

// A bevelled panel; a click on the panel itself (not on its children) runs onClick.
class Panel : public QFrame {
 public:
  Panel(QWidget* parent, QRgb color, int bevel, bool raised);
  std::function<void()> onClick;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
};

// "Die Mini-Gyrolux, Version 5.0": the running clock with its wheel, the four main-axis
// lists and the commands. The ClockController holds what the buttons do; this window
// copies its state onto the widgets and the timer after every operation.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(Session& session, QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up of the first showing: title picture, place from ALT.DAT, system time,
  // font check, places file, the stellium question, the clock started. Runs once; a
  // showing runs it by itself.
  void startUp();

  // One expiry of the clock's timer.
  void tick();

  ClockController& controller() { return controller_; }
  QTimer& timer() { return timer_; }
  IntervalDialog& intervalDialog() { return *intervalDialog_; }
  TitleWindow& titleWindow() { return *titleWindow_; }
  DialView& dialView() { return *dialView_; }
  QPushButton* button(MainButton which) const { return buttons_[static_cast<int>(which)]; }
  QScrollBar* tempoScrollBar() const { return tempoScrollBar_; }
  QCheckBox* linearGraphicBox() const { return linearBox_; }
  QLabel* statusLabel() const { return statusLabel_; }
  QLabel* dateLabel() const { return dateLabel_; }
  QLabel* timeLabel() const { return timeLabel_; }
  QLabel* placeLabel() const { return placeLabel_; }
  QLabel* intervalLabel() const { return intervalLabel_; }
  QLabel* ticksLabel() const { return ticksLabel_; }
  QLabel* tempoLabel() const { return tempoLabel_; }
  QLabel* searchResultLabel() const { return searchResultLabel_; }
  QLabel* coverPicture() const { return cover_; }
  QWidget* aboutPanel() const { return aboutPanel_; }
  Panel* bottomPanel() const { return bottomPanel_; }
  // MC/MC, SO/SO, AS/AS, MO/MO.
  QPlainTextEdit* axisList(int index) const { return axisLists_[index]; }
  QCheckBox* optionBox(int index) const { return optionBoxes_[index]; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void buildLayout();
  QPushButton* makeButton(MainButton which, QWidget* parent, const QString& caption,
                          const QString& hint, QRect geometry);
  // Runs a controller operation, then shows the state it left.
  void run(const std::function<void()>& operation);
  // Diagramm: the chart recomputed, the dial or the strip shown, the lists refreshed.
  void refreshDial();
  void showState();
  void applyHintSettings();

  Session& session_;
  ClockController controller_;
  QTimer timer_;
  QImage icon_;
  bool startUpDone_ = false;
  bool inTick_ = false;

  IntervalDialog* intervalDialog_ = nullptr;
  TitleWindow* titleWindow_ = nullptr;

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
  QCheckBox* linearBox_ = nullptr;
  Panel* bottomPanel_ = nullptr;
};

}  // namespace gyrolux
