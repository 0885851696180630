// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/DesktopLayout.h"

namespace clavora {

// The desktop's keyboard layout as the X server has it: the XKB rules names on the root
// window and the keyboard's active group, on Qt's own X connection. Without X (the offscreen
// platform) or without XKB the name is empty.
DesktopLayoutName readDesktopLayout();

} // namespace clavora
