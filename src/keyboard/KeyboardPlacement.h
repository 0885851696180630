// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "KeyboardForm.h"

#include <QPoint>
#include <optional>

namespace clavora {

// How far right of its owner's left edge the keyboard window stands, in twips.
constexpr int GameOwnerOffset = 345;
constexpr int MainOwnerOffset = 495;

// Where the keyboard window goes beside its owner: below it when it fits on the screen,
// else above it, else nowhere (it stays where the system put it). Outer frames and the
// owner's screen, in twips.
std::optional<QPoint> keyboardPosition(const TwipsBox& owner, int ownHeight, const TwipsBox& screen, int leftOffset);

} // namespace clavora
