// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressQueries.h"
#include "HistoryStore.h"
#include "StoredAttempt.h"
#include "common/Services.h"
#include "history/Streak.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace clavora {
namespace {

// The median of values each counted `weight` times.
double weightedMedian(std::vector<std::pair<double, qint64>>& weighted)
{
    std::sort(weighted.begin(), weighted.end());
    qint64 total = 0;
    for (const auto& entry : weighted)
        total += entry.second;
    qint64 running = 0;
    for (const auto& entry : weighted) {
        running += entry.second;
        if (2 * running >= total)
            return entry.first;
    }
    return weighted.back().first;
}

// A read-only query over the store, or an inactive one when the store holds nothing yet or
// is unavailable.
QSqlQuery select(const HistoryStore& store, const QString& sql, const QVariantList& values)
{
    if (store.neverWritten() || !store.available())
        return QSqlQuery();
    return readStore(store.database(), sql, values);
}

// A day's mean interval before a right stroke, in whole milliseconds, as the store counts
// the days of all time.
double dayMeanMilliseconds(double intervalSum, qint64 timed)
{
    return std::round(1000 * intervalSum / double(timed));
}

} // namespace

ProgressQueries::ProgressQueries(const HistoryStore& store, const Clock& clock)
    : store_(store), clock_(clock)
{
}

bool ProgressQueries::available() const
{
    return store_.neverWritten() || store_.available();
}

QString ProgressQueries::problem() const
{
    return store_.neverWritten() ? QString() : store_.problem();
}

bool ProgressQueries::knownUnavailable() const
{
    return store_.knownUnavailable();
}

qint64 ProgressQueries::firstDay(HistoryPeriod period) const
{
    const qint64 today = clock_.localDateTime().date().toJulianDay();
    switch (period) {
    case HistoryPeriod::Week: return today - 6;
    case HistoryPeriod::Month: return today - 29;
    case HistoryPeriod::Year: return today - 364;
    case HistoryPeriod::Everything: break;
    }
    return std::numeric_limits<qint64>::min();
}

QSqlQuery ProgressQueries::overPeriod(HistoryPeriod period, const QString& allDays, const QString& periodDays,
                                      QVariantList values) const
{
    if (period == HistoryPeriod::Everything)
        return select(store_, allDays, values);
    values.prepend(firstDay(period));
    return select(store_, periodDays, values);
}

std::vector<DayFigures> ProgressQueries::dailyFigures(HistoryPeriod period) const
{
    std::vector<DayFigures> days;
    QSqlQuery query = select(store_, QStringLiteral("SELECT day, attempts, median_speed, best_speed, median_correct_speed,"
                                                    " best_correct_speed, median_accuracy, best_accuracy FROM days"
                                                    " WHERE day >= ? AND attempts > 0 ORDER BY day"),
                             {firstDay(period)});
    while (query.next())
        days.push_back({QDate::fromJulianDay(query.value(0).toLongLong()), query.value(1).toInt(),
                        query.value(2).toDouble(), query.value(3).toInt(), query.value(4).toDouble(),
                        query.value(5).toInt(), query.value(6).toDouble(), query.value(7).toInt()});
    return days;
}

std::vector<KeyFigures> ProgressQueries::keyFigures(HistoryPeriod period) const
{
    std::map<char16_t, KeyFigures> keys;
    std::map<char16_t, int> mostStruckCount;
    QSqlQuery pairs = overPeriod(period, QStringLiteral("SELECT expected, struck, count FROM key_totals WHERE expected <> 0"),
                                 QStringLiteral("SELECT expected, struck, SUM(count) FROM every_keystroke"
                                                " WHERE day >= ? AND expected <> 0 GROUP BY expected, struck"));
    while (pairs.next()) {
        const char16_t expected = char16_t(pairs.value(0).toInt());
        const char16_t struck = char16_t(pairs.value(1).toInt());
        const int count = pairs.value(2).toInt();
        KeyFigures& key = keys[expected];
        key.key = QChar(expected);
        key.strokes += count;
        if (struck == expected)
            continue;
        key.errors += count;
        int& best = mostStruckCount[expected];
        if (count > best) {
            best = count;
            key.mostStruckInstead = QChar(struck);
        }
    }

    // Each day's mean for each key struck right, with its timed strokes: counted by the
    // store for all days, read for the days of a period.
    std::map<char16_t, std::vector<std::pair<double, qint64>>> dailyMeans;
    if (period == HistoryPeriod::Everything) {
        QSqlQuery intervals = select(store_, QStringLiteral("SELECT expected, milliseconds, timed_count FROM key_intervals"
                                                            " WHERE expected <> 0 AND timed_count > 0"),
                                     {});
        while (intervals.next())
            dailyMeans[char16_t(intervals.value(0).toInt())].emplace_back(intervals.value(1).toDouble(),
                                                                          intervals.value(2).toLongLong());
    } else {
        QSqlQuery intervals = select(store_, QStringLiteral("SELECT expected, timed_count, interval_sum FROM every_keystroke"
                                                            " WHERE day >= ? AND struck = expected AND expected <> 0"
                                                            " AND timed_count > 0"),
                                     {firstDay(period)});
        while (intervals.next()) {
            const qint64 timed = intervals.value(1).toLongLong();
            dailyMeans[char16_t(intervals.value(0).toInt())].emplace_back(
                dayMeanMilliseconds(intervals.value(2).toDouble(), timed), timed);
        }
    }

    std::vector<KeyFigures> figures;
    figures.reserve(keys.size());
    for (auto& [code, key] : keys) {
        if (key.strokes >= KeyFigures::StrokesForRate)
            key.errorRate = double(key.errors) / key.strokes;
        auto means = dailyMeans.find(code);
        if (means != dailyMeans.end())
            key.medianIntervalMilliseconds = weightedMedian(means->second);
        figures.push_back(key);
    }
    return figures;
}

std::vector<ConfusionPair> ProgressQueries::confusionPairs(HistoryPeriod period, int limit) const
{
    std::vector<ConfusionPair> pairs;
    QSqlQuery query = overPeriod(period,
                                 QStringLiteral("SELECT expected, struck, count FROM key_totals"
                                                " WHERE expected <> 0 AND expected <> struck"
                                                " ORDER BY count DESC, expected, struck LIMIT ?"),
                                 QStringLiteral("SELECT expected, struck, SUM(count) AS times FROM every_keystroke"
                                                " WHERE day >= ? AND expected <> 0 AND expected <> struck"
                                                " GROUP BY expected, struck ORDER BY times DESC, expected, struck"
                                                " LIMIT ?"),
                                 {limit});
    while (query.next())
        pairs.push_back({QChar(char16_t(query.value(0).toInt())), QChar(char16_t(query.value(1).toInt())),
                         query.value(2).toInt()});
    return pairs;
}

std::vector<GameFigures> ProgressQueries::bestGames(int limit) const
{
    std::vector<GameFigures> games;
    QSqlQuery query = select(store_, QStringLiteral("SELECT ended, start_level, level_reached, score FROM games"
                                                    " ORDER BY score DESC, level_reached DESC, id LIMIT ?"),
                             {limit});
    while (query.next())
        games.push_back({query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt(),
                         query.value(3).toLongLong()});
    return games;
}

std::vector<DayMinutes> ProgressQueries::minutesPerDay(HistoryPeriod period) const
{
    std::vector<DayMinutes> days;
    QSqlQuery query = select(store_, QStringLiteral("SELECT day, attempt_seconds FROM days WHERE day >= ? AND attempts > 0"
                                                    " ORDER BY day"),
                             {firstDay(period)});
    while (query.next())
        days.push_back({QDate::fromJulianDay(query.value(0).toLongLong()), query.value(1).toDouble() / 60});
    return days;
}

int ProgressQueries::streak() const
{
    std::vector<qint64> days;
    QSqlQuery query = select(store_, QStringLiteral("SELECT day FROM days ORDER BY day"), {});
    while (query.next())
        days.push_back(query.value(0).toLongLong());
    return streakLength(days, clock_.localDateTime().date().toJulianDay());
}

TypingCalendar ProgressQueries::calendar() const
{
    const QDate today = clock_.localDateTime().date();
    TypingCalendar calendar;
    calendar.firstDay = today.addDays(1 - today.dayOfWeek() - 7 * (TypingCalendar::Weeks - 1));
    const qint64 first = calendar.firstDay.toJulianDay();
    calendar.minutes.assign(std::size_t(today.toJulianDay() - first + 1), 0.0);
    QSqlQuery query = select(store_, QStringLiteral("SELECT day, attempt_seconds + game_seconds FROM days WHERE day >= ?"),
                             {first});
    while (query.next()) {
        const qint64 offset = query.value(0).toLongLong() - first;
        if (offset < qint64(calendar.minutes.size()))
            calendar.minutes[std::size_t(offset)] = query.value(1).toDouble() / 60;
    }
    return calendar;
}

bool ProgressQueries::forEachAttempt(const std::function<void(const AttemptRecord&)>& visit) const
{
    if (store_.neverWritten())
        return true;
    QSqlQuery query = select(store_, QStringLiteral("SELECT %1 FROM attempts ORDER BY id").arg(storedAttemptColumns()), {});
    if (!query.isActive())
        return false;
    while (query.next())
        visit(storedAttempt(query, 0));
    return query.lastError().type() == QSqlError::NoError;
}

} // namespace clavora
