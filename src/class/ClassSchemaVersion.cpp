// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassSchemaVersion.h"

#include <QSqlError>
#include <QSqlQuery>

namespace clavora {

std::optional<ClassSchemaVersion::Numbers> ClassSchemaVersion::read(const QSqlDatabase& connection, QString* error)
{
    QSqlQuery query(connection);
    // Read as JSON: a database of migration 1 has no column `migration`, and its version is
    // also its last migration.
    if (!query.exec(QStringLiteral("SELECT version, coalesce((to_jsonb(s) ->> 'migration')::integer, version)"
                                   " FROM clavora.schema_version s"))
        || !query.next()) {
        if (error)
            *error = query.lastError().text();
        return std::nullopt;
    }
    return Numbers {query.value(0).toInt(), query.value(1).toInt()};
}

ClassSchemaVersion::State ClassSchemaVersion::check(const QSqlDatabase& connection, QString* error)
{
    const std::optional<Numbers> numbers = read(connection, error);
    if (!numbers)
        return State::Unreadable;
    if (numbers->oldestServed > Known)
        return State::Newer;
    return numbers->migration < Needed ? State::Older : State::Usable;
}

bool ClassSchemaVersion::holds(const QSqlDatabase& connection, int migration)
{
    const std::optional<Numbers> numbers = read(connection, nullptr);
    return numbers && numbers->migration >= migration;
}

} // namespace clavora
