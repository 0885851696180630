// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardPlacement.h"

namespace clavora {

namespace {
constexpr int OwnerGap = 120;
}

std::optional<QPoint> keyboardPosition(const TwipsBox& owner, int ownHeight, const TwipsBox& screen, int leftOffset)
{
    const int below = owner.top + owner.height + OwnerGap;
    if (below + ownHeight < screen.top + screen.height)
        return QPoint(owner.left + leftOffset, below);
    const int above = owner.top - OwnerGap - ownHeight;
    if (above > screen.top)
        return QPoint(owner.left + leftOffset, above);
    return std::nullopt;
}

} // namespace clavora
