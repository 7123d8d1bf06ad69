#pragma once

#include "engine/chart.h"
#include "platform/picture.h"

namespace gyrolux {

// The white strip is 515 x 525: it holds the scale, which runs on to 22 degrees at x = 501,
// and the legend's last column from x = 440, so that its frame crosses no text. The glyph
// of a factor near 22.5 degrees stands on its right edge; the picture is as wide as what it
// draws, so a saved or copied strip holds all of it.
inline constexpr int kAxisStripWidth = 515;
inline constexpr int kAxisStripHeight = 525;
inline constexpr int kAxisStripPictureWidth = 530;
inline constexpr const char* kAxisStripFileName = "dia.wmf";

// The three option boxes of the linear graphic.
struct AxisStripOptions {
  bool withMc = false;
  bool withAs = false;
  bool withTranspluto = false;
};

// The factors of the strip from top to bottom: MC, AS, SO, MO, ME .. PL, KN, CU .. PO.
inline constexpr std::array<int, 21> kAxisStripOrder = {MC, AS, SO, MO, ME, VE, MA, JU, SA, UR, NE,
                                                        PL, KN, CU, HA, ZE, KR, AP, AD, VU, PO};

// Whether the strip draws a factor's row (its legend entry is written in any case).
bool AxisStripShows(int factor, const AxisStripOptions& options);

// The linear 0° to 22° strip of the 22.5-degree mode: the scale, one row per factor with
// its glyph and a red marker at its place, the legend of all factors with their
// positions, and the moment in the bottom line. With a radix, below that line the radix's
// own axis in its colour: each factor's place on the same scale.
Picture DrawAxisStrip(const Chart& chart, const AxisStripOptions& options, const ChartState* radix = nullptr);

}  // namespace gyrolux
