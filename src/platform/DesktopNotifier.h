// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// Desktop notifications (org.freedesktop.Notifications on the session bus): they stay on the
// desktop after the program has ended.
class DesktopNotifier {
public:
    // Waits a moment for the desktop to take the notification; does nothing without a
    // session bus or a notification service.
    void notify(const QString& title, const QString& text);
};

} // namespace clavora
