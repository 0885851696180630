// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoredAttempt.h"

#include <QSqlQuery>
#include <QVariant>

namespace clavora {

QString storedTime(const QDateTime& time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODate);
}

QDateTime readStoredTime(const QVariant& value)
{
    return QDateTime::fromString(value.toString(), Qt::ISODate);
}

QString storedText(const QString& text)
{
    return text.isNull() ? QStringLiteral("") : text;
}

QString storedAttemptColumns()
{
    // The texts are read as their bytes and decoded here, so that bytes that are not UTF-8 (a
    // store written by another program) come out as U+FFFD.
    return QStringLiteral("finished, kind, quick_run, CAST(preset_file AS BLOB), exercise_number, CAST(exercise AS BLOB),"
                          " CAST(typed AS BLOB), seconds, correct, accuracy, speed, correct_speed, passed");
}

AttemptRecord storedAttempt(const QSqlQuery& query, int first)
{
    const auto value = [&](int column) { return query.value(first + column); };
    AttemptRecord attempt;
    attempt.finished = readStoredTime(value(0));
    attempt.source = {AttemptKind(value(1).toInt()), value(2).toBool(), QString::fromUtf8(value(3).toByteArray()),
                      value(4).toInt()};
    attempt.exercise = QString::fromUtf8(value(5).toByteArray());
    attempt.typed = QString::fromUtf8(value(6).toByteArray());
    attempt.seconds = value(7).toDouble();
    attempt.correct = value(8).toInt();
    attempt.accuracy = value(9).toInt();
    attempt.speed = value(10).toInt();
    attempt.correctSpeed = value(11).toInt();
    attempt.passed = value(12).toBool();
    return attempt;
}

QSqlQuery readStore(const QSqlDatabase& store, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(store);
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

} // namespace clavora
