#pragma once

#include <functional>
#include <optional>

#include "pictures/graphic_ephemeris.h"
#include "platform/picture.h"
#include "platform/window_kit.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;

namespace gyrolux {

struct Session;
class EphemerisView;

// "Grafische Ephemeride": the positions of the chosen factors over a period in a dial
// mode, with the radix's factors (and on request its midpoints) as lines. Hovering shows
// the date, world time and degree under the mouse; a click sets the clock (halted) to that
// moment and closes the window. Printed on A4 landscape, exported as PDF, SVG or PNG from
// the context menu of the picture.
class EphemerisWindow : public KitWindow {
 public:
  EphemerisWindow(Session& session, QWidget* parent = nullptr);

  // Shows the window modally from the clock's date on for a year; true when a click set
  // the clock to a new moment.
  bool run();

 private:
  void draw();
  void hover(QPointF at);
  void pick(QPointF at);
  void print();

  Session& session_;
  GraphicEphemerisRequest request_;
  std::optional<Picture> picture_;
  bool momentSet_ = false;

  QLineEdit* fromEdit_ = nullptr;
  QLineEdit* toEdit_ = nullptr;
  QComboBox* modeBox_ = nullptr;
  QMenu* factorMenu_ = nullptr;
  QCheckBox* radixBox_ = nullptr;
  QCheckBox* midpointsBox_ = nullptr;
  QLabel* hoverLabel_ = nullptr;
  EphemerisView* view_ = nullptr;
};

}  // namespace gyrolux
