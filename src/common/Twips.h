// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <algorithm>
#include <cstdint>
#include <limits>

namespace clavora {

// 15 twips to a pixel at 96 dpi; Qt scales pixels for other screens.
constexpr int TwipsPerPixel = 15;

// In 64 bits, so that no position read from a file can overflow; the result fits an int.
constexpr int twipsToPixels(std::int64_t twips)
{
    const std::int64_t pixels = twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                                           : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
    return int(std::clamp<std::int64_t>(pixels, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
constexpr std::int32_t pixelsToTwips(std::int64_t pixels)
{
    return std::int32_t(std::clamp<std::int64_t>(pixels * TwipsPerPixel, std::numeric_limits<std::int32_t>::min(),
                                                 std::numeric_limits<std::int32_t>::max()));
}

// A window's edge along one axis, moved as little as needed for the window to lie on the
// screen (its start edge wins when the window is larger than the screen).
constexpr int keepOnScreen(int edge, int size, int screenStart, int screenSize)
{
    const std::int64_t last = std::int64_t(screenStart) + screenSize - size;
    return int(std::max<std::int64_t>(screenStart, std::min<std::int64_t>(edge, last)));
}

} // namespace clavora
