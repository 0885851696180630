// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>

namespace clavora {

// A colour as the settings file stores it, 0x00BBGGRR: red in the low byte, then green,
// then blue (the reverse of QRgb and of HTML's #RRGGBB).
using Rgb = std::uint32_t;

constexpr Rgb rgb(int red, int green, int blue)
{
    return Rgb(red & 0xFF) | Rgb(green & 0xFF) << 8 | Rgb(blue & 0xFF) << 16;
}
constexpr int redOf(Rgb c) { return int(c & 0xFF); }
constexpr int greenOf(Rgb c) { return int(c >> 8 & 0xFF); }
constexpr int blueOf(Rgb c) { return int(c >> 16 & 0xFF); }

constexpr Rgb PureGreen = 65280;
constexpr Rgb PureRed = 255;
constexpr Rgb DefaultWindowColour = 0;
constexpr Rgb DefaultTextColour = 0xFF9900;

} // namespace clavora
