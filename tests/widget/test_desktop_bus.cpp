// SPDX-License-Identifier: GPL-3.0-or-later
// What the program says on the session bus, on a bus of the test's own.
#include "platform/DesktopNotifier.h"
#include "platform/RunningCopy.h"

#include <QDBusConnection>
#include <QFile>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

using namespace clavora;

// The desktop's notification service, answering on a thread of its own while the notifier
// waits for it.
class FakeNotifications : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received;

public slots:
    Q_SCRIPTABLE uint Notify(const QString& application, uint replaces, const QString& icon, const QString& summary,
                             const QString& body, const QStringList& actions, const QVariantMap& hints, int expiry)
    {
        received << QStringList{application, QString::number(replaces), icon, summary, body, actions.join(u','),
                                hints.value(QStringLiteral("desktop-entry")).toString(), QString::number(expiry)}
                        .join(u'|');
        return 1;
    }
};

class DesktopBusTest : public QObject {
    Q_OBJECT

private slots:
    void aSecondCopyOnTheSameSettingsHandsOverToTheFirst()
    {
        QTemporaryDir folder;
        RunningCopy first(folder.filePath(QStringLiteral("Clavora.ini")));
        QVERIFY(first.claim());
        QSignalSpy startedAgain(&first, &RunningCopy::startedAgain);
        // Another program: a connection of its own, and the same file by another path.
        RunningCopy second(folder.path() + QStringLiteral("/./Clavora.ini"),
                           QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("second")));
        QVERIFY(!second.claim());
        QTRY_COMPARE(startedAgain.size(), 1);
        RunningCopy otherSettings(folder.filePath(QStringLiteral("Other.ini")),
                                  QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("third")));
        QVERIFY(otherSettings.claim());
    }

    void withoutABusALockFileKeepsASecondCopyFromStarting()
    {
        QTemporaryDir folder;
        const QString settings = folder.filePath(QStringLiteral("Clavora.ini"));
        const QDBusConnection noBus(QStringLiteral("no bus"));
        {
            RunningCopy first(settings, noBus);
            QVERIFY(first.claim());
            QVERIFY(!RunningCopy(settings, noBus).claim());
            QVERIFY(RunningCopy(folder.filePath(QStringLiteral("Other.ini")), noBus).claim());
        }
        // The first copy has ended: the next start runs.
        QVERIFY(RunningCopy(settings, noBus).claim());
        // Where no lock file can be made, the program still starts.
        QFile notAFolder(folder.filePath(QStringLiteral("file")));
        QVERIFY(notAFolder.open(QIODevice::WriteOnly));
        QVERIFY(RunningCopy(notAFolder.fileName() + QStringLiteral("/Clavora.ini"), noBus).claim());
    }

    void theStreakReachesTheNotificationService()
    {
        QThread service;
        auto* notifications = new FakeNotifications;
        notifications->moveToThread(&service);
        connect(&service, &QThread::finished, notifications, &QObject::deleteLater);
        service.start();
        const auto stop = qScopeGuard([&service] {
            service.quit();
            service.wait();
        });
        QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("desktop"));
        QVERIFY(bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), notifications,
                                   QDBusConnection::ExportScriptableSlots));
        QVERIFY(bus.registerService(QStringLiteral("org.freedesktop.Notifications")));
        DesktopNotifier().notify(QStringLiteral("Streak"), QStringLiteral("You have practised 2 days in a row."));
        QTRY_COMPARE(notifications->received,
                     QStringList{"Orvella Clavora|0|org.orvella.Clavora|Streak|You have practised 2 days in a row.||"
                                 "org.orvella.Clavora|-1"});
    }
};

QTEST_GUILESS_MAIN(DesktopBusTest)
#include "test_desktop_bus.moc"
