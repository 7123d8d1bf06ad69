#include "clock/window_fonts.h"

namespace gyrolux {

QString WindowFontFamily(const QString& face) {
  const QString name = face.toLower();
  if (name == u"ms sans serif" || name == u"arial" || name == u"ariel") {
    return QStringLiteral("Liberation Sans");
  }
  if (name == u"courier new") return QStringLiteral("Liberation Mono");
  return face;
}

QFont WindowFont(const QString& face, int pixelSize, bool bold) {
  QFont font(WindowFontFamily(face));
  font.setPixelSize(pixelSize > 0 ? pixelSize : kEightPointPixels);
  font.setBold(bold);
  return font;
}

}  // namespace gyrolux
