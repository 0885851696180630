// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSqlError>
#include <QSqlQuery>
#include <QVariantList>

class QSqlDatabase;

namespace clavora {

// A statement for the class server, run with its values written into its text by the
// driver's own quoting. Prepared, the driver would name it on the connection, which a pooler
// handing each transaction another server connection (PgBouncer's transaction mode) loses
// or finds taken: nothing of this one outlives it.
class ClassStatement {
public:
    // Runs `sql` forward only, each ? outside quotes standing for the next of `values`.
    // The query's lastError() tells how it went.
    static QSqlQuery run(const QSqlDatabase& connection, const QString& sql, const QVariantList& values = {});
    // Runs the time limit of the transaction under way: a server that hangs is given up on
    // within a minute, and the work tried again later.
    static QSqlError limitTime(const QSqlDatabase& connection);
};

} // namespace clavora
