// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunningCopy.h"

#include <QCryptographicHash>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QMetaClassInfo>
#include <cstdio>

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
    : settingsFile_(settingsFile),
      bus_(std::move(bus)),
      service_(QStringLiteral("org.orvella.Clavora.Settings_")
               + QString::fromLatin1(QCryptographicHash::hash(settingsKey(settingsFile).toUtf8(),
                                                              QCryptographicHash::Sha256)
                                         .toHex()
                                         .left(32))),
      lock_(settingsFile + QStringLiteral(".lock"))
{
    // Only a lock whose program has ended is stale, however old it is.
    lock_.setStaleLockTime(0);
}

bool RunningCopy::claim()
{
    if (!claimService())
        return false;
    // Installed, the settings folder may not exist before the first save.
    QDir().mkpath(QFileInfo(lock_.fileName()).path());
    if (lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError)
        return true;
    qint64 pid = 0;
    lock_.getLockInfo(&pid, nullptr, nullptr);
    std::fprintf(stderr, "Clavora is already running on the settings file \"%s\" (process %lld); this copy ends.\n",
                 qPrintable(QDir::toNativeSeparators(settingsFile_)), static_cast<long long>(pid));
    return false;
}

bool RunningCopy::claimService()
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
