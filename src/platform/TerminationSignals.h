// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QObject>
#include <QSocketNotifier>

namespace clavora {

// Turns SIGTERM, SIGINT and SIGHUP into a Qt signal on the event loop. The handler only
// writes a byte to a socket pair, the one thing that is safe inside a signal handler; the
// notifier on the other end emits `received` between events.
class TerminationSignals final : public QObject {
    Q_OBJECT
public:
    TerminationSignals();
    ~TerminationSignals() override;

signals:
    void received();

private:
    void readSignal();

    QSocketNotifier* notifier_ = nullptr;
};

} // namespace clavora
