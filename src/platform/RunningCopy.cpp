// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunningCopy.h"

#include <QCryptographicHash>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QMetaClassInfo>

namespace clavora {

namespace {
const QString ObjectPath = QStringLiteral("/org/orvella/Clavora");
// A copy busy in a modal dialog still answers; one that hangs is not waited for long.
constexpr int AnswerMilliseconds = 3000;

// The same file reached through a link or a relative path is the same file; the folder of
// an installed copy may not exist yet.
QString settingsKey(const QString& settingsFile)
{
    const QFileInfo file(settingsFile);
    const QString folder = QDir(file.absolutePath()).canonicalPath();
    return (folder.isEmpty() ? QDir::cleanPath(file.absolutePath()) : folder) + u'/' + file.fileName();
}
} // namespace

RunningCopy::RunningCopy(const QString& settingsFile, QDBusConnection bus)
    : bus_(std::move(bus)),
      service_(QStringLiteral("org.orvella.Clavora.Settings_")
               + QString::fromLatin1(QCryptographicHash::hash(settingsKey(settingsFile).toUtf8(),
                                                              QCryptographicHash::Sha256)
                                         .toHex()
                                         .left(32)))
{
}

bool RunningCopy::claim()
{
    if (!bus_.isConnected())
        return true;
    // The object first: a second start may call it as soon as the name is taken.
    bus_.registerObject(ObjectPath, this, QDBusConnection::ExportScriptableSlots);
    if (bus_.registerService(service_))
        return true;
    bus_.unregisterObject(ObjectPath);
    const QMetaObject& meta = staticMetaObject;
    const auto call = QDBusMessage::createMethodCall(
        service_, ObjectPath, QString::fromLatin1(meta.classInfo(meta.indexOfClassInfo("D-Bus Interface")).value()),
        QStringLiteral("activate"));
    bus_.call(call, QDBus::BlockWithGui, AnswerMilliseconds);
    return false;
}

void RunningCopy::activate()
{
    emit startedAgain();
}

} // namespace clavora
