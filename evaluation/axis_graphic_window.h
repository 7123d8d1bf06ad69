#pragma once

#include <optional>


#include "evaluation/diagram_files.h"
#include "engine/dial_mode.h"
#include "platform/picture.h"
#include "platform/window_kit.h"

namespace gyrolux {

struct Session;
class DialView;

// "Die Achsen 0° bis 22,5°": the axis graphic of the halted chart on green, printed,
// saved as yyyymmdd_nnn.WMF (one name for every save of a showing) and exported. Each
// drawing goes to "dia.wmf" and the clipboard; "dia.wmf" is deleted when the window
// closes. A choice beside the buttons draws the strip in another dial mode (22.5 degrees
// as defined unless chosen).
class AxisGraphicWindow : public KitWindow {
 public:
  AxisGraphicWindow(Session& session, QWidget* parent = nullptr);

  // Shows the window modally; returns when it has closed.
  void run();

  void done(int result) override;

 private:
  void print();
  void save();
  void chooseMode(int index);

  Session& session_;
  AxisGraphicSaves saves_;
  std::optional<Picture> picture_;
  DialView* view_ = nullptr;
  DialMode mode_ = kMode22_5;
};

}  // namespace gyrolux
