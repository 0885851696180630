// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QString>
#include <optional>
#include <vector>

namespace clavora {

class Clock;
class HistoryStore;

// How far back the progress figures reach, today included.
enum class HistoryPeriod { Week, Month, Year, Everything };

struct DayFigures {
    QDate day;
    int attempts = 0;
    double medianSpeed = 0;
    int bestSpeed = 0;
    double medianCorrectSpeed = 0;
    int bestCorrectSpeed = 0;
    double medianAccuracy = 0;
    int bestAccuracy = 0;
};

struct KeyFigures {
    static constexpr int StrokesForRate = 20;

    QChar key;
    int strokes = 0;
    int errors = 0;
    // Absent below StrokesForRate strokes: too few to say anything.
    std::optional<double> errorRate;
    // The median over days of each day's mean interval before a right stroke of the key,
    // weighted by strokes: the store keeps sums per day, not single intervals.
    std::optional<double> medianIntervalMilliseconds;
    std::optional<QChar> mostStruckInstead;
};

struct ConfusionPair {
    QChar expected;
    QChar struck;
    int count = 0;
};

struct GameFigures {
    QString ended; // ISO 8601
    int startLevel = 0;
    int levelReached = 0;
    qint64 score = 0;
};

struct DayMinutes {
    QDate day;
    double minutes = 0;
};

// The figures behind the progress window, read from the store. An unavailable store has
// no figures.
class ProgressQueries {
public:
    ProgressQueries(const HistoryStore& store, const Clock& clock);

    // Days with attempts, oldest first.
    std::vector<DayFigures> dailyFigures(HistoryPeriod period) const;
    // Keys in code order.
    std::vector<KeyFigures> keyFigures(HistoryPeriod period) const;
    // The most frequent mistakes, most frequent first.
    std::vector<ConfusionPair> confusionPairs(HistoryPeriod period, int limit = 10) const;
    // The highest scores, highest first.
    std::vector<GameFigures> bestGames(int limit = 10) const;
    // Minutes spent on attempts per day with attempts, oldest first.
    std::vector<DayMinutes> minutesPerDay(HistoryPeriod period) const;

    qint64 firstDay(HistoryPeriod period) const;

private:
    const HistoryStore& store_;
    const Clock& clock_;
};

} // namespace clavora
