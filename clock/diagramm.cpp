#include "clock/diagramm.h"

#include "midpoints/axis_lists.h"
#include "pictures/dial_picture.h"
#include "pictures/radix_ring.h"
#include "platform/colors.h"

namespace gyrolux {

DiagrammResult Diagramm(Chart& chart, const DiagrammSettings& settings) {
  DiagrammResult result;
  RecomputeChart(chart);
  if (settings.dialShown) {
    if (settings.linearGraphic) {
      result.optionBoxesVisible = true;
      result.statusPos = QPoint(392, 440);
      result.background = clGreen;
      result.picture = DrawAxisStrip(chart, settings.stripOptions, settings.radix);
      result.isAxisStrip = true;
    } else {
      result.optionBoxesVisible = false;
      result.statusPos = QPoint(392, 6);
      result.stellium = FindStellium(chart.state.factorLongitude);
      result.background = clNavy;
      result.picture = DrawDial(chart.state, settings.symbolFontPresent, settings.icon);
      if (settings.radix) DrawRadixRing(*result.picture, *settings.radix, settings.symbolFontPresent);
    }
  }
  result.lists = MainAxisLists(chart.state.factorLongitude, settings.pictureOrb);
  return result;
}

}  // namespace gyrolux
