// SPDX-License-Identifier: GPL-3.0-or-later
// What the class benches send and how they count on the server.
#pragma once
#include "history/HistoryRecords.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace clavora::bench {

inline AttemptRecord sampleAttempt(const QDateTime& finished)
{
    AttemptRecord record;
    record.finished = finished;
    record.exercise = record.typed = QStringLiteral("the quick brown fox jumps over a lazy dog");
    record.source.presetFile = QStringLiteral("QWERTY - United States");
    record.seconds = 9.5;
    record.speed = record.correctSpeed = 50;
    record.accuracy = 100;
    record.keystrokes.pairs = {{u'a', u'a', 3, 3, 0.75}, {u'b', u'v', 1, 1, 0.3}};
    return record;
}

inline qint64 scalar(const QSqlDatabase& connection, const QString& sql)
{
    QSqlQuery query(connection);
    return query.exec(sql) && query.next() ? query.value(0).toLongLong() : -1;
}

} // namespace clavora::bench
