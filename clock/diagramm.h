#pragma once

#include <array>
#include <optional>

#include <QImage>
#include <QPoint>
#include <QRgb>
#include <QStringList>

#include "engine/chart.h"
#include "engine/dial_mode.h"
#include "midpoints/stellium.h"
#include "pictures/axis_strip.h"
#include "platform/picture.h"

namespace gyrolux {

// What the main window's drawing needs besides the chart.
struct DiagrammSettings {
  bool dialShown = true;       // the dial area is uncovered
  bool linearGraphic = false;  // "Linear-Grafik": the axis strip instead of the wheel
  AxisStripOptions stripOptions;
  bool symbolFontPresent = false;
  Orb pictureOrb = kPictureOrb;
  QImage icon;  // the window icon in the middle of the wheel
  const ChartState* radix = nullptr;  // the loaded radix, drawn on the wheel and the strip; none when hidden
};

// The drawing of one moment and what must follow from it.
struct DiagrammResult {
  // The round dial or, with "Linear-Grafik", the axis strip; none while the dial is
  // covered.
  std::optional<Picture> picture;
  bool isAxisStrip = false;
  // The stellium the wheel's detection found (never looked for on the strip or while
  // covered): it is logged to STELLIA.TXT and may halt the clock.
  std::optional<Stellium> stellium;
  // MC/MC, SO/SO, AS/AS, MO/MO.
  std::array<QStringList, 4> lists;
  // The look of the main window around the drawing: the background, the place of the
  // status text and whether the strip's option boxes show. Unchanged while covered.
  std::optional<QRgb> background;
  std::optional<QPoint> statusPos;
  std::optional<bool> optionBoxesVisible;
};

// `Diagramm`: the chart recomputed for its moment; while the dial is uncovered either the
// axis strip or, after the stellium detection, the round dial; and the four main-axis
// lists.
DiagrammResult Diagramm(Chart& chart, const DiagrammSettings& settings);

}  // namespace gyrolux
