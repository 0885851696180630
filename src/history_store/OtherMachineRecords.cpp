// SPDX-License-Identifier: GPL-3.0-or-later
#include "OtherMachineRecords.h"
#include "StoredAttempt.h"

#include <QSqlError>
#include <QSqlQuery>
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

} // namespace

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
    query.exec(QStringLiteral("SELECT machine, COUNT(*), SUM(count) FROM machine_keystrokes GROUP BY machine"));
    while (query.next()) {
        Held& machine = machines[QUuid(query.value(0).toString())];
        machine.keyRows = query.value(1).toLongLong();
        machine.strokes = query.value(2).toLongLong();
    }
    return machines;
}

QString OtherMachineRecords::addAttempts(const QUuid& machine, const std::vector<ClassAttempt>& attempts)
{
    return inTransaction(store_, [&](QSqlQuery& query) {
        query.prepare(QStringLiteral(
            "INSERT INTO attempts (uuid, machine, finished, day, kind, quick_run, preset_file, exercise_number, exercise,"
            " typed, seconds, correct, accuracy, speed, correct_speed, passed)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (uuid) DO NOTHING"));
        for (const ClassAttempt& attempt : attempts) {
            const AttemptRecord& record = attempt.record;
            if (!run(query, {text(attempt.id), text(machine), storedTime(record.finished), attempt.day.toJulianDay(),
                             int(record.source.kind), record.source.quickRun, storedText(record.source.presetFile),
                             record.source.exerciseNumber, storedText(record.exercise), storedText(record.typed), record.seconds,
                             record.correct, record.accuracy, record.speed, record.correctSpeed, record.passed}))
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
        for (const ClassGame& game : games) {
            const GameRecord& record = game.record;
            if (!run(query, {text(game.id), text(machine), storedTime(record.started), storedTime(record.ended),
                             game.day.toJulianDay(), record.startLevel, record.levelReached, qint64(record.score)}))
                return false;
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
            for (const KeystrokePair& pair : day.totals.pairs) {
                if (!run(query, {day.day.toJulianDay(), text(machine), int(pair.expected), int(pair.struck), pair.count,
                                 pair.timedCount, pair.intervalSeconds}))
                    return false;
            }
        }
        return true;
    });
}

} // namespace clavora
