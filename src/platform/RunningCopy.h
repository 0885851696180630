// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDBusConnection>
#include <QObject>

namespace clavora {

// One running copy per settings file, found by a name of its own on the session bus: each copy
// saves its settings at its end, so a second one would overwrite what the first had changed.
// A second start hands over to the copy already running, which comes forward.
class RunningCopy final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.orvella.Clavora.RunningCopy")
public:
    explicit RunningCopy(const QString& settingsFile, QDBusConnection bus = QDBusConnection::sessionBus());

    // Takes the settings file for this copy. False when another copy has it: that copy has
    // then been asked to come forward. Without a session bus there is no one to ask: true.
    bool claim();

public slots:
    // Called over the bus by a second start.
    Q_SCRIPTABLE void activate();

signals:
    void startedAgain();

private:
    QDBusConnection bus_;
    QString service_;
};

} // namespace clavora
