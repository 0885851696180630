// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardPlacement.h"

namespace clavora {

namespace {
constexpr int OwnerGap = 120;
}

std::optional<QPoint> keyboardPosition(const TwipsBox& owner, int ownHeight, int screenHeight, int leftOffset)
{
    const int below = owner.top + owner.height + OwnerGap;
    if (below + ownHeight < screenHeight)
        return QPoint(owner.left + leftOffset, below);
    const int above = owner.top - OwnerGap - ownHeight;
    if (above > 0)
        return QPoint(owner.left + leftOffset, above);
    return std::nullopt;
}

} // namespace clavora
