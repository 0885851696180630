// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressQueries.h"
#include "HistoryStore.h"
#include "common/Services.h"
#include "history/Streak.h"

#include <QSqlError>
#include <QSqlQuery>
#include <algorithm>
#include <limits>
#include <map>

namespace clavora {
namespace {

double median(std::vector<int>& values)
{
    const std::size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + middle);
    return (lower + upper) / 2;
}

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

// A read-only query over the store, or an inactive one when the store is unavailable.
QSqlQuery select(const HistoryStore& store, const QString& sql, const QVariantList& values)
{
    QSqlQuery query(store.database());
    if (!store.available())
        return query;
    query.setForwardOnly(true);
    query.prepare(sql);
    for (const QVariant& value : values)
        query.addBindValue(value);
    query.exec();
    return query;
}

struct DaySamples {
    std::vector<int> speeds;
    std::vector<int> correctSpeeds;
    std::vector<int> accuracies;
};

DayFigures summarise(qint64 day, DaySamples& samples)
{
    DayFigures figures;
    figures.day = QDate::fromJulianDay(day);
    figures.attempts = int(samples.speeds.size());
    figures.bestSpeed = *std::max_element(samples.speeds.begin(), samples.speeds.end());
    figures.bestCorrectSpeed = *std::max_element(samples.correctSpeeds.begin(), samples.correctSpeeds.end());
    figures.bestAccuracy = *std::max_element(samples.accuracies.begin(), samples.accuracies.end());
    figures.medianSpeed = median(samples.speeds);
    figures.medianCorrectSpeed = median(samples.correctSpeeds);
    figures.medianAccuracy = median(samples.accuracies);
    return figures;
}

} // namespace

ProgressQueries::ProgressQueries(const HistoryStore& store, const Clock& clock)
    : store_(store), clock_(clock)
{
}

bool ProgressQueries::available() const
{
    return store_.available();
}

QString ProgressQueries::problem() const
{
    return store_.problem();
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

std::vector<DayFigures> ProgressQueries::dailyFigures(HistoryPeriod period) const
{
    std::vector<DayFigures> days;
    QSqlQuery query = select(store_, QStringLiteral("SELECT day, speed, correct_speed, accuracy FROM attempts"
                                                    " WHERE day >= ? ORDER BY day"),
                             {firstDay(period)});
    DaySamples samples;
    qint64 day = 0;
    while (query.next()) {
        const qint64 rowDay = query.value(0).toLongLong();
        if (rowDay != day && !samples.speeds.empty()) {
            days.push_back(summarise(day, samples));
            samples = {};
        }
        day = rowDay;
        samples.speeds.push_back(query.value(1).toInt());
        samples.correctSpeeds.push_back(query.value(2).toInt());
        samples.accuracies.push_back(query.value(3).toInt());
    }
    if (!samples.speeds.empty())
        days.push_back(summarise(day, samples));
    return days;
}

std::vector<KeyFigures> ProgressQueries::keyFigures(HistoryPeriod period) const
{
    const qint64 first = firstDay(period);
    std::map<char16_t, KeyFigures> keys;
    std::map<char16_t, int> mostStruckCount;
    QSqlQuery pairs = select(store_, QStringLiteral("SELECT expected, struck, SUM(count) FROM keystrokes"
                                                    " WHERE day >= ? AND expected <> 0 GROUP BY expected, struck"),
                             {first});
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

    // One row a day for each key struck right, in key order.
    std::map<char16_t, std::vector<std::pair<double, qint64>>> dailyMeans;
    QSqlQuery intervals = select(store_, QStringLiteral("SELECT expected, timed_count, interval_sum FROM keystrokes"
                                                        " WHERE struck = expected AND expected <> 0 AND day >= ?"
                                                        " AND timed_count > 0"),
                                 {first});
    while (intervals.next()) {
        const qint64 timed = intervals.value(1).toLongLong();
        dailyMeans[char16_t(intervals.value(0).toInt())].emplace_back(intervals.value(2).toDouble() / timed, timed);
    }

    std::vector<KeyFigures> figures;
    figures.reserve(keys.size());
    for (auto& [code, key] : keys) {
        if (key.strokes >= KeyFigures::StrokesForRate)
            key.errorRate = double(key.errors) / key.strokes;
        auto means = dailyMeans.find(code);
        if (means != dailyMeans.end())
            key.medianIntervalMilliseconds = 1000.0 * weightedMedian(means->second);
        figures.push_back(key);
    }
    return figures;
}

std::vector<ConfusionPair> ProgressQueries::confusionPairs(HistoryPeriod period, int limit) const
{
    std::vector<ConfusionPair> pairs;
    QSqlQuery query = select(store_, QStringLiteral("SELECT expected, struck, SUM(count) AS times FROM keystrokes"
                                                    " WHERE day >= ? AND expected <> 0 AND expected <> struck"
                                                    " GROUP BY expected, struck ORDER BY times DESC, expected, struck"
                                                    " LIMIT ?"),
                             {firstDay(period), limit});
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
    QSqlQuery query = select(store_, QStringLiteral("SELECT day, SUM(seconds) FROM attempts WHERE day >= ?"
                                                    " GROUP BY day ORDER BY day"),
                             {firstDay(period)});
    while (query.next())
        days.push_back({QDate::fromJulianDay(query.value(0).toLongLong()), query.value(1).toDouble() / 60});
    return days;
}

int ProgressQueries::streak() const
{
    std::vector<qint64> days;
    QSqlQuery query = select(store_, QStringLiteral("SELECT day FROM attempts UNION SELECT day FROM games ORDER BY day"), {});
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
    // A game's minutes run from its start to its end, pauses included.
    QSqlQuery query = select(store_, QStringLiteral("SELECT day, SUM(seconds) FROM ("
                                                    " SELECT day, seconds FROM attempts WHERE day >= ?"
                                                    " UNION ALL SELECT day, (julianday(ended) - julianday(started)) * 86400"
                                                    " FROM games WHERE day >= ?) GROUP BY day"),
                             {first, first});
    while (query.next()) {
        const qint64 offset = query.value(0).toLongLong() - first;
        if (offset < qint64(calendar.minutes.size()))
            calendar.minutes[std::size_t(offset)] = query.value(1).toDouble() / 60;
    }
    return calendar;
}

bool ProgressQueries::forEachAttempt(const std::function<void(const AttemptRecord&)>& visit) const
{
    QSqlQuery query = select(store_, QStringLiteral("SELECT finished, kind, quick_run, preset_file, exercise_number,"
                                                    " exercise, typed, seconds, correct, accuracy, speed, correct_speed,"
                                                    " passed FROM attempts ORDER BY id"),
                             {});
    if (!query.isActive())
        return false;
    while (query.next()) {
        AttemptRecord attempt;
        attempt.finished = QDateTime::fromString(query.value(0).toString(), Qt::ISODate);
        attempt.source = {AttemptKind(query.value(1).toInt()), query.value(2).toBool(), query.value(3).toString(),
                          query.value(4).toInt()};
        attempt.exercise = query.value(5).toString();
        attempt.typed = query.value(6).toString();
        attempt.seconds = query.value(7).toDouble();
        attempt.correct = query.value(8).toInt();
        attempt.accuracy = query.value(9).toInt();
        attempt.speed = query.value(10).toInt();
        attempt.correctSpeed = query.value(11).toInt();
        attempt.passed = query.value(12).toBool();
        visit(attempt);
    }
    return query.lastError().type() == QSqlError::NoError;
}

} // namespace clavora
