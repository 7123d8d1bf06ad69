#pragma once

#include <QFont>
#include <QString>

namespace gyrolux {

// A font of the windows by the face name they were laid out with ("MS Sans Serif",
// "Courier New", ...; the platform gives the installed face standing in for it) and its
// character height in pixels.
QFont WindowFont(const QString& face, int pixelSize, bool bold = false);

// 8 points on the 96 dpi screen the windows were laid out on: 11 pixels.
inline constexpr int kEightPointPixels = 11;

}  // namespace gyrolux
