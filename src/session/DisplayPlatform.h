// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QByteArray>
#include <QProcessEnvironment>

namespace clavora {

// The Qt platform the program asks for before it connects to a display: "xcb" in a Wayland
// session that offers XWayland and where the person has chosen no platform, since only an X
// window may place itself (the keyboard below the window in use, the game at Main's corner);
// empty leaves the choice to Qt, native Wayland included.
QByteArray chosenPlatform(const QProcessEnvironment& environment);

} // namespace clavora
