#pragma once

#include <array>
#include <optional>


#include "pictures/enlarged_dial.h"
#include "pictures/mode_dial.h"
#include "platform/picture.h"
#include "platform/window_kit.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollBar;

namespace gyrolux {

struct Session;
class AxisGraphicWindow;
class DialView;
class HelpWindow;

// "Diagramm-Vergrößerung": the halted chart on the enlarged dial with the house circle of
// MC, WI, SO, AS, MO or KN, turned by the scroll bar; it prints the dial and the
// calculating dial, saves the dial as MCPic-nn.WMF, exports it, and opens the axis
// graphic and the help. Every drawing is written to "img.wmf" and put on the clipboard;
// "img.wmf" is deleted when the window closes.
//
// Beside the defined controls: the dial mode (360° the zodiac as defined, or the 90-,
// 45- and 22.5-degree dials) and the pointer, turned by dragging on the dial, by the wheel
// and by the arrow keys (1°, with Shift 0.1°), with the midpoint tree at the pointer below
// it; clicking a branch of the tree puts the pointer on it.
class EnlargedDialWindow : public KitWindow {
 public:
  EnlargedDialWindow(Session& session, QWidget* parent = nullptr);

  // Shows the window modally with the MC circle not turned; returns when it has closed.
  void run();

  void done(int result) override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void draw();
  void chooseCircle(int factor);
  void printDial();
  void printCalculatingDial();
  void save();
  void showAxisGraphic();
  void setCommandsEnabled(bool on);
  void chooseMode(int index);
  void setPointer(double position);
  bool pointerEvent(QEvent* event);

  Session& session_;
  HouseCircle circle_;
  DialDrawing drawing_;
  std::optional<Picture> picture_;
  bool writeErrorShown_ = false;

  DialView* view_ = nullptr;
  std::array<QRadioButton*, 6> circleButtons_{};
  QScrollBar* rotationBar_ = nullptr;
  QLabel* rotationLabel_ = nullptr;
  QPushButton* backButton_ = nullptr;
  QPushButton* calculatingDialButton_ = nullptr;
  QPushButton* printButton_ = nullptr;
  QPushButton* saveButton_ = nullptr;
  QPushButton* axisGraphicButton_ = nullptr;
  QComboBox* modeBox_ = nullptr;
  QLabel* pointerLabel_ = nullptr;
  QListWidget* tree_ = nullptr;
  AxisGraphicWindow* axisGraphic_ = nullptr;
  HelpWindow* help_ = nullptr;
};

}  // namespace gyrolux
