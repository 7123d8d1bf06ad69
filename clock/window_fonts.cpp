#include "clock/window_fonts.h"

#include "platform/font_faces.h"

namespace gyrolux {

QFont WindowFont(const QString& face, int pixelSize, bool bold) {
  QFont font(InstalledFamilyFor(face));
  font.setPixelSize(pixelSize > 0 ? pixelSize : kEightPointPixels);
  font.setBold(bold);
  return font;
}

}  // namespace gyrolux
