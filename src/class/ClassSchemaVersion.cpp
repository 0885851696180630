// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassSchemaVersion.h"

#include <QSqlError>
#include <QSqlQuery>

namespace clavora {

ClassSchemaVersion::State ClassSchemaVersion::check(const QSqlDatabase& connection, QString* error)
{
    QSqlQuery query(connection);
    if (!query.exec(QStringLiteral("SELECT version FROM clavora.schema_version")) || !query.next()) {
        if (error)
            *error = query.lastError().text();
        return State::Unreadable;
    }
    const int version = query.value(0).toInt();
    return version == Known ? State::Usable : version < Known ? State::Older : State::Newer;
}

} // namespace clavora
