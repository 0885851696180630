// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassDownload.h"
#include "ClassStatement.h"
#include "history_store/OtherMachineRecords.h"

#include <QSqlError>
#include <QSqlQuery>

namespace clavora {
namespace {

// Rows written to the store in one transaction: few enough that a write of the program's own
// never waits long for it (each attempt figures its day again).
constexpr std::size_t batch = 100;

class ServerQuery {
public:
    ServerQuery(const QSqlDatabase& server, const QString& sql, const QVariantList& values)
        : query_(ClassStatement::run(server, sql, values))
    {
    }
    bool next() { return query_.next(); }
    QVariant operator[](int column) const { return query_.value(column); }
    QString error() const { return query_.lastError().type() == QSqlError::NoError ? QString() : query_.lastError().text(); }

private:
    QSqlQuery query_;
};

QString text(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces);
}

// Writes `items` in batches with `write`; returns the first error.
template <typename Item, typename Write>
QString inBatches(std::vector<Item>& items, const Write& write, bool last)
{
    if (items.size() < batch && !last)
        return {};
    const QString error = items.empty() ? QString() : write(items);
    items.clear();
    return error;
}

} // namespace

QString ClassDownload::copyInto(const QSqlDatabase& store, const QUuid& exceptMachine) const
{
    // One transaction: one snapshot of the server, and one time limit.
    QSqlDatabase server = server_;
    if (!server.transaction())
        return server.lastError().text();
    const QSqlError limit = ClassStatement::limitTime(server);
    const QString error = limit.type() == QSqlError::NoError ? copyMachines(store, exceptMachine) : limit.text();
    server.rollback(); // read only
    return error;
}

QString ClassDownload::copyMachines(const QSqlDatabase& store, const QUuid& exceptMachine) const
{
    OtherMachineRecords records(store);
    const std::map<QUuid, OtherMachineRecords::Held> held = records.held();
    // What the learner forgot here stays forgotten: only records from after it are fetched.
    const QDateTime forgotten = records.forgottenAt();
    const QString after = forgotten.isValid() ? forgotten.toOffsetFromUtc(forgotten.offsetFromUtc()).toString(Qt::ISODate)
                                              : QStringLiteral("-infinity");
    const QString afterDay = forgotten.isValid() ? forgotten.date().toString(Qt::ISODate) : QStringLiteral("-infinity");
    // The server's count of each machine's attempts and games (kept from its second
    // migration on) saves counting the learner's whole history; what followed a forgetting
    // is counted.
    ServerQuery kept(server_, QStringLiteral("SELECT to_regclass('clavora.machine_totals') IS NOT NULL"), {});
    const bool counted = !forgotten.isValid() && kept.next() && kept[0].toBool();
    const QString attemptsAndGames =
        counted ? QStringLiteral("SELECT machine, attempts, games, 0 AS key_rows, 0 AS strokes FROM clavora.machine_totals"
                                 " WHERE learner = ?")
                : QStringLiteral("SELECT machine, count(*) AS attempts, 0 AS games, 0 AS key_rows, 0 AS strokes"
                                 " FROM clavora.attempts WHERE learner = ? AND finished > ?::timestamptz"
                                 " GROUP BY machine UNION ALL"
                                 " SELECT machine, 0, count(*), 0, 0 FROM clavora.games WHERE learner = ?"
                                 " AND ended > ?::timestamptz GROUP BY machine");
    const QVariantList attemptsAndGamesValues =
        counted ? QVariantList{learner_} : QVariantList{learner_, after, learner_, after};
    ServerQuery machines(server_,
                         QStringLiteral("SELECT machine, sum(attempts), sum(games), sum(key_rows), sum(strokes) FROM (%1"
                                        " UNION ALL SELECT machine, 0, 0, count(*), sum(count) FROM clavora.daily_keystrokes"
                                        " WHERE learner = ? AND day > ?::date GROUP BY machine) AS t GROUP BY machine")
                             .arg(attemptsAndGames),
                         attemptsAndGamesValues + QVariantList{learner_, afterDay});
    std::map<QUuid, OtherMachineRecords::Held> differing;
    while (machines.next()) {
        const QUuid machine(machines[0].toString());
        const OtherMachineRecords::Held onServer{machines[1].toLongLong(), machines[2].toLongLong(),
                                                 machines[3].toLongLong(), machines[4].toLongLong()};
        const auto there = held.find(machine);
        if (machine != exceptMachine && (there == held.end() || !(there->second == onServer)))
            differing[machine] = onServer;
    }
    if (!machines.error().isEmpty())
        return machines.error();

    for (const auto& each : differing) {
        // A lambda below takes the machine; clang 14 cannot capture a structured binding.
        const QUuid& machine = each.first;
        const auto& onServer = each.second;
        const QVariantList ofMachine = {learner_, text(machine), after};
        const QVariantList daysOfMachine = {learner_, text(machine), afterDay};
        const OtherMachineRecords::Held stored = held.count(machine) ? held.at(machine) : OtherMachineRecords::Held();
        QString error;
        if (stored.attempts != onServer.attempts) {
            ServerQuery rows(server_,
                             QStringLiteral("SELECT id, day, finished, kind, quick_run, preset_file, exercise_number,"
                                            " exercise, typed, seconds, correct, accuracy, speed, correct_speed, passed"
                                            " FROM clavora.attempts WHERE learner = ? AND machine = ?::uuid"
                                            " AND finished > ?::timestamptz"),
                             ofMachine);
            std::vector<ClassAttempt> attempts;
            const auto write = [&](const std::vector<ClassAttempt>& items) { return records.addAttempts(machine, items); };
            while (error.isEmpty() && rows.next()) {
                AttemptRecord record;
                record.finished = rows[2].toDateTime().toLocalTime();
                record.source = {AttemptKind(rows[3].toInt()), rows[4].toBool(), rows[5].toString(), rows[6].toInt()};
                record.exercise = rows[7].toString();
                record.typed = rows[8].toString();
                record.seconds = rows[9].toDouble();
                record.correct = rows[10].toInt();
                record.accuracy = rows[11].toInt();
                record.speed = rows[12].toInt();
                record.correctSpeed = rows[13].toInt();
                record.passed = rows[14].toBool();
                attempts.push_back({0, QUuid(rows[0].toString()), rows[1].toDate(), std::move(record)});
                error = inBatches(attempts, write, false);
            }
            error = error.isEmpty() ? rows.error() : error;
            if (error.isEmpty())
                error = inBatches(attempts, write, true);
        }
        if (error.isEmpty() && stored.games != onServer.games) {
            ServerQuery rows(server_,
                             QStringLiteral("SELECT g.id, g.day, g.started, g.ended, g.start_level, g.level_reached,"
                                            " g.score, l.letter, l.hits, l.hit_seconds, l.explosions, l.stray_keys"
                                            " FROM clavora.games g LEFT JOIN clavora.game_letters l"
                                            " ON l.learner = g.learner AND l.game = g.id"
                                            " WHERE g.learner = ? AND g.machine = ?::uuid AND g.ended > ?::timestamptz"
                                            " ORDER BY g.id, l.letter"),
                             ofMachine);
            std::vector<ClassGame> games;
            const auto write = [&](const std::vector<ClassGame>& items) { return records.addGames(machine, items); };
            while (error.isEmpty() && rows.next()) {
                const QUuid id(rows[0].toString());
                if (games.empty() || games.back().id != id) {
                    error = inBatches(games, write, false);
                    games.push_back({0, id, rows[1].toDate(),
                                     {rows[2].toDateTime().toLocalTime(), rows[3].toDateTime().toLocalTime(),
                                      rows[4].toInt(), rows[5].toInt(), rows[6].toLongLong(), {}}});
                }
                if (!rows[7].isNull())
                    games.back().record.letters.push_back({char16_t(rows[7].toInt()), rows[8].toInt(),
                                                           rows[9].toDouble(), rows[10].toInt(), rows[11].toInt()});
            }
            error = error.isEmpty() ? rows.error() : error;
            if (error.isEmpty())
                error = inBatches(games, write, true);
        }
        if (error.isEmpty() && (stored.keyRows != onServer.keyRows || stored.strokes != onServer.strokes)) {
            ServerQuery rows(server_,
                             QStringLiteral("SELECT day, expected, struck, count, timed_count, interval_sum"
                                            " FROM clavora.daily_keystrokes WHERE learner = ? AND machine = ?::uuid"
                                            " AND day > ?::date ORDER BY day"),
                             daysOfMachine);
            std::vector<ClassDay> days;
            const auto write = [&](const std::vector<ClassDay>& items) { return records.raiseDays(machine, items); };
            while (error.isEmpty() && rows.next()) {
                const QDate day = rows[0].toDate();
                if (days.empty() || days.back().day != day) {
                    error = inBatches(days, write, false);
                    days.push_back({day, 0, {}});
                }
                days.back().totals.pairs.push_back({char16_t(rows[1].toInt()), char16_t(rows[2].toInt()),
                                                    rows[3].toInt(), rows[4].toInt(), rows[5].toDouble()});
            }
            error = error.isEmpty() ? rows.error() : error;
            if (error.isEmpty())
                error = inBatches(days, write, true);
        }
        if (!error.isEmpty())
            return error;
    }
    return {};
}

} // namespace clavora
