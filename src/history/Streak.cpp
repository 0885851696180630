// SPDX-License-Identifier: GPL-3.0-or-later
#include "Streak.h"
#include "HistoryStore.h"
#include "common/Services.h"

#include <QSqlQuery>
#include <QVariant>

namespace clavora {

int streakLength(const std::vector<qint64>& activeDays, qint64 today)
{
    auto day = activeDays.rbegin();
    while (day != activeDays.rend() && *day > today)
        ++day; // a clock set back leaves days "after" today: they are no part of the run
    if (day == activeDays.rend() || *day < today - 1)
        return 0;
    int length = 1;
    for (qint64 previous = *day++; day != activeDays.rend() && *day == previous - 1; previous = *day++)
        ++length;
    return length;
}

ActivityQueries::ActivityQueries(const HistoryStore& store, const Clock& clock) : store_(store), clock_(clock)
{
}

int ActivityQueries::streak() const
{
    std::vector<qint64> days;
    QSqlQuery query(store_.database());
    if (store_.available() &&
        query.exec(QStringLiteral("SELECT day FROM attempts UNION SELECT day FROM games ORDER BY day"))) {
        while (query.next())
            days.push_back(query.value(0).toLongLong());
    }
    return streakLength(days, clock_.localDateTime().date().toJulianDay());
}

TypingCalendar ActivityQueries::calendar() const
{
    const QDate today = clock_.localDateTime().date();
    TypingCalendar calendar;
    calendar.firstDay = today.addDays(1 - today.dayOfWeek() - 7 * (TypingCalendar::Weeks - 1));
    const qint64 first = calendar.firstDay.toJulianDay();
    calendar.minutes.assign(std::size_t(today.toJulianDay() - first + 1), 0.0);
    if (!store_.available())
        return calendar;
    // A game's minutes run from its start to its end, pauses included.
    QSqlQuery query(store_.database());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT day, SUM(seconds) FROM ("
                                 " SELECT day, seconds FROM attempts WHERE day >= ?"
                                 " UNION ALL SELECT day, (julianday(ended) - julianday(started)) * 86400 FROM games"
                                 " WHERE day >= ?) GROUP BY day"));
    query.addBindValue(first);
    query.addBindValue(first);
    if (!query.exec())
        return calendar;
    while (query.next()) {
        const qint64 offset = query.value(0).toLongLong() - first;
        if (offset < qint64(calendar.minutes.size()))
            calendar.minutes[std::size_t(offset)] = query.value(1).toDouble() / 60;
    }
    return calendar;
}

} // namespace clavora
