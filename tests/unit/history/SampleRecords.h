// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history/HistoryRecords.h"

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

} // namespace clavora::test
