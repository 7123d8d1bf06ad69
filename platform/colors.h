#pragma once

#include <QRgb>

namespace gyrolux {

// The system's colour names.
inline constexpr QRgb clBlack = qRgb(0x00, 0x00, 0x00);
inline constexpr QRgb clMaroon = qRgb(0x80, 0x00, 0x00);
inline constexpr QRgb clGreen = qRgb(0x00, 0x80, 0x00);
inline constexpr QRgb clTeal = qRgb(0x00, 0x80, 0x80);
inline constexpr QRgb clNavy = qRgb(0x00, 0x00, 0x80);
inline constexpr QRgb clSilver = qRgb(0xC0, 0xC0, 0xC0);
inline constexpr QRgb clRed = qRgb(0xFF, 0x00, 0x00);
inline constexpr QRgb clLime = qRgb(0x00, 0xFF, 0x00);
inline constexpr QRgb clYellow = qRgb(0xFF, 0xFF, 0x00);
inline constexpr QRgb clCream = qRgb(0xFF, 0xFB, 0xF0);
inline constexpr QRgb clMoneyGreen = qRgb(0xC0, 0xDC, 0xC0);
inline constexpr QRgb clWhite = qRgb(0xFF, 0xFF, 0xFF);
inline constexpr QRgb clBlue = qRgb(0x00, 0x00, 0xFF);

}  // namespace gyrolux
