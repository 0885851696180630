// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryStore.h"
#include "HistorySchema.h"
#include "StoreMachine.h"
#include "StoredAttempt.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <functional>

namespace clavora {
namespace {

QString newConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("clavora-history-%1").arg(counter.fetchAndAddRelaxed(1));
}

QString cannotWrite()
{
    return QCoreApplication::translate("HistoryStore", "The history cannot be written");
}

qint64 localDay(const QDateTime& time)
{
    return time.date().toJulianDay();
}

} // namespace

HistoryStore::HistoryStore(QString path)
    : path_(std::move(path)), connectionName_(newConnectionName())
{
}

HistoryStore::~HistoryStore()
{
    if (!opened_)
        return;
    {
        QSqlDatabase database = QSqlDatabase::database(connectionName_, false);
        database.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

void HistoryStore::open() const
{
    if (opened_)
        return;
    opened_ = true;
    available_ = openFile();
}

bool HistoryStore::neverWritten() const
{
    if (opened_ || path_ == InMemory || QFileInfo::exists(path_))
        return false;
    // A folder that cannot take the file is for open() to explain, at once.
    const QString folder = QFileInfo(path_).absolutePath();
    return QDir().mkpath(folder) && QFileInfo(folder).isWritable();
}

QSqlDatabase HistoryStore::database() const
{
    return available() ? QSqlDatabase::database(connectionName_, false) : QSqlDatabase();
}

bool HistoryStore::fail(const QString& what, const QSqlError& error) const
{
    return setAside(QStringLiteral("%1 (%2)").arg(what, error.text()));
}

bool HistoryStore::setAside(const QString& reason) const
{
    if (available_ || problem_.isEmpty())
        problem_ = QCoreApplication::translate("HistoryStore", "%1. Clavora goes on without recording your history.")
                       .arg(reason);
    available_ = false;
    return false;
}

bool HistoryStore::openFile() const
{
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE")))
        return setAside(QCoreApplication::translate("HistoryStore", "The SQLite driver of Qt is not installed"));
    if (path_ != InMemory)
        QDir().mkpath(QFileInfo(path_).absolutePath());
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
    database.setDatabaseName(path_);
    // A second instance writing at the same moment waits briefly rather than failing.
    database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000"));
    if (!database.open())
        return fail(QCoreApplication::translate("HistoryStore", "The history cannot be opened"), database.lastError());
    // A store of a newer program is left exactly as it is, its journal mode included.
    QString error;
    const int version = HistorySchema::version(database, &error);
    if (version < 0)
        return setAside(error);
    if (version > HistorySchema::CurrentVersion)
        return setAside(QCoreApplication::translate("HistoryStore", "The history was written by a newer version of Clavora"));
    QSqlQuery query(database);
    // WAL keeps every committed attempt when the program is killed mid-write; NORMAL
    // synchronisation is safe with it and keeps a commit cheap.
    for (const QString& pragma : {QStringLiteral("PRAGMA journal_mode = WAL"), QStringLiteral("PRAGMA synchronous = NORMAL"),
                                  QStringLiteral("PRAGMA foreign_keys = ON")}) {
        if (!query.exec(pragma))
            return fail(QCoreApplication::translate("HistoryStore", "The history cannot be opened"), query.lastError());
    }
    error = HistorySchema::migrate(database);
    if (!error.isEmpty())
        return setAside(error);
    // A store that cannot be written sends nothing new either: it keeps its machine.
    if (path_ != InMemory && !StoreMachine::settle(database, StoreMachine::placeOf(path_)))
        qWarning("The history's machine could not be checked: %s", qPrintable(database.lastError().text()));
    return true;
}

bool HistoryStore::inTransaction(const QString& what, const std::function<bool(QSqlQuery&)>& work)
{
    if (!available())
        return false;
    QSqlDatabase connection = database();
    if (!connection.transaction())
        return fail(what, connection.lastError());
    QSqlQuery query(connection);
    if (work(query) && connection.commit()) {
        if (afterWrite_)
            afterWrite_();
        return true;
    }
    const QSqlError error = query.lastError().isValid() ? query.lastError() : connection.lastError();
    connection.rollback();
    return fail(what, error);
}

bool HistoryStore::addAttempt(const AttemptRecord& attempt)
{
    return inTransaction(cannotWrite(), [&](QSqlQuery& query) {
        const qint64 day = localDay(attempt.finished);
        query.prepare(QStringLiteral(
            "INSERT INTO attempts (finished, day, kind, quick_run, preset_file, exercise_number, exercise, typed,"
            " seconds, correct, accuracy, speed, correct_speed, passed) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        for (const QVariant& value :
             {QVariant(storedTime(attempt.finished)), QVariant(day), QVariant(int(attempt.source.kind)),
              QVariant(attempt.source.quickRun), QVariant(storedText(attempt.source.presetFile)),
              QVariant(attempt.source.exerciseNumber), QVariant(storedText(attempt.exercise)), QVariant(storedText(attempt.typed)),
              QVariant(attempt.seconds), QVariant(attempt.correct), QVariant(attempt.accuracy), QVariant(attempt.speed),
              QVariant(attempt.correctSpeed), QVariant(attempt.passed)})
            query.addBindValue(value);
        if (!query.exec())
            return false;
        query.prepare(QStringLiteral(
            "INSERT INTO keystrokes (day, expected, struck, count, timed_count, interval_sum) VALUES (?, ?, ?, ?, ?, ?)"
            " ON CONFLICT (day, expected, struck) DO UPDATE SET count = count + excluded.count,"
            " timed_count = timed_count + excluded.timed_count, interval_sum = interval_sum + excluded.interval_sum"));
        for (const KeystrokePair& pair : attempt.keystrokes.pairs) {
            query.bindValue(0, day);
            query.bindValue(1, int(pair.expected));
            query.bindValue(2, int(pair.struck));
            query.bindValue(3, pair.count);
            query.bindValue(4, pair.timedCount);
            query.bindValue(5, pair.intervalSeconds);
            if (!query.exec())
                return false;
        }
        if (attempt.keystrokes.midLineEdits == 0 && attempt.keystrokes.backspaces == 0)
            return true;
        query.prepare(QStringLiteral(
            "INSERT INTO line_edits (day, mid_line_edits, backspaces) VALUES (?, ?, ?)"
            " ON CONFLICT (day) DO UPDATE SET mid_line_edits = mid_line_edits + excluded.mid_line_edits,"
            " backspaces = backspaces + excluded.backspaces"));
        query.addBindValue(day);
        query.addBindValue(attempt.keystrokes.midLineEdits);
        query.addBindValue(attempt.keystrokes.backspaces);
        return query.exec();
    });
}

bool HistoryStore::addGame(const GameRecord& game)
{
    return inTransaction(cannotWrite(), [&](QSqlQuery& query) {
        query.prepare(QStringLiteral("INSERT INTO games (started, ended, day, start_level, level_reached, score)"
                                     " VALUES (?, ?, ?, ?, ?, ?)"));
        query.addBindValue(storedTime(game.started));
        query.addBindValue(storedTime(game.ended));
        query.addBindValue(localDay(game.ended));
        query.addBindValue(game.startLevel);
        query.addBindValue(game.levelReached);
        query.addBindValue(qint64(game.score));
        if (!query.exec())
            return false;
        const QVariant gameId = query.lastInsertId();
        query.prepare(QStringLiteral("INSERT INTO game_letters (game, letter, hits, hit_seconds, explosions, stray_keys)"
                                     " VALUES (?, ?, ?, ?, ?, ?)"));
        for (const GameLetter& letter : game.letters) {
            query.bindValue(0, gameId);
            query.bindValue(1, int(letter.letter));
            query.bindValue(2, letter.hits);
            query.bindValue(3, letter.hitSeconds);
            query.bindValue(4, letter.explosions);
            query.bindValue(5, letter.strayKeys);
            if (!query.exec())
                return false;
        }
        return true;
    });
}

bool HistoryStore::forget()
{
    const QString what = QCoreApplication::translate("HistoryStore", "The history cannot be emptied");
    const bool emptied = inTransaction(what, [](QSqlQuery& query) {
        for (const char* table : {"game_letters", "games", "line_edits", "keystrokes", "attempts", "days", "day_values",
                                  "day_medians", "key_totals", "key_intervals", "machine_keystrokes", "outbox_attempts",
                                  "outbox_games", "outbox_days", "outbox_pairs", "unstorable_records"}) {
            if (!query.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table)))
                return false;
        }
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO forgotten VALUES (1, ?)"));
        query.bindValue(0, storedTime(QDateTime::currentDateTime()));
        return query.exec();
    });
    if (!emptied)
        return false;
    // The deleted rows would otherwise linger in free pages and in the write-ahead log.
    QSqlQuery query(database());
    if (!query.exec(QStringLiteral("VACUUM")) || !query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")))
        return fail(what, query.lastError());
    return true;
}

} // namespace clavora
