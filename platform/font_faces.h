#pragma once

#include <QFont>
#include <QString>

#include "platform/picture.h"

namespace gyrolux {

// The drawings ask for faces by the names they had on the machines the pictures were
// designed on ("ms sans serif", "ariel", "courier new", ...). This gives the installed
// family that stands in for such a name; any other name is passed on unchanged.
QString InstalledFamilyFor(const QString& face);

// Character height in pixels of a font of pointSize points on a device of dpi dots per
// inch, rounded as the Windows MulDiv rounds (8 points at 96 dpi: 11 pixels). Sizes
// below 1 point or above 4000 points are taken as those limits.
int FontPixelHeight(int pointSize, int dpi = 96);

// The Qt font for a picture font, its character height in pixels of a dpi device.
QFont QFontFor(const PictureFont& font, int dpi = 96);

}  // namespace gyrolux
