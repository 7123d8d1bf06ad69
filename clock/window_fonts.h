#pragma once

#include <QFont>
#include <QString>

namespace gyrolux {

// The faces the windows were laid out with ("MS Sans Serif", "Courier New", "Arial",
// "ariel") stand for installed metric-compatible faces; other names (the symbol font)
// are used as they are.
QString WindowFontFamily(const QString& face);

// A font of the windows by face name and character height in pixels.
QFont WindowFont(const QString& face, int pixelSize, bool bold = false);

// 8 points on the 96 dpi screen the windows were laid out on: 11 pixels.
inline constexpr int kEightPointPixels = 11;

}  // namespace gyrolux
