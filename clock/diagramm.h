#pragma once

#include <array>
#include <optional>

#include <QImage>
#include <QStringList>

#include "platform/picture.h"

namespace gyrolux {

class ClockController;

struct DiagrammResult {
  // The drawing was given up (STELLIA.TXT could not be written): nothing new to show.
  bool abandoned = false;
  // The round dial or, with "Linear-Grafik", the axis strip; none while the dial is
  // covered.
  std::optional<Picture> picture;
  bool isAxisStrip = false;
  // MC/MC, SO/SO, AS/AS, MO/MO.
  std::array<QStringList, 4> lists;
};

// The main window's drawing of the current moment: the chart recomputed; while the dial
// is uncovered either the axis strip or, after the stellium detection (which may halt
// the clock and writes STELLIA.TXT), the round dial; and the four main-axis lists. Sets
// the window's background, the status text's place and the option boxes' visibility in
// the controller's state.
DiagrammResult Diagramm(ClockController& controller, const QImage& icon);

}  // namespace gyrolux
