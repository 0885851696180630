// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Fakes.h"
#include "history/HistoryStore.h"
#include "history/ProgressQueries.h"

#include <QSqlQuery>

namespace clavora::test {

inline QDateTime at(int year, int month, int day, int hour = 12, int minute = 0, int second = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

inline AttemptRecord attempt(const QDateTime& finished, int speed, int correctSpeed = 0, int accuracy = 100)
{
    AttemptRecord record;
    record.finished = finished;
    record.exercise = QStringLiteral("abc");
    record.typed = QStringLiteral("abc");
    record.seconds = 30.0;
    record.speed = speed;
    record.correctSpeed = correctSpeed;
    record.accuracy = accuracy;
    return record;
}

// One value from the store, for checks that read its tables directly.
inline QVariant scalar(const HistoryStore& store, const QString& sql)
{
    QSqlQuery query(store.database());
    if (!query.exec(sql) || !query.next())
        return {};
    return query.value(0);
}

// An in-memory store whose "today" the test sets through the fake clock.
struct HistoryFixture {
    FakeClock clock;
    HistoryStore store{HistoryStore::InMemory};
    ProgressQueries queries{store, clock};

    HistoryFixture() { clock.dateTime = at(2024, 3, 10, 18); }
};

} // namespace clavora::test
