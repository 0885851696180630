// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QSqlDatabase;

namespace clavora {

// Whether a class server's schema (packaging/class/schema.sql, numbered like the local
// store's) is the one this program writes. The program never changes the server's schema: a
// server of an earlier version waits for its administrator, one of a later version is left
// alone.
class ClassSchemaVersion {
public:
    static constexpr int Known = 1;
    enum class State { Usable, Older, Newer, Unreadable };

    // `error` gets the server's text when the version cannot be read.
    static State check(const QSqlDatabase& connection, QString* error = nullptr);
};

} // namespace clavora
