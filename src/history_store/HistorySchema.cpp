// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySchema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace clavora {
namespace {

// Step n turns a store of version n - 1 into version n. Never change a step that has
// shipped: add a new one.
const QStringList& step(int version)
{
    // Version 1: attempts, per-day keystroke pairs, per-day edits in the line.
    static const QStringList toVersion1 = {
        QStringLiteral("CREATE TABLE attempts ("
                       " id INTEGER PRIMARY KEY,"
                       " finished TEXT NOT NULL," // ISO 8601 local time with its offset
                       " day INTEGER NOT NULL,"   // local day as a Julian day number
                       " kind INTEGER NOT NULL,"  // 0 preset, 1 random
                       " quick_run INTEGER NOT NULL,"
                       " preset_file TEXT NOT NULL,"
                       " exercise_number INTEGER NOT NULL,"
                       " exercise TEXT NOT NULL,"
                       " typed TEXT NOT NULL,"
                       " seconds REAL NOT NULL,"
                       " correct INTEGER NOT NULL,"
                       " accuracy INTEGER NOT NULL,"
                       " speed INTEGER NOT NULL,"
                       " correct_speed INTEGER NOT NULL,"
                       " passed INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX attempts_by_day ON attempts (day)"),
        QStringLiteral("CREATE TABLE keystrokes ("
                       " day INTEGER NOT NULL,"
                       " expected INTEGER NOT NULL," // UTF-16 code unit, 0 past the exercise's end
                       " struck INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " interval_sum REAL NOT NULL," // seconds
                       " PRIMARY KEY (day, expected, struck)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE line_edits ("
                       " day INTEGER PRIMARY KEY,"
                       " mid_line_edits INTEGER NOT NULL,"
                       " backspaces INTEGER NOT NULL)"),
    };
    // Version 2: games; keystrokes tell timed strokes from untimed ones (version 1 timed
    // every stroke, so its strokes all count as timed) and are kept in key order, which the
    // per-key figures read without sorting; the charts read a covering index.
    static const QStringList toVersion2 = {
        QStringLiteral("CREATE TABLE keystrokes_by_key ("
                       " expected INTEGER NOT NULL,"
                       " struck INTEGER NOT NULL,"
                       " day INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " timed_count INTEGER NOT NULL,"
                       " interval_sum REAL NOT NULL,"
                       " PRIMARY KEY (expected, struck, day)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO keystrokes_by_key SELECT expected, struck, day, count, count, interval_sum FROM keystrokes"),
        QStringLiteral("DROP TABLE keystrokes"),
        QStringLiteral("ALTER TABLE keystrokes_by_key RENAME TO keystrokes"),
        QStringLiteral("DROP INDEX attempts_by_day"),
        QStringLiteral("CREATE INDEX attempts_by_day ON attempts (day, speed, correct_speed, accuracy, seconds)"),
        QStringLiteral("CREATE TABLE games ("
                       " id INTEGER PRIMARY KEY,"
                       " started TEXT NOT NULL,"
                       " ended TEXT NOT NULL,"
                       " day INTEGER NOT NULL,"
                       " start_level INTEGER NOT NULL,"
                       " level_reached INTEGER NOT NULL,"
                       " score INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX games_by_score ON games (score)"),
        QStringLiteral("CREATE TABLE game_letters ("
                       " game INTEGER NOT NULL REFERENCES games (id) ON DELETE CASCADE,"
                       " letter INTEGER NOT NULL,"
                       " hits INTEGER NOT NULL,"
                       " hit_seconds REAL NOT NULL,"
                       " explosions INTEGER NOT NULL,"
                       " stray_keys INTEGER NOT NULL,"
                       " PRIMARY KEY (game, letter)) WITHOUT ROWID"),
    };
    return version == 1 ? toVersion1 : toVersion2;
}

QString describe(const QString& what, const QSqlError& error)
{
    return QStringLiteral("%1 (%2)").arg(what, error.text());
}

} // namespace

int HistorySchema::version(QSqlDatabase& database, QString* error)
{
    QSqlQuery query(database);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        if (error)
            *error = describe(QCoreApplication::translate("HistoryStore", "The history cannot be read"), query.lastError());
        return -1;
    }
    return query.value(0).toInt();
}

QString HistorySchema::migrateTo(QSqlDatabase& database, int target)
{
    const QString cannotUpdate = QCoreApplication::translate("HistoryStore", "The history cannot be updated");
    QString error;
    const int current = version(database, &error);
    if (current < 0)
        return error;
    for (int next = current + 1; next <= target; ++next) {
        if (!database.transaction())
            return describe(cannotUpdate, database.lastError());
        QSqlQuery query(database);
        QStringList statements = step(next);
        statements << QStringLiteral("PRAGMA user_version = %1").arg(next);
        for (const QString& statement : statements) {
            if (!query.exec(statement)) {
                const QString text = describe(cannotUpdate, query.lastError());
                database.rollback();
                return text;
            }
        }
        if (!database.commit()) {
            const QString text = describe(cannotUpdate, database.lastError());
            database.rollback();
            return text;
        }
    }
    return {};
}

QString HistorySchema::migrate(QSqlDatabase& database)
{
    return migrateTo(database, CurrentVersion);
}

} // namespace clavora
