// SPDX-License-Identifier: GPL-3.0-or-later
#include "DisplayPlatform.h"

namespace clavora {

QByteArray chosenPlatform(const QProcessEnvironment& environment)
{
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() ||
                         environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
    const bool chosen = !environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty();
    const bool xwayland = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    return wayland && !chosen && xwayland ? QByteArrayLiteral("xcb") : QByteArray();
}

} // namespace clavora
