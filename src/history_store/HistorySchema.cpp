// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistorySchema.h"

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace clavora {
namespace {

// A day's mean interval before a right stroke, in whole milliseconds, of a keystrokes row
// (`row` "NEW.", "OLD." or none).
QString dayMeanMilliseconds(const QString& row)
{
    return QStringLiteral("CAST(ROUND(1000 * %1interval_sum / %1timed_count) AS INTEGER)").arg(row);
}

// Adds (`sign` "+") or takes away ("-") a keystrokes row's day mean of a key's intervals;
// `row` is "NEW" or "OLD".
QString addInterval(const QString& row, const QString& sign)
{
    return QStringLiteral("INSERT INTO key_intervals SELECT %1.expected, %2, %3%1.timed_count"
                          " WHERE %1.struck = %1.expected AND %1.timed_count > 0"
                          " ON CONFLICT (expected, milliseconds) DO UPDATE SET timed_count = timed_count + excluded.timed_count;")
        .arg(row, dayMeanMilliseconds(row + u'.'), sign);
}

// The triggers that keep the sums of all days (key_totals, key_intervals) in step with a
// table of day keystrokes as rows are added to it and raised.
QString keystrokesAdded(const QString& table)
{
    return QStringLiteral("CREATE TRIGGER %1_added AFTER INSERT ON %1 BEGIN"
                          " INSERT INTO key_totals VALUES (NEW.expected, NEW.struck, NEW.count)"
                          "  ON CONFLICT (expected, struck) DO UPDATE SET count = count + excluded.count;"
                          " %2 END")
        .arg(table, addInterval(QStringLiteral("NEW"), QStringLiteral("+")));
}

QString keystrokesChanged(const QString& table)
{
    return QStringLiteral("CREATE TRIGGER %1_changed AFTER UPDATE ON %1 BEGIN"
                          " UPDATE key_totals SET count = count + NEW.count - OLD.count"
                          "  WHERE expected = NEW.expected AND struck = NEW.struck;"
                          " %2"
                          " DELETE FROM key_intervals WHERE expected = OLD.expected AND timed_count <= 0;"
                          " %3 END")
        .arg(table, addInterval(QStringLiteral("OLD"), QStringLiteral("-")),
             addInterval(QStringLiteral("NEW"), QStringLiteral("+")));
}

// A random UUID (version 4) in SQL, for the rows a migration finds.
QString randomUuid()
{
    return QStringLiteral("lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2)"
                          " || '-' || substr('89ab', 1 + abs(random()) % 4, 1) || substr(hex(randomblob(2)), 2) || '-'"
                          " || hex(randomblob(6)))");
}

// Marks a day whose key figures changed as not yet sent; `changes` tells a send that read
// the day from one that missed a later change.
QString dayQueued(const QString& table, const QString& event)
{
    return QStringLiteral("CREATE TRIGGER %1_queued_on_%2 AFTER %2 ON %1 BEGIN"
                          " INSERT INTO outbox_days VALUES (NEW.day, 1)"
                          "  ON CONFLICT (day) DO UPDATE SET changes = changes + 1; END")
        .arg(table, event);
}

// Marks a key pair of this machine's day as changed since it was last sent.
QString pairQueued(const QString& event)
{
    return QStringLiteral("CREATE TRIGGER keystrokes_pair_queued_on_%1 AFTER %1 ON keystrokes BEGIN"
                          " INSERT INTO outbox_pairs VALUES (NEW.day, NEW.expected, NEW.struck)"
                          "  ON CONFLICT (day, expected, struck) DO NOTHING; END")
        .arg(event);
}

// A game's minutes run from its start to its end, pauses included.
QString gameSeconds(const QString& row)
{
    return QStringLiteral("(julianday(%1ended) - julianday(%1started)) * 86400").arg(row);
}

// Each day's attempts, best figures and medians (the mean of the middle two of an even
// count), of the attempts `filter` keeps.
QString attemptDays(const QString& filter)
{
    const auto median = [](const char* column) {
        return QStringLiteral("AVG(CASE WHEN %1_rank IN ((n + 1) / 2, (n + 2) / 2) THEN %1 END)").arg(QLatin1String(column));
    };
    return QStringLiteral("SELECT day, COUNT(*), SUM(seconds), %1, MAX(speed), %2, MAX(correct_speed), %3, MAX(accuracy)"
                          " FROM (SELECT day, seconds, speed, correct_speed, accuracy,"
                          " ROW_NUMBER() OVER (PARTITION BY day ORDER BY speed) AS speed_rank,"
                          " ROW_NUMBER() OVER (PARTITION BY day ORDER BY correct_speed) AS correct_speed_rank,"
                          " ROW_NUMBER() OVER (PARTITION BY day ORDER BY accuracy) AS accuracy_rank,"
                          " COUNT(*) OVER (PARTITION BY day) AS n FROM attempts %4) WHERE true GROUP BY day")
        .arg(median("speed"), median("correct_speed"), median("accuracy"), filter);
}

// Each day's lower median of a measure (the value at rank (n + 1) / 2 of its n attempts) is
// kept with the number of attempts below it, `below`, and moved by one value at most as
// each attempt comes, so that an attempt costs a few lookups however many the day has.
// How many attempts of the day of a statement on day_medians have `value`.
QString dayCount(const QString& value)
{
    return QStringLiteral("(SELECT count FROM day_values c WHERE c.day = day_medians.day"
                          " AND c.measure = day_medians.measure AND c.value = %1)")
        .arg(value);
}

// The next value of the day below (`extreme` "max", `side` "<") or above ("min", ">") the
// lower median of a statement on day_medians.
QString dayNeighbour(const char* extreme, const char* side)
{
    return QStringLiteral("(SELECT %1(value) FROM day_values n WHERE n.day = day_medians.day"
                          " AND n.measure = day_medians.measure AND n.value %2 day_medians.low)")
        .arg(QLatin1String(extreme), QLatin1String(side));
}

// The median of `measure` for the day of a statement on `days`: the mean of the lower median
// and the value at rank (n + 2) / 2, the same unless n is even.
QString dayMedian(int measure)
{
    return QStringLiteral("(SELECT (low + CASE WHEN below + (SELECT count FROM day_values c WHERE c.day = m.day"
                          " AND c.measure = m.measure AND c.value = m.low) >= (days.attempts + 2) / 2 THEN low"
                          " ELSE (SELECT min(value) FROM day_values n WHERE n.day = m.day AND n.measure = m.measure"
                          " AND n.value > m.low) END) / 2.0 FROM day_medians m WHERE m.day = days.day"
                          " AND m.measure = %1)")
        .arg(measure);
}

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
    // Version 3: the figures of each day and of all days, kept up to date by triggers in the
    // transaction that writes each attempt and game, so that no figure reads every attempt or
    // every day's keystrokes. Keystrokes are kept in day order, so that a period reads its
    // own days alone; all of them are summed per key pair, and the day means of each key's
    // intervals (in whole milliseconds) counted with their timed strokes for the median.
    static const QStringList toVersion3 = {
        QStringLiteral("CREATE TABLE keystrokes_by_day ("
                       " day INTEGER NOT NULL,"
                       " expected INTEGER NOT NULL,"
                       " struck INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " timed_count INTEGER NOT NULL,"
                       " interval_sum REAL NOT NULL,"
                       " PRIMARY KEY (day, expected, struck)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO keystrokes_by_day SELECT day, expected, struck, count, timed_count, interval_sum"
                       " FROM keystrokes"),
        QStringLiteral("DROP TABLE keystrokes"),
        QStringLiteral("ALTER TABLE keystrokes_by_day RENAME TO keystrokes"),
        QStringLiteral("CREATE TABLE key_totals ("
                       " expected INTEGER NOT NULL,"
                       " struck INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " PRIMARY KEY (expected, struck)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO key_totals SELECT expected, struck, SUM(count) FROM keystrokes GROUP BY expected, struck"),
        QStringLiteral("CREATE TABLE key_intervals ("
                       " expected INTEGER NOT NULL,"
                       " milliseconds INTEGER NOT NULL," // a day's mean interval before a right stroke
                       " timed_count INTEGER NOT NULL,"
                       " PRIMARY KEY (expected, milliseconds)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO key_intervals SELECT expected, %1 AS milliseconds, SUM(timed_count) FROM keystrokes"
                       " WHERE struck = expected AND timed_count > 0 GROUP BY expected, milliseconds")
            .arg(dayMeanMilliseconds(QString())),
        keystrokesAdded(QStringLiteral("keystrokes")),
        keystrokesChanged(QStringLiteral("keystrokes")),
        QStringLiteral("CREATE TABLE days ("
                       " day INTEGER PRIMARY KEY,"
                       " attempts INTEGER NOT NULL DEFAULT 0,"
                       " attempt_seconds REAL NOT NULL DEFAULT 0,"
                       " median_speed REAL,"
                       " best_speed INTEGER,"
                       " median_correct_speed REAL,"
                       " best_correct_speed INTEGER,"
                       " median_accuracy REAL,"
                       " best_accuracy INTEGER,"
                       " games INTEGER NOT NULL DEFAULT 0,"
                       " game_seconds REAL NOT NULL DEFAULT 0)"),
        QStringLiteral("INSERT INTO days (day, attempts, attempt_seconds, median_speed, best_speed, median_correct_speed,"
                       " best_correct_speed, median_accuracy, best_accuracy) %1")
            .arg(attemptDays(QString())),
        QStringLiteral("INSERT INTO days (day, games, game_seconds) SELECT day, COUNT(*), SUM(%1) FROM games WHERE true"
                       " GROUP BY day ON CONFLICT (day) DO UPDATE SET games = excluded.games,"
                       " game_seconds = excluded.game_seconds")
            .arg(gameSeconds(QString())),
        // An attempt's day is figured again from its attempts: a median cannot be added to.
        QStringLiteral("CREATE TRIGGER attempt_added AFTER INSERT ON attempts BEGIN"
                       " INSERT INTO days (day, attempts, attempt_seconds, median_speed, best_speed, median_correct_speed,"
                       " best_correct_speed, median_accuracy, best_accuracy) %1"
                       " ON CONFLICT (day) DO UPDATE SET attempts = excluded.attempts,"
                       " attempt_seconds = excluded.attempt_seconds, median_speed = excluded.median_speed,"
                       " best_speed = excluded.best_speed, median_correct_speed = excluded.median_correct_speed,"
                       " best_correct_speed = excluded.best_correct_speed, median_accuracy = excluded.median_accuracy,"
                       " best_accuracy = excluded.best_accuracy; END")
            .arg(attemptDays(QStringLiteral("WHERE day = NEW.day"))),
        QStringLiteral("CREATE TRIGGER game_added AFTER INSERT ON games BEGIN"
                       " INSERT INTO days (day, games, game_seconds) VALUES (NEW.day, 1, %1)"
                       " ON CONFLICT (day) DO UPDATE SET games = games + 1,"
                       " game_seconds = game_seconds + excluded.game_seconds; END")
            .arg(gameSeconds(QStringLiteral("NEW."))),
    };
    // Version 4: the class. Every attempt and game has a UUID, the same on the class server,
    // and the machine that made it (none: this one); the store has its own machine UUID. The
    // outbox holds what the server has not confirmed: this machine's attempts and games, and
    // the days whose key figures changed. Other machines' day key figures are kept apart
    // from this machine's running totals, which are what it sends, and feed the sums of all
    // days like them; every_keystroke reads both.
    static const QStringList toVersion4 = {
        QStringLiteral("ALTER TABLE attempts ADD COLUMN uuid TEXT"),
        QStringLiteral("ALTER TABLE attempts ADD COLUMN machine TEXT"),
        QStringLiteral("UPDATE attempts SET uuid = %1").arg(randomUuid()),
        QStringLiteral("CREATE UNIQUE INDEX attempts_by_uuid ON attempts (uuid)"),
        QStringLiteral("ALTER TABLE games ADD COLUMN uuid TEXT"),
        QStringLiteral("ALTER TABLE games ADD COLUMN machine TEXT"),
        QStringLiteral("UPDATE games SET uuid = %1").arg(randomUuid()),
        QStringLiteral("CREATE UNIQUE INDEX games_by_uuid ON games (uuid)"),
        QStringLiteral("CREATE TABLE machine (single INTEGER PRIMARY KEY CHECK (single = 1), uuid TEXT NOT NULL)"),
        QStringLiteral("INSERT INTO machine VALUES (1, %1)").arg(randomUuid()),
        QStringLiteral("CREATE TABLE outbox_attempts (attempt INTEGER PRIMARY KEY)"),
        QStringLiteral("INSERT INTO outbox_attempts SELECT id FROM attempts"),
        QStringLiteral("CREATE TABLE outbox_games (game INTEGER PRIMARY KEY)"),
        QStringLiteral("INSERT INTO outbox_games SELECT id FROM games"),
        QStringLiteral("CREATE TABLE outbox_days (day INTEGER PRIMARY KEY, changes INTEGER NOT NULL)"),
        QStringLiteral("INSERT INTO outbox_days SELECT day, 1 FROM keystrokes UNION SELECT day, 1 FROM line_edits"),
        // Named when written, whoever writes the row.
        QStringLiteral("CREATE TRIGGER attempt_named AFTER INSERT ON attempts WHEN NEW.uuid IS NULL BEGIN"
                       " UPDATE attempts SET uuid = %1 WHERE id = NEW.id; END")
            .arg(randomUuid()),
        QStringLiteral("CREATE TRIGGER game_named AFTER INSERT ON games WHEN NEW.uuid IS NULL BEGIN"
                       " UPDATE games SET uuid = %1 WHERE id = NEW.id; END")
            .arg(randomUuid()),
        QStringLiteral("CREATE TRIGGER attempt_queued AFTER INSERT ON attempts WHEN NEW.machine IS NULL BEGIN"
                       " INSERT INTO outbox_attempts VALUES (NEW.id); END"),
        QStringLiteral("CREATE TRIGGER game_queued AFTER INSERT ON games WHEN NEW.machine IS NULL BEGIN"
                       " INSERT INTO outbox_games VALUES (NEW.id); END"),
        dayQueued(QStringLiteral("keystrokes"), QStringLiteral("INSERT")),
        dayQueued(QStringLiteral("keystrokes"), QStringLiteral("UPDATE")),
        dayQueued(QStringLiteral("line_edits"), QStringLiteral("INSERT")),
        dayQueued(QStringLiteral("line_edits"), QStringLiteral("UPDATE")),
        QStringLiteral("CREATE TABLE machine_keystrokes ("
                       " day INTEGER NOT NULL,"
                       " machine TEXT NOT NULL,"
                       " expected INTEGER NOT NULL,"
                       " struck INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " timed_count INTEGER NOT NULL,"
                       " interval_sum REAL NOT NULL,"
                       " PRIMARY KEY (day, machine, expected, struck)) WITHOUT ROWID"),
        keystrokesAdded(QStringLiteral("machine_keystrokes")),
        keystrokesChanged(QStringLiteral("machine_keystrokes")),
        QStringLiteral("CREATE VIEW every_keystroke AS"
                       " SELECT day, expected, struck, count, timed_count, interval_sum FROM keystrokes UNION ALL"
                       " SELECT day, expected, struck, count, timed_count, interval_sum FROM machine_keystrokes"),
    };
    // Version 5: each day's attempts counted per speed, correct speed and accuracy, and each
    // day's lower median of them kept with the attempts below it, so that an attempt moves
    // its day's medians by a step rather than ranking every attempt of the day again: a day
    // of many attempts, fetched from the class or typed, costs the same per attempt. Records
    // of other machines the store cannot hold are noted by UUID (kind 0 attempt, 1 game), so
    // that they are fetched and reported once; when the history was last forgotten, so that
    // nothing from before is fetched back.
    static const QStringList toVersion5 = {
        // The key pairs of a queued day that changed since they were last sent: a day sends
        // those alone rather than all its pairs again.
        QStringLiteral("CREATE TABLE outbox_pairs ("
                       " day INTEGER NOT NULL,"
                       " expected INTEGER NOT NULL,"
                       " struck INTEGER NOT NULL,"
                       " PRIMARY KEY (day, expected, struck)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO outbox_pairs SELECT day, expected, struck FROM keystrokes"
                       " WHERE day IN (SELECT day FROM outbox_days)"),
        pairQueued(QStringLiteral("INSERT")),
        pairQueued(QStringLiteral("UPDATE")),
        QStringLiteral("CREATE TABLE forgotten (single INTEGER PRIMARY KEY CHECK (single = 1), moment TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE unstorable_records ("
                       " uuid TEXT PRIMARY KEY,"
                       " machine TEXT NOT NULL,"
                       " kind INTEGER NOT NULL) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE day_values ("
                       " day INTEGER NOT NULL,"
                       " measure INTEGER NOT NULL," // 0 speed, 1 correct speed, 2 accuracy
                       " value INTEGER NOT NULL,"
                       " count INTEGER NOT NULL,"
                       " PRIMARY KEY (day, measure, value)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO day_values SELECT day, 0, speed, COUNT(*) FROM attempts GROUP BY day, speed"
                       " UNION ALL SELECT day, 1, correct_speed, COUNT(*) FROM attempts GROUP BY day, correct_speed"
                       " UNION ALL SELECT day, 2, accuracy, COUNT(*) FROM attempts GROUP BY day, accuracy"),
        QStringLiteral("CREATE TABLE day_medians ("
                       " day INTEGER NOT NULL,"
                       " measure INTEGER NOT NULL,"
                       " low INTEGER NOT NULL,"   // the value at rank (n + 1) / 2
                       " below INTEGER NOT NULL," // the day's attempts of a lower value
                       " PRIMARY KEY (day, measure)) WITHOUT ROWID"),
        QStringLiteral("INSERT INTO day_medians SELECT day, measure, value, upto - count FROM ("
                       " SELECT v.day, v.measure, v.value, v.count, d.attempts AS n,"
                       " SUM(v.count) OVER (PARTITION BY v.day, v.measure ORDER BY v.value) AS upto"
                       " FROM day_values v JOIN days d USING (day))"
                       " WHERE upto >= (n + 1) / 2 AND upto - count < (n + 1) / 2"),
        QStringLiteral("DROP TRIGGER attempt_added"),
        QStringLiteral("CREATE TRIGGER attempt_added AFTER INSERT ON attempts BEGIN"
                       " INSERT INTO day_values VALUES (NEW.day, 0, NEW.speed, 1), (NEW.day, 1, NEW.correct_speed, 1),"
                       "  (NEW.day, 2, NEW.accuracy, 1) ON CONFLICT (day, measure, value) DO UPDATE SET count = count + 1;"
                       " INSERT INTO days (day, attempts, attempt_seconds, best_speed, best_correct_speed, best_accuracy)"
                       "  VALUES (NEW.day, 1, NEW.seconds, NEW.speed, NEW.correct_speed, NEW.accuracy)"
                       "  ON CONFLICT (day) DO UPDATE SET attempts = attempts + 1,"
                       "  attempt_seconds = attempt_seconds + excluded.attempt_seconds,"
                       "  best_speed = max(coalesce(best_speed, excluded.best_speed), excluded.best_speed),"
                       "  best_correct_speed = max(coalesce(best_correct_speed, excluded.best_correct_speed),"
                       "   excluded.best_correct_speed),"
                       "  best_accuracy = max(coalesce(best_accuracy, excluded.best_accuracy), excluded.best_accuracy);"
                       " INSERT INTO day_medians VALUES (NEW.day, 0, NEW.speed, 0), (NEW.day, 1, NEW.correct_speed, 0),"
                       "  (NEW.day, 2, NEW.accuracy, 0)"
                       "  ON CONFLICT (day, measure) DO UPDATE SET below = below + (excluded.low < low);"
                       // The rank of the lower median rose by one or not at all, the attempts below it by one
                       // or not at all: one step down or up, or none.
                       " UPDATE day_medians SET low = %1, below = below - %2 WHERE day = NEW.day"
                       "  AND below >= (SELECT attempts + 1 FROM days WHERE day = NEW.day) / 2;"
                       " UPDATE day_medians SET low = %3, below = below + %4 WHERE day = NEW.day"
                       "  AND below + %4 < (SELECT attempts + 1 FROM days WHERE day = NEW.day) / 2;"
                       " UPDATE days SET median_speed = %5, median_correct_speed = %6, median_accuracy = %7"
                       "  WHERE day = NEW.day; END")
            .arg(dayNeighbour("max", "<"), dayCount(dayNeighbour("max", "<")), dayNeighbour("min", ">"),
                 dayCount(QStringLiteral("day_medians.low")), dayMedian(0), dayMedian(1), dayMedian(2)),
    };
    // Version 6: the place the store was last opened at (the computer and the file), so that
    // a copy opened elsewhere becomes a machine of its own.
    static const QStringList toVersion6 = {QStringLiteral("ALTER TABLE machine ADD COLUMN place TEXT")};
    switch (version) {
    case 1: return toVersion1;
    case 2: return toVersion2;
    case 3: return toVersion3;
    case 4: return toVersion4;
    case 5: return toVersion5;
    default: return toVersion6;
    }
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
