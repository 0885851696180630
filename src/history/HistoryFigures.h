// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryRecords.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace clavora {

// How far back the figures reach, today included.
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

// Minutes typed per day over the last 52 weeks, a week to a column, Monday first.
struct TypingCalendar {
    static constexpr int Weeks = 52;
    QDate firstDay;              // the Monday 51 weeks before this week's
    std::vector<double> minutes; // one a day from `firstDay` to today
};

// What the learner's history answers: the figures of the progress window, the weak keys
// for the drills, the streak. A history that cannot be read answers with no figures.
class HistoryFigures {
public:
    // The longest lists unless a limit is asked for; a negative limit lists everything.
    static constexpr int ListedRows = 10;

    virtual ~HistoryFigures() = default;

    // False once the history is known to be unreadable, or found so now.
    virtual bool available() const = 0;
    // Why it is not, for the person to read; empty while it is.
    virtual QString problem() const = 0;
    // Unreadable as far as known without reading it: asking must not cost a file opened.
    virtual bool knownUnavailable() const = 0;

    // Days with attempts, oldest first.
    virtual std::vector<DayFigures> dailyFigures(HistoryPeriod period) const = 0;
    // Keys in code order.
    virtual std::vector<KeyFigures> keyFigures(HistoryPeriod period) const = 0;
    // The most frequent mistakes, most frequent first.
    virtual std::vector<ConfusionPair> confusionPairs(HistoryPeriod period, int limit = ListedRows) const = 0;
    // The highest scores, highest first.
    virtual std::vector<GameFigures> bestGames(int limit = ListedRows) const = 0;
    // Minutes spent on attempts per day with attempts, oldest first.
    virtual std::vector<DayMinutes> minutesPerDay(HistoryPeriod period) const = 0;
    // The days in a row, up to today or yesterday, with a finished attempt or game.
    virtual int streak() const = 0;
    // Attempts and games together.
    virtual TypingCalendar calendar() const = 0;
    // Every attempt in the order kept, without its keys; false when they cannot be read.
    virtual bool forEachAttempt(const std::function<void(const AttemptRecord&)>& visit) const = 0;
};

} // namespace clavora
