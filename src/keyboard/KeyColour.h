// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <cstdint>

namespace clavora {

// Finger-zone colours: darker shades for the left hand, full shades for the right.
namespace zone {
constexpr Rgb DarkBlue = 0xC00000;
constexpr Rgb DarkYellow = 0x00C0C0;
constexpr Rgb DarkRed = 0x0000C0;
constexpr Rgb DarkGreen = 0x00C000;
constexpr Rgb Green = 0x00FF00;
constexpr Rgb Red = 0x0000FF;
constexpr Rgb Yellow = 0x00FFFF;
constexpr Rgb Blue = 0xFF0000;
constexpr Rgb Grey = 0x808080;
constexpr Rgb Brown = 0x0040C0;
} // namespace zone

// The zone colour of character key `index` (0 to 47).
Rgb keyColour(std::int16_t index);

} // namespace clavora
