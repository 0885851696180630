// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassConnection.h"

#include <QThreadPool>
#include <atomic>

namespace clavora {
QSqlDatabase ClassConnection::open(const QString& name, const QString& server)
{
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    // A server that answers nothing fails in seconds rather than at the system's TCP limit,
    // and one that stops answering on an open connection within a minute (keepalives, and
    // unacknowledged data given up after 60 s); the person's own settings, given later, win.
    connection.setConnectOptions(QStringLiteral("connect_timeout=10 keepalives=1 keepalives_idle=20 "
                                                "keepalives_interval=10 keepalives_count=3 tcp_user_timeout=60000 ")
                                 + server);
    connection.open();
    return connection;
}

void ClassConnection::use(const QString& server, const std::function<void(const QSqlDatabase&)>& work)
{
    static std::atomic<int> connections = 0;
    const QString name = QStringLiteral("clavora-class-%1").arg(++connections);
    work(open(name, server));
    QSqlDatabase::removeDatabase(name);
}

QThreadPool* ClassConnection::threads()
{
    static QThreadPool* const pool = new QThreadPool; // never destroyed, so never waited for
    return pool;
}

} // namespace clavora
