// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassUpload.h"
#include "ClassStatement.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>

namespace clavora {
namespace {

// PostgreSQL's text cannot hold U+0000: the character is sent as U+FFFD, as an undecodable
// byte would have been read. A lone surrogate, which UTF-8 cannot carry, goes as "?".
QString forServer(const QString& text)
{
    QString sent = text;
    sent.replace(QChar(u'\0'), QChar::ReplacementCharacter);
    for (qsizetype i = 0; i < sent.size(); ++i) {
        if (sent[i].isHighSurrogate() && i + 1 < sent.size() && sent[i + 1].isLowSurrogate())
            ++i;
        else if (sent[i].isSurrogate())
            sent[i] = u'?';
    }
    return sent;
}

// With its offset from UTC, which the text of a local time leaves out.
QString moment(const QDateTime& time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

QString uuid(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces);
}

QString date(QDate day)
{
    return day.toString(Qt::ISODate);
}

QString json(const QJsonArray& rows)
{
    return QString::fromUtf8(QJsonDocument(rows).toJson(QJsonDocument::Compact));
}

// The records go as one JSON array, a row of the table per element: one parameter however
// many rows, and texts quoted by the JSON writer.
const char* const attemptsSql =
    "INSERT INTO clavora.attempts (id, machine, finished, day, kind, quick_run, preset_file, exercise_number, exercise,"
    " typed, seconds, correct, accuracy, speed, correct_speed, passed)"
    " SELECT id, ?::uuid, finished, day, kind, quick_run, preset_file, exercise_number, exercise, typed, seconds,"
    " correct, accuracy, speed, correct_speed, passed FROM json_to_recordset(?::json) AS r(id uuid,"
    " finished timestamptz, day date, kind smallint, quick_run boolean, preset_file text, exercise_number integer,"
    " exercise text, typed text, seconds double precision, correct integer, accuracy integer, speed integer,"
    " correct_speed integer, passed boolean) ON CONFLICT DO NOTHING";
const char* const gamesSql =
    "INSERT INTO clavora.games (id, machine, started, ended, day, start_level, level_reached, score)"
    " SELECT id, ?::uuid, started, ended, day, start_level, level_reached, score FROM json_to_recordset(?::json)"
    " AS r(id uuid, started timestamptz, ended timestamptz, day date, start_level integer, level_reached integer,"
    " score bigint) ON CONFLICT DO NOTHING";
const char* const gameLettersSql =
    "INSERT INTO clavora.game_letters (game, letter, hits, hit_seconds, explosions, stray_keys)"
    " SELECT game, letter, hits, hit_seconds, explosions, stray_keys FROM json_to_recordset(?::json)"
    " AS r(game uuid, letter integer, hits integer, hit_seconds double precision, explosions integer,"
    " stray_keys integer) ON CONFLICT DO NOTHING";
const char* const keystrokesSql =
    "INSERT INTO clavora.daily_keystrokes (day, machine, expected, struck, count, timed_count, interval_sum)"
    " SELECT day, ?::uuid, expected, struck, count, timed_count, interval_sum FROM json_to_recordset(?::json)"
    " AS r(day date, expected integer, struck integer, count integer, timed_count integer,"
    " interval_sum double precision) ON CONFLICT (learner, day, machine, expected, struck) DO UPDATE SET"
    " count = GREATEST(daily_keystrokes.count, EXCLUDED.count),"
    " timed_count = GREATEST(daily_keystrokes.timed_count, EXCLUDED.timed_count),"
    " interval_sum = GREATEST(daily_keystrokes.interval_sum, EXCLUDED.interval_sum)";
const char* const lineEditsSql =
    "INSERT INTO clavora.daily_line_edits (day, machine, mid_line_edits, backspaces)"
    " SELECT day, ?::uuid, mid_line_edits, backspaces FROM json_to_recordset(?::json)"
    " AS r(day date, mid_line_edits integer, backspaces integer) ON CONFLICT (learner, day, machine) DO UPDATE SET"
    " mid_line_edits = GREATEST(daily_line_edits.mid_line_edits, EXCLUDED.mid_line_edits),"
    " backspaces = GREATEST(daily_line_edits.backspaces, EXCLUDED.backspaces)";

} // namespace

bool ClassUpload::refusedARow() const
{
    // SQLSTATE classes 22 (data exception) and 23 (integrity constraint violation), whatever
    // language the server answers in.
    const QString state = error_.nativeErrorCode();
    return state.startsWith(QLatin1String("22")) || state.startsWith(QLatin1String("23"));
}

QString ClassUpload::run(const std::vector<std::pair<const char*, QVariantList>>& statements)
{
    // One transaction, which a pooler in transaction mode keeps on one server connection.
    error_ = QSqlError();
    if (!connection_.transaction()) {
        error_ = connection_.lastError();
        return error_.text();
    }
    if (error_ = ClassStatement::limitTime(connection_); error_.type() == QSqlError::NoError) {
        for (const auto& [sql, values] : statements) {
            error_ = ClassStatement::run(connection_, QLatin1String(sql), values).lastError();
            if (error_.type() != QSqlError::NoError)
                break;
        }
    }
    if (error_.type() != QSqlError::NoError) {
        connection_.rollback();
        return error_.text();
    }
    if (!connection_.commit())
        error_ = connection_.lastError();
    return error_.type() == QSqlError::NoError ? QString() : error_.text();
}

QString ClassUpload::sendAttempts(const QUuid& machine, const std::vector<ClassAttempt>& attempts)
{
    QJsonArray rows;
    for (const ClassAttempt& attempt : attempts) {
        const AttemptRecord& record = attempt.record;
        rows.append(QJsonObject{{"id", uuid(attempt.id)}, {"finished", moment(record.finished)},
                                {"day", date(attempt.day)}, {"kind", int(record.source.kind)},
                                {"quick_run", record.source.quickRun}, {"preset_file", forServer(record.source.presetFile)},
                                {"exercise_number", record.source.exerciseNumber}, {"exercise", forServer(record.exercise)},
                                {"typed", forServer(record.typed)}, {"seconds", record.seconds}, {"correct", record.correct},
                                {"accuracy", record.accuracy}, {"speed", record.speed},
                                {"correct_speed", record.correctSpeed}, {"passed", record.passed}});
    }
    return rows.isEmpty() ? QString() : run({{attemptsSql, {uuid(machine), json(rows)}}});
}

QString ClassUpload::sendGames(const QUuid& machine, const std::vector<ClassGame>& games)
{
    QJsonArray rows;
    QJsonArray letters;
    for (const ClassGame& game : games) {
        const GameRecord& record = game.record;
        rows.append(QJsonObject{{"id", uuid(game.id)}, {"started", moment(record.started)},
                                {"ended", moment(record.ended)}, {"day", date(game.day)},
                                {"start_level", record.startLevel}, {"level_reached", record.levelReached},
                                {"score", qint64(record.score)}});
        for (const GameLetter& letter : record.letters)
            letters.append(QJsonObject{{"game", uuid(game.id)}, {"letter", int(letter.letter)}, {"hits", letter.hits},
                                       {"hit_seconds", letter.hitSeconds}, {"explosions", letter.explosions},
                                       {"stray_keys", letter.strayKeys}});
    }
    if (rows.isEmpty())
        return {};
    return run({{gamesSql, {uuid(machine), json(rows)}}, {gameLettersSql, {json(letters)}}});
}

QString ClassUpload::sendDays(const QUuid& machine, const std::vector<ClassDay>& days)
{
    QJsonArray edits;
    QJsonArray pairs;
    for (const ClassDay& day : days) {
        edits.append(QJsonObject{{"day", date(day.day)}, {"mid_line_edits", day.totals.midLineEdits},
                                 {"backspaces", day.totals.backspaces}});
        for (const KeystrokePair& pair : day.totals.pairs)
            pairs.append(QJsonObject{{"day", date(day.day)}, {"expected", int(pair.expected)},
                                     {"struck", int(pair.struck)}, {"count", pair.count},
                                     {"timed_count", pair.timedCount}, {"interval_sum", pair.intervalSeconds}});
    }
    if (edits.isEmpty())
        return {};
    return run({{lineEditsSql, {uuid(machine), json(edits)}}, {keystrokesSql, {uuid(machine), json(pairs)}}});
}

} // namespace clavora
