// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassConnection.h"

namespace clavora {

QString ClassConnection::options(const QString& server)
{
    const QString named = server.trimmed();
    // A server that answers nothing fails in seconds rather than at the system's TCP limit;
    // the person's own connect_timeout, given later, wins.
    return QStringLiteral("connect_timeout=10 ")
        + (named.contains(u'=') ? named : QStringLiteral("service=") + named);
}

QSqlDatabase ClassConnection::open(const QString& name, const QString& server)
{
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    connection.setConnectOptions(options(server));
    connection.open();
    return connection;
}

} // namespace clavora
