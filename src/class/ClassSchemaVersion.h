// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QSqlDatabase;

namespace clavora {

// Whether this program can work with a class server's schema (packaging/class/schema.sql).
// The server names the oldest program's version it serves and the last migration loaded;
// this program works with any migration from the one it needs on, as long as no migration
// has raised the oldest version served above its own. The program never changes the
// server's schema: a server of an earlier migration waits for its administrator.
class ClassSchemaVersion {
public:
    // The schema version this program is: servers that still serve it take its rows.
    static constexpr int Known = 1;
    // The first migration that holds everything this program reads and writes.
    static constexpr int Needed = 1;
    enum class State { Usable, Older, Newer, Unreadable };

    // `error` gets the server's text when the version cannot be read.
    static State check(const QSqlDatabase& connection, QString* error = nullptr);
};

} // namespace clavora
