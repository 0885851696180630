// SPDX-License-Identifier: GPL-3.0-or-later
#include "Outbox.h"
#include "StoredAttempt.h"

#include <QSqlQuery>
#include <QVariant>

namespace clavora {

QUuid Outbox::machine() const
{
    QSqlQuery query = readStore(store_, QStringLiteral("SELECT uuid FROM machine"), {});
    return query.next() ? QUuid(query.value(0).toString()) : QUuid();
}

std::vector<ClassAttempt> Outbox::attempts(int limit) const
{
    std::vector<ClassAttempt> attempts;
    QSqlQuery query = readStore(store_,
                           QStringLiteral("SELECT id, uuid, day, %1 FROM attempts JOIN outbox_attempts ON attempt = id"
                                          " ORDER BY id LIMIT ?")
                               .arg(storedAttemptColumns()),
                           {limit});
    while (query.next())
        attempts.push_back({query.value(0).toLongLong(), QUuid(query.value(1).toString()),
                            QDate::fromJulianDay(query.value(2).toLongLong()), storedAttempt(query, 3)});
    return attempts;
}

std::vector<ClassGame> Outbox::games(int limit) const
{
    std::vector<ClassGame> games;
    QSqlQuery query = readStore(store_,
                           QStringLiteral("SELECT id, uuid, day, started, ended, start_level, level_reached, score"
                                          " FROM games JOIN outbox_games ON game = id ORDER BY id LIMIT ?"),
                           {limit});
    while (query.next()) {
        GameRecord record{readStoredTime(query.value(3)), readStoredTime(query.value(4)), query.value(5).toInt(),
                          query.value(6).toInt(), query.value(7).toLongLong(), {}};
        games.push_back({query.value(0).toLongLong(), QUuid(query.value(1).toString()),
                         QDate::fromJulianDay(query.value(2).toLongLong()), std::move(record)});
    }
    for (ClassGame& game : games) {
        QSqlQuery letters = readStore(store_,
                                 QStringLiteral("SELECT letter, hits, hit_seconds, explosions, stray_keys FROM game_letters"
                                                " WHERE game = ? ORDER BY letter"),
                                 {game.row});
        while (letters.next())
            game.record.letters.push_back({char16_t(letters.value(0).toInt()), letters.value(1).toInt(),
                                           letters.value(2).toDouble(), letters.value(3).toInt(), letters.value(4).toInt()});
    }
    return games;
}

std::vector<ClassDay> Outbox::days(int limit) const
{
    std::vector<ClassDay> days;
    QSqlQuery query = readStore(store_,
                           QStringLiteral("SELECT o.day, o.changes, coalesce(e.mid_line_edits, 0), coalesce(e.backspaces, 0)"
                                          " FROM outbox_days o LEFT JOIN line_edits e USING (day) ORDER BY o.day LIMIT ?"),
                           {limit});
    while (query.next())
        days.push_back({QDate::fromJulianDay(query.value(0).toLongLong()), query.value(1).toLongLong(),
                        {{}, query.value(2).toInt(), query.value(3).toInt()}});
    for (ClassDay& day : days) {
        QSqlQuery pairs = readStore(store_,
                               QStringLiteral("SELECT expected, struck, count, timed_count, interval_sum FROM keystrokes"
                                              " JOIN outbox_pairs USING (day, expected, struck) WHERE day = ?"),
                               {day.day.toJulianDay()});
        while (pairs.next())
            day.totals.pairs.push_back({char16_t(pairs.value(0).toInt()), char16_t(pairs.value(1).toInt()),
                                        pairs.value(2).toInt(), pairs.value(3).toInt(), pairs.value(4).toDouble()});
    }
    return days;
}

Outbox::Confirmed Outbox::confirmed() const
{
    QSqlQuery query = readStore(store_,
                                QStringLiteral("SELECT (SELECT count(*) FROM attempts WHERE machine IS NULL)"
                                               " - (SELECT count(*) FROM outbox_attempts),"
                                               " (SELECT count(*) FROM games WHERE machine IS NULL)"
                                               " - (SELECT count(*) FROM outbox_games)"),
                                {});
    return query.next() ? Confirmed{query.value(0).toLongLong(), query.value(1).toLongLong()} : Confirmed{};
}

std::map<QDate, Outbox::Confirmed> Outbox::perDay() const
{
    std::map<QDate, Confirmed> days;
    QSqlQuery query = readStore(store_,
                                QStringLiteral("SELECT day, count(*), 0 FROM attempts WHERE machine IS NULL GROUP BY day"
                                               " UNION ALL SELECT day, 0, count(*) FROM games WHERE machine IS NULL"
                                               " GROUP BY day"),
                                {});
    while (query.next()) {
        Confirmed& day = days[QDate::fromJulianDay(query.value(0).toLongLong())];
        day.attempts += query.value(1).toLongLong();
        day.games += query.value(2).toLongLong();
    }
    return days;
}

bool Outbox::queueAgain(const std::vector<QDate>& days)
{
    std::vector<QVariantList> rows;
    for (QDate day : days)
        rows.push_back({day.toJulianDay()});
    return writeRows(QStringLiteral("INSERT OR IGNORE INTO outbox_attempts SELECT id FROM attempts"
                                      " WHERE machine IS NULL AND day = ?"),
                       rows)
           && writeRows(QStringLiteral("INSERT OR IGNORE INTO outbox_games SELECT id FROM games"
                                         " WHERE machine IS NULL AND day = ?"),
                          rows)
           && writeRows(QStringLiteral("INSERT OR IGNORE INTO outbox_pairs SELECT day, expected, struck FROM keystrokes"
                                         " WHERE day = ?"),
                        rows)
           && writeRows(QStringLiteral("INSERT INTO outbox_days VALUES (?, 1)"
                                         " ON CONFLICT (day) DO UPDATE SET changes = changes + 1"),
                          rows);
}

bool Outbox::writeRows(const QString& sql, const std::vector<QVariantList>& rows)
{
    if (!store_.transaction())
        return false;
    QSqlQuery query(store_);
    query.prepare(sql);
    for (const QVariantList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            query.bindValue(int(i), row[i]);
        if (!query.exec()) {
            store_.rollback();
            return false;
        }
    }
    return store_.commit() || (store_.rollback(), false);
}

bool Outbox::confirm(const std::vector<ClassAttempt>& attempts)
{
    std::vector<QVariantList> rows;
    for (const ClassAttempt& attempt : attempts)
        rows.push_back({attempt.row});
    return writeRows(QStringLiteral("DELETE FROM outbox_attempts WHERE attempt = ?"), rows);
}

bool Outbox::confirm(const std::vector<ClassGame>& games)
{
    std::vector<QVariantList> rows;
    for (const ClassGame& game : games)
        rows.push_back({game.row});
    return writeRows(QStringLiteral("DELETE FROM outbox_games WHERE game = ?"), rows);
}

bool Outbox::confirm(const std::vector<ClassDay>& days)
{
    std::vector<QVariantList> rows;
    std::vector<QVariantList> pairs;
    for (const ClassDay& day : days) {
        rows.push_back({day.day.toJulianDay(), day.changes});
        for (const KeystrokePair& pair : day.totals.pairs)
            pairs.push_back({day.day.toJulianDay(), int(pair.expected), int(pair.struck), pair.count});
    }
    // A pair's count only rises: one struck again since it was read stays queued.
    return writeRows(QStringLiteral("DELETE FROM outbox_pairs WHERE day = ? AND expected = ? AND struck = ?"
                                    " AND (SELECT count FROM keystrokes k WHERE k.day = outbox_pairs.day"
                                    " AND k.expected = outbox_pairs.expected AND k.struck = outbox_pairs.struck) = ?"),
                     pairs)
           && writeRows(QStringLiteral("DELETE FROM outbox_days WHERE day = ? AND changes = ?"), rows);
}

} // namespace clavora
