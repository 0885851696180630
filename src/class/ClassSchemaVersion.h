// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

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
    // The first migration that holds everything this program needs to send.
    static constexpr int Needed = 1;
    // The first migration with the classes' goals and the learners' course letters, which
    // this program reads and writes only where the server has them.
    static constexpr int Goals = 3;
    enum class State { Usable, Older, Newer, Unreadable };

    // `error` gets the server's text when the version cannot be read.
    static State check(const QSqlDatabase& connection, QString* error = nullptr);
    // Whether the server has loaded `migration`; false when it cannot be read.
    static bool holds(const QSqlDatabase& connection, int migration);

private:
    struct Numbers {
        int oldestServed = 0;
        int migration = 0;
    };
    static std::optional<Numbers> read(const QSqlDatabase& connection, QString* error);
};

} // namespace clavora
