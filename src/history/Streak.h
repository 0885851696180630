// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <vector>

namespace clavora {

class Clock;
class HistoryStore;

// The days in a row, up to today, with at least one finished attempt or game. A streak that
// reached yesterday still stands today until the day is over. `activeDays` are Julian day
// numbers in ascending order.
int streakLength(const std::vector<qint64>& activeDays, qint64 today);

// Minutes typed per day over the last 52 weeks, a week to a column, Monday first.
struct TypingCalendar {
    static constexpr int Weeks = 52;
    QDate firstDay;              // the Monday 51 weeks before this week's
    std::vector<double> minutes; // one a day from `firstDay` to today
};

// The streak and the calendar, read from the store; an unavailable store has neither.
class ActivityQueries {
public:
    ActivityQueries(const HistoryStore& store, const Clock& clock);

    int streak() const;
    TypingCalendar calendar() const;

private:
    const HistoryStore& store_;
    const Clock& clock_;
};

} // namespace clavora
