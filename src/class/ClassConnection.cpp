// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassConnection.h"

namespace clavora {

QSqlDatabase ClassConnection::open(const QString& name, const QString& server)
{
    QSqlDatabase connection = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    // A server that answers nothing fails in seconds rather than at the system's TCP limit;
    // the person's own connect_timeout, given later, wins.
    connection.setConnectOptions(QStringLiteral("connect_timeout=10 ") + server);
    connection.open();
    return connection;
}

} // namespace clavora
