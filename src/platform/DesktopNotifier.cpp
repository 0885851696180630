// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopNotifier.h"

#include "common/Captions.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace clavora {

namespace {
const QString DesktopEntry = QStringLiteral("org.orvella.Clavora");
// Long enough for a service that is started on demand, short enough for a program that ends.
constexpr int AnswerMilliseconds = 1000;
} // namespace

void DesktopNotifier::notify(const QString& title, const QString& text)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.Notifications"),
                                                       QStringLiteral("/org/freedesktop/Notifications"),
                                                       QStringLiteral("org.freedesktop.Notifications"),
                                                       QStringLiteral("Notify"));
    // Application, no notification to replace, the icon, summary, body, no actions, hints,
    // the server's own expiry.
    call << QString(ProductName) << 0u << DesktopEntry << title << text << QStringList()
         << QVariantMap{{QStringLiteral("desktop-entry"), DesktopEntry}} << -1;
    bus.call(call, QDBus::Block, AnswerMilliseconds);
}

} // namespace clavora
