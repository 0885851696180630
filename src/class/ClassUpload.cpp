// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassUpload.h"

#include <QSqlError>

namespace clavora {
namespace {

// PostgreSQL's text cannot hold U+0000, and Qt's driver refuses a statement with one: the
// character is sent as U+FFFD, as an undecodable byte would have been read.
QString forServer(QString text)
{
    return text.replace(QChar(u'\0'), QChar::ReplacementCharacter);
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

} // namespace

ClassUpload::ClassUpload(const QSqlDatabase& connection)
    : attempt_(connection), game_(connection), gameLetter_(connection), keystrokes_(connection), lineEdits_(connection)
{
    const std::pair<QSqlQuery*, const char*> statements[] = {
        {&attempt_,
            "INSERT INTO clavora.attempts (id, finished, day, kind, quick_run, preset_file, exercise_number, exercise,"
            " typed, seconds, correct, accuracy, speed, correct_speed, passed)"
            " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"},
        {&game_,
            "INSERT INTO clavora.games (id, started, ended, day, start_level, level_reached, score)"
            " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"},
        {&gameLetter_,
            "INSERT INTO clavora.game_letters (game, letter, hits, hit_seconds, explosions, stray_keys)"
            " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"},
        {&keystrokes_,
            "INSERT INTO clavora.daily_keystrokes (day, machine, expected, struck, count, timed_count, interval_sum)"
            " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT (learner, day, machine, expected, struck) DO UPDATE SET"
            " count = GREATEST(daily_keystrokes.count, EXCLUDED.count),"
            " timed_count = GREATEST(daily_keystrokes.timed_count, EXCLUDED.timed_count),"
            " interval_sum = GREATEST(daily_keystrokes.interval_sum, EXCLUDED.interval_sum)"},
        {&lineEdits_,
            "INSERT INTO clavora.daily_line_edits (day, machine, mid_line_edits, backspaces) VALUES (?, ?, ?, ?)"
            " ON CONFLICT (learner, day, machine) DO UPDATE SET"
            " mid_line_edits = GREATEST(daily_line_edits.mid_line_edits, EXCLUDED.mid_line_edits),"
            " backspaces = GREATEST(daily_line_edits.backspaces, EXCLUDED.backspaces)"},
    };
    for (const auto& [query, sql] : statements) {
        if (error_.isEmpty() && !query->prepare(QLatin1String(sql)))
            error_ = query->lastError().text();
    }
}

QString ClassUpload::run(QSqlQuery& query, const QVariantList& values) const
{
    if (!error_.isEmpty())
        return error_;
    for (qsizetype i = 0; i < values.size(); ++i)
        query.bindValue(int(i), values[i]);
    return query.exec() ? QString() : query.lastError().text();
}

QString ClassUpload::sendAttempt(const QUuid& id, const AttemptRecord& attempt)
{
    return run(attempt_,
        {uuid(id), moment(attempt.finished), attempt.finished.date().toString(Qt::ISODate),
            int(attempt.source.kind), attempt.source.quickRun, forServer(attempt.source.presetFile),
            attempt.source.exerciseNumber, forServer(attempt.exercise), forServer(attempt.typed), attempt.seconds,
            attempt.correct, attempt.accuracy, attempt.speed, attempt.correctSpeed, attempt.passed});
}

QString ClassUpload::sendGame(const QUuid& id, const GameRecord& game)
{
    QString error = run(game_,
        {uuid(id), moment(game.started), moment(game.ended),
            game.started.date().toString(Qt::ISODate), game.startLevel, game.levelReached, qlonglong(game.score)});
    for (const GameLetter& letter : game.letters) {
        if (error.isEmpty())
            error = run(gameLetter_, {uuid(id), int(letter.letter), letter.hits, letter.hitSeconds, letter.explosions,
                                         letter.strayKeys});
    }
    return error;
}

QString ClassUpload::sendDay(const QUuid& machine, QDate day, const KeystrokeTally& totals)
{
    const QString date = day.toString(Qt::ISODate);
    QString error = run(lineEdits_, {date, uuid(machine), totals.midLineEdits, totals.backspaces});
    for (const KeystrokePair& pair : totals.pairs) {
        if (error.isEmpty())
            error = run(keystrokes_, {date, uuid(machine), int(pair.expected), int(pair.struck), pair.count,
                                         pair.timedCount, pair.intervalSeconds});
    }
    return error;
}

} // namespace clavora
