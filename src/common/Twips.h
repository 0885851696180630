// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

// 15 twips to a pixel at 96 dpi; Qt scales pixels for other screens.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel
                      : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}
constexpr int pixelsToTwips(int pixels) { return pixels * TwipsPerPixel; }

} // namespace clavora
