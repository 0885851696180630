// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QSqlDatabase;

namespace clavora {

// The store's tables, versioned by SQLite's user_version. Each version has one step that
// brings a store of the version before it up to date, so a store of any earlier version,
// an empty one included, is migrated by running the steps it lacks, each in a transaction.
class HistorySchema {
public:
    static constexpr int CurrentVersion = 6;

    // Migrates `database` to CurrentVersion; returns an error text, empty on success.
    // A store of a later version is left as it is.
    static QString migrate(QSqlDatabase& database);
    // Brings an empty database to `version` exactly (tests build older stores with it).
    static QString migrateTo(QSqlDatabase& database, int version);
    static int version(QSqlDatabase& database, QString* error = nullptr);
};

} // namespace clavora
