// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDBusConnection>
#include <QLockFile>
#include <QObject>

namespace clavora {

// One running copy per settings file: each copy saves its settings at its end, so a second one
// would overwrite what the first had changed. The running copy holds a name of its own on the
// session bus, and a lock file beside the settings file for starts that share no bus with it.
// A second start on the same bus hands over to the copy already running, which comes forward.
class RunningCopy final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.orvella.Clavora.RunningCopy")
public:
    explicit RunningCopy(const QString& settingsFile, QDBusConnection bus = QDBusConnection::sessionBus());

    // Takes the settings file for this copy. False when another copy has it: that copy has
    // then been asked to come forward when it is on the same bus. A folder where no lock file
    // can be made does not keep the program from starting.
    bool claim();

public slots:
    // Called over the bus by a second start.
    Q_SCRIPTABLE void activate();

signals:
    void startedAgain();

private:
    bool claimService();

    QString settingsFile_;
    QDBusConnection bus_;
    QString service_;
    QLockFile lock_;
};

} // namespace clavora
