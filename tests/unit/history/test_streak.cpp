// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "history/Streak.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

using namespace test;

TEST(StreakTest, DaysInARowEndingTodayOrYesterday)
{
    const qint64 today = QDate(2024, 3, 10).toJulianDay();
    struct Case {
        const char* name;
        std::vector<qint64> days; // offsets from today
        int expected;
    };
    const Case cases[] = {
        {"no history", {}, 0},
        {"today alone", {0}, 1},
        {"three days up to today", {-2, -1, 0}, 3},
        {"up to yesterday: today is not over yet", {-3, -2, -1}, 3},
        {"the day before yesterday is too long ago", {-4, -3, -2}, 0},
        {"a gap ends the run", {-6, -5, -4, -2, -1, 0}, 3},
        {"a day after today is left out", {-1, 0, 3}, 2},
    };
    for (const Case& c : cases) {
        std::vector<qint64> days;
        for (const qint64 offset : c.days)
            days.push_back(today + offset);
        EXPECT_EQ(streakLength(days, today), c.expected) << c.name;
    }
}

class ActivityQueriesTest : public ::testing::Test {
protected:
    void addAttempt(const QDateTime& finished, double seconds = 30)
    {
        AttemptRecord record = attempt(finished, 30);
        record.seconds = seconds;
        ASSERT_TRUE(history.store.addAttempt(record));
    }
    void addGame(const QDateTime& started, const QDateTime& ended)
    {
        GameRecord game;
        game.started = started;
        game.ended = ended;
        ASSERT_TRUE(history.store.addGame(game));
    }

    HistoryFixture history; // today is Sunday 2024-03-10
    const HistoryFigures& activity = history.queries;
};

TEST_F(ActivityQueriesTest, StreakCountsAttemptsAndGamesAcrossMidnight)
{
    EXPECT_EQ(activity.streak(), 0);
    addAttempt(at(2024, 3, 7, 12));
    addAttempt(at(2024, 3, 8, 23, 59, 59)); // just before midnight: the 8th
    addGame(at(2024, 3, 8, 23, 58), at(2024, 3, 9, 0, 1)); // ends after midnight: the 9th
    EXPECT_EQ(activity.streak(), 3);      // 7, 8, 9: today has not been missed yet
    addAttempt(at(2024, 3, 10, 0, 0, 0)); // just after midnight: today
    EXPECT_EQ(activity.streak(), 4);

    history.clock.dateTime = at(2024, 3, 12, 9);
    EXPECT_EQ(activity.streak(), 0);      // the 11th was missed
    addGame(at(2024, 3, 12, 8), at(2024, 3, 12, 8, 5));
    EXPECT_EQ(activity.streak(), 1);
}

TEST_F(ActivityQueriesTest, CalendarOfMinutesPerDayOverFiftyTwoWeeks)
{
    addAttempt(at(2024, 3, 10, 9), 90);
    addAttempt(at(2024, 3, 10, 23, 59), 30);
    addGame(at(2024, 3, 9, 10), at(2024, 3, 9, 10, 3)); // three minutes of play
    addAttempt(at(2023, 3, 13, 9), 60);                  // the calendar's first day, a Monday
    addAttempt(at(2023, 3, 12, 9), 60);                  // the Sunday before: left out

    const TypingCalendar calendar = activity.calendar();
    EXPECT_EQ(calendar.firstDay, QDate(2023, 3, 13));
    EXPECT_EQ(calendar.firstDay.dayOfWeek(), Qt::Monday);
    ASSERT_EQ(calendar.minutes.size(), std::size_t(52 * 7)); // today is a Sunday: the last week is full
    EXPECT_DOUBLE_EQ(calendar.minutes.front(), 1.0);
    EXPECT_DOUBLE_EQ(calendar.minutes.back(), 2.0);
    EXPECT_NEAR(calendar.minutes[calendar.minutes.size() - 2], 3.0, 1e-6);
    double total = 0;
    for (const double minutes : calendar.minutes)
        total += minutes;
    EXPECT_NEAR(total, 6.0, 1e-6);

    // On a Wednesday the last week holds three days so far.
    history.clock.dateTime = at(2024, 3, 13, 9);
    const TypingCalendar midweek = activity.calendar();
    EXPECT_EQ(midweek.firstDay, QDate(2023, 3, 20));
    EXPECT_EQ(midweek.minutes.size(), std::size_t(51 * 7 + 3));
}

} // namespace
} // namespace clavora
