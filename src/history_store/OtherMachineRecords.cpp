// SPDX-License-Identifier: GPL-3.0-or-later
#include "OtherMachineRecords.h"
#include "StoredAttempt.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <functional>

namespace clavora {
namespace {

QString text(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces);
}

// Runs `work` in one transaction; returns the error, empty on success.
QString inTransaction(QSqlDatabase& store, const std::function<bool(QSqlQuery&)>& work)
{
    if (!store.transaction())
        return store.lastError().text();
    QSqlQuery query(store);
    if (work(query) && store.commit())
        return {};
    const QString error = query.lastError().isValid() ? query.lastError().text() : store.lastError().text();
    store.rollback();
    return error;
}

bool run(QSqlQuery& query, const QVariantList& values)
{
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    return query.exec();
}

// What the store and the figures can hold: SQLite keeps a NaN as NULL, and its date
// functions and the charts know the years 0 to 9999 alone.
bool holdable(double seconds)
{
    return std::isfinite(seconds) && seconds >= 0;
}

bool holdable(QDate day)
{
    return day.isValid() && day.year() >= 1 && day.year() <= 9999;
}

bool holdable(const QDateTime& moment)
{
    return moment.isValid() && holdable(moment.date());
}

bool holdable(const ClassAttempt& attempt)
{
    return holdable(attempt.day) && holdable(attempt.record.finished) && holdable(attempt.record.seconds);
}

bool holdable(const ClassGame& game)
{
    const GameRecord& record = game.record;
    return holdable(game.day) && holdable(record.started) && holdable(record.ended)
           && std::all_of(record.letters.begin(), record.letters.end(),
                          [](const GameLetter& letter) { return holdable(letter.hitSeconds); });
}

} // namespace

bool OtherMachineRecords::setAside(QSqlQuery& query, const QUuid& machine, const QUuid& id, Kind kind,
                                   const QString& why)
{
    // A row that cannot be stored is counted as held, so that it is neither fetched nor
    // reported again.
    query.prepare(QStringLiteral("INSERT INTO unstorable_records VALUES (?, ?, ?) ON CONFLICT DO NOTHING"));
    if (!run(query, {text(id), text(machine), int(kind)}))
        return false;
    if (query.numRowsAffected() > 0)
        qWarning("A record from the class server was left out: %s %s of machine %s: %s",
                 kind == Kind::Attempt ? "attempt" : "game", qPrintable(text(id)), qPrintable(text(machine)),
                 qPrintable(why));
    return true;
}

std::map<QUuid, OtherMachineRecords::Held> OtherMachineRecords::held() const
{
    std::map<QUuid, Held> machines;
    QSqlQuery query(store_);
    query.exec(QStringLiteral("SELECT machine, COUNT(*) FROM attempts WHERE machine IS NOT NULL GROUP BY machine"));
    while (query.next())
        machines[QUuid(query.value(0).toString())].attempts = query.value(1).toLongLong();
    query.exec(QStringLiteral("SELECT machine, COUNT(*) FROM games WHERE machine IS NOT NULL GROUP BY machine"));
    while (query.next())
        machines[QUuid(query.value(0).toString())].games = query.value(1).toLongLong();
    query.exec(QStringLiteral("SELECT machine, kind, COUNT(*) FROM unstorable_records GROUP BY machine, kind"));
    while (query.next()) {
        Held& machine = machines[QUuid(query.value(0).toString())];
        (Kind(query.value(1).toInt()) == Kind::Attempt ? machine.attempts : machine.games) += query.value(2).toLongLong();
    }
    query.exec(QStringLiteral("SELECT machine, COUNT(*), SUM(count) FROM machine_keystrokes GROUP BY machine"));
    while (query.next()) {
        Held& machine = machines[QUuid(query.value(0).toString())];
        machine.keyRows = query.value(1).toLongLong();
        machine.strokes = query.value(2).toLongLong();
    }
    return machines;
}

QDateTime OtherMachineRecords::forgottenAt() const
{
    QSqlQuery query = readStore(store_, QStringLiteral("SELECT moment FROM forgotten"), {});
    return query.next() ? readStoredTime(query.value(0)) : QDateTime();
}

QString OtherMachineRecords::addAttempts(const QUuid& machine, const std::vector<ClassAttempt>& attempts)
{
    return inTransaction(store_, [&](QSqlQuery& query) {
        QSqlQuery setAsideQuery(store_);
        query.prepare(QStringLiteral(
            "INSERT INTO attempts (uuid, machine, finished, day, kind, quick_run, preset_file, exercise_number, exercise,"
            " typed, seconds, correct, accuracy, speed, correct_speed, passed)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO NOTHING"));
        for (const ClassAttempt& attempt : attempts) {
            const AttemptRecord& record = attempt.record;
            if (!holdable(attempt)) {
                if (!setAside(setAsideQuery, machine, attempt.id, Kind::Attempt, QStringLiteral("a figure or a time out of range")))
                    return false;
                continue;
            }
            // One row the store refuses leaves the others of the batch stored (SQLite undoes the
            // failed statement alone).
            if (!run(query, {text(attempt.id), text(machine), storedTime(record.finished), attempt.day.toJulianDay(),
                             int(record.source.kind), record.source.quickRun, storedText(record.source.presetFile),
                             record.source.exerciseNumber, storedText(record.exercise), storedText(record.typed), record.seconds,
                             record.correct, record.accuracy, record.speed, record.correctSpeed, record.passed})
                && !setAside(setAsideQuery, machine, attempt.id, Kind::Attempt, query.lastError().text()))
                return false;
        }
        return true;
    });
}

QString OtherMachineRecords::addGames(const QUuid& machine, const std::vector<ClassGame>& games)
{
    return inTransaction(store_, [&](QSqlQuery& query) {
        // Letters a game lacked when it was first fetched (its sending was cut short) come with the next.
        QSqlQuery letter(store_);
        letter.prepare(QStringLiteral("INSERT INTO game_letters (game, letter, hits, hit_seconds, explosions, stray_keys)"
                                      " SELECT id, ?, ?, ?, ?, ? FROM games WHERE uuid = ? ON CONFLICT DO NOTHING"));
        query.prepare(QStringLiteral("INSERT INTO games (uuid, machine, started, ended, day, start_level, level_reached,"
                                     " score) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO NOTHING"));
        QSqlQuery setAsideQuery(store_);
        for (const ClassGame& game : games) {
            const GameRecord& record = game.record;
            if (!holdable(game)) {
                if (!setAside(setAsideQuery, machine, game.id, Kind::Game, QStringLiteral("a figure or a time out of range")))
                    return false;
                continue;
            }
            if (!run(query, {text(game.id), text(machine), storedTime(record.started), storedTime(record.ended),
                             game.day.toJulianDay(), record.startLevel, record.levelReached, qint64(record.score)})) {
                if (!setAside(setAsideQuery, machine, game.id, Kind::Game, query.lastError().text()))
                    return false;
                continue;
            }
            for (const GameLetter& entry : record.letters) {
                if (!run(letter, {int(entry.letter), entry.hits, entry.hitSeconds, entry.explosions, entry.strayKeys,
                                  text(game.id)}))
                    return false;
            }
        }
        return true;
    });
}

QString OtherMachineRecords::raiseDays(const QUuid& machine, const std::vector<ClassDay>& days)
{
    return inTransaction(store_, [&](QSqlQuery& query) {
        query.prepare(QStringLiteral(
            "INSERT INTO machine_keystrokes (day, machine, expected, struck, count, timed_count, interval_sum)"
            " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (day, machine, expected, struck) DO UPDATE SET"
            " count = max(count, excluded.count), timed_count = max(timed_count, excluded.timed_count),"
            " interval_sum = max(interval_sum, excluded.interval_sum)"
            " WHERE excluded.count > count OR excluded.timed_count > timed_count"));
        for (const ClassDay& day : days) {
            if (!holdable(day.day))
                continue;
            for (const KeystrokePair& pair : day.totals.pairs) {
                // A pair the figures cannot count is left out; the day's others are kept.
                if (!holdable(pair.intervalSeconds) || pair.count < 0 || pair.timedCount < 0)
                    continue;
                if (!run(query, {day.day.toJulianDay(), text(machine), int(pair.expected), int(pair.struck), pair.count,
                                 pair.timedCount, pair.intervalSeconds}))
                    return false;
            }
        }
        return true;
    });
}

} // namespace clavora
