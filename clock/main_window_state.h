#pragma once

#include <array>
#include <optional>

#include <QPoint>
#include <QRgb>
#include <QString>
#include <QStringList>

#include "pictures/axis_strip.h"
#include "platform/colors.h"
#include "platform/picture.h"

namespace gyrolux {

// The main window's buttons that `buttons` switches all together.
enum class MainButton : int {
  Exit,
  Moment,
  Interval,
  Halt,
  LastMoment,
  Evaluate,
  About,
  PictureSearch,
  Enlarge,
  MidpointSearch,
  Introduction,
  RealTime,
};
inline constexpr int kMainButtonCount = 12;

// Where the next operation wants the keyboard focus.
enum class FocusRequest { None, HaltButton, EnlargeButton, AboutButton };

// The last drawing of the dial area with the four main-axis lists. serial grows with
// every drawing, so the window knows when to show it (and copy it to the clipboard).
struct MainDrawing {
  int serial = 0;
  std::optional<Picture> picture;
  bool isAxisStrip = false;
  std::array<QStringList, 4> lists;  // MC/MC, SO/SO, AS/AS, MO/MO
};

// What the main window shows besides the pictures and lists: the clock's operations set
// it, the window copies it onto its widgets.
struct MainWindowState {
  // The introduction button starts disabled; it is enabled by the first `buttons` on.
  std::array<bool, kMainButtonCount> enabled = {true, true, true, true, true, true,
                                                true, true, true, true, false, true};
  int scrollPosition = 21;
  QString tempoLabel = QStringLiteral("1");
  QString ticksLabel = QStringLiteral("Takte/Sek:1");
  QString intervalLabel = QStringLiteral("Sek/Takt:1");
  QString dateLabel;
  QString timeLabel;
  QRgb dateLabelColor = clBlack;
  QRgb timeLabelColor = clMaroon;
  QString searchResultText;
  QPoint searchResultPos{436, 531};
  int windowHeight = 588;
  bool aboutPanelShown = false;
  bool coverShown = false;
  bool enlargeButtonVisible = true;
  bool optionBoxesVisible = false;
  QPoint statusPos{390, 460};
  QRgb background = clCream;
  // The check boxes that the drawing reads.
  bool linearGraphic = false;
  AxisStripOptions stripOptions;
  FocusRequest focus = FocusRequest::None;
  MainDrawing drawing;

  bool isEnabled(MainButton b) const { return enabled[static_cast<int>(b)]; }
  void setEnabled(MainButton b, bool on) { enabled[static_cast<int>(b)] = on; }
};

// The status pair: " Diagramm dreht " in lime with "&Halt" while the clock runs,
// " Diagramm steht " in red with "&Weiter" while it stands.
QString StatusText(bool running);
QRgb StatusColor(bool running);
QString HaltCaption(bool running);

}  // namespace gyrolux
