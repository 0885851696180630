// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassSchemaVersion.h"

#include <QSqlError>
#include <QSqlQuery>

namespace clavora {

ClassSchemaVersion::State ClassSchemaVersion::check(const QSqlDatabase& connection, QString* error)
{
    QSqlQuery query(connection);
    // Read as JSON: a database of migration 1 has no column `migration`, and its version is
    // also its last migration.
    if (!query.exec(QStringLiteral("SELECT version, coalesce((to_jsonb(s) ->> 'migration')::integer, version)"
                                   " FROM clavora.schema_version s"))
        || !query.next()) {
        if (error)
            *error = query.lastError().text();
        return State::Unreadable;
    }
    const int oldestServed = query.value(0).toInt();
    const int migration = query.value(1).toInt();
    if (oldestServed > Known)
        return State::Newer;
    return migration < Needed ? State::Older : State::Usable;
}

} // namespace clavora
