#pragma once

#include <QRectF>

#include "platform/picture.h"

namespace gyrolux {

// The box of everything a picture draws, in its logical pixels: lines with their pen,
// shapes, pixels, images, and each text's inked glyphs in its font, turned by its
// escapement. A picture whose canvas holds this box loses nothing when it is saved or
// copied. Texts are measured with the installed fonts (a QGuiApplication must exist).
QRectF DrawnBounds(const Picture& picture);

}  // namespace gyrolux
