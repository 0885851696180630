// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

using namespace test;

// "Today" is 2024-03-10 in every fixture.
class ProgressQueriesTest : public ::testing::Test {
protected:
    void add(const QDateTime& finished, int speed, int correctSpeed, int accuracy, double seconds = 30.0)
    {
        AttemptRecord record = attempt(finished, speed, correctSpeed, accuracy);
        record.seconds = seconds;
        ASSERT_TRUE(history.store.addAttempt(record));
    }
    void addKeys(const QDateTime& finished, std::vector<KeystrokePair> pairs)
    {
        AttemptRecord record = attempt(finished, 30);
        record.keystrokes.pairs = std::move(pairs);
        ASSERT_TRUE(history.store.addAttempt(record));
    }

    HistoryFixture history;
};

TEST_F(ProgressQueriesTest, DailyMedianAndBestPerPeriod)
{
    add(at(2024, 3, 10, 0, 0, 1), 30, 20, 90);
    add(at(2024, 3, 10, 9), 50, 45, 96);
    add(at(2024, 3, 10, 17), 40, 30, 80);
    add(at(2024, 3, 10, 18), 20, 10, 100);
    add(at(2024, 3, 9, 23, 59, 59), 11, 10, 70);
    add(at(2024, 3, 4), 12, 11, 71);  // the seventh day back, today included
    add(at(2024, 3, 3), 13, 12, 72);  // one day before the week
    add(at(2024, 2, 10), 14, 13, 73); // the thirtieth day back
    add(at(2024, 2, 9), 17, 16, 76);  // the 31st day back: no month has it
    add(at(2023, 3, 12), 15, 14, 74); // the 365th day back
    add(at(2023, 3, 11), 16, 15, 75); // a year and a day ago

    const std::pair<HistoryPeriod, std::vector<QDate>> cases[] = {
        {HistoryPeriod::Week, {{2024, 3, 4}, {2024, 3, 9}, {2024, 3, 10}}},
        {HistoryPeriod::Month, {{2024, 2, 10}, {2024, 3, 3}, {2024, 3, 4}, {2024, 3, 9}, {2024, 3, 10}}},
        {HistoryPeriod::Year,
         {{2023, 3, 12}, {2024, 2, 9}, {2024, 2, 10}, {2024, 3, 3}, {2024, 3, 4}, {2024, 3, 9}, {2024, 3, 10}}},
        {HistoryPeriod::Everything,
         {{2023, 3, 11}, {2023, 3, 12}, {2024, 2, 9}, {2024, 2, 10}, {2024, 3, 3}, {2024, 3, 4}, {2024, 3, 9},
          {2024, 3, 10}}},
    };
    for (const auto& [period, days] : cases) {
        const std::vector<DayFigures> figures = history.queries.dailyFigures(period);
        std::vector<QDate> found;
        for (const DayFigures& day : figures)
            found.push_back(day.day);
        EXPECT_EQ(found, days) << int(period);
    }

    const DayFigures today = history.queries.dailyFigures(HistoryPeriod::Week).back();
    EXPECT_EQ(today.attempts, 4);
    EXPECT_DOUBLE_EQ(today.medianSpeed, 35);
    EXPECT_EQ(today.bestSpeed, 50);
    EXPECT_DOUBLE_EQ(today.medianCorrectSpeed, 25);
    EXPECT_EQ(today.bestCorrectSpeed, 45);
    EXPECT_DOUBLE_EQ(today.medianAccuracy, 93);
    EXPECT_EQ(today.bestAccuracy, 100);
    const DayFigures yesterday = history.queries.dailyFigures(HistoryPeriod::Week)[1];
    EXPECT_EQ(yesterday.attempts, 1);
    EXPECT_DOUBLE_EQ(yesterday.medianSpeed, 11);
}

TEST_F(ProgressQueriesTest, OddCountMedianIsTheMiddleValue)
{
    for (int speed : {70, 10, 40})
        add(at(2024, 3, 10), speed, 0, 100);
    EXPECT_DOUBLE_EQ(history.queries.dailyFigures(HistoryPeriod::Week).at(0).medianSpeed, 40);
}

TEST_F(ProgressQueriesTest, KeyFiguresHideTheRateBelowTwentyStrokes)
{
    addKeys(at(2024, 3, 9), {{u'a', u'a', 19, 19, 19 * 0.1},
                             {u'b', u'b', 17, 10, 10 * 0.2},
                             {u'b', u'v', 2, 0, 0.0},
                             {0, u'x', 5, 5, 5.0}}); // past the end: no key
    addKeys(at(2024, 3, 10), {{u'b', u'b', 1, 1, 0.3}, {u'b', u'n', 1, 0, 0.0}});
    addKeys(at(2024, 2, 1), {{u'c', u'c', 1, 1, 0.5}}); // outside the month

    const std::vector<KeyFigures> keys = history.queries.keyFigures(HistoryPeriod::Month);
    ASSERT_EQ(keys.size(), 2u);
    const KeyFigures& a = keys[0];
    EXPECT_EQ(a.key, u'a');
    EXPECT_EQ(a.strokes, 19);
    EXPECT_EQ(a.errors, 0);
    EXPECT_FALSE(a.errorRate.has_value());
    ASSERT_TRUE(a.medianIntervalMilliseconds.has_value());
    EXPECT_NEAR(*a.medianIntervalMilliseconds, 100, 1e-9);
    EXPECT_FALSE(a.mostStruckInstead.has_value());

    const KeyFigures& b = keys[1];
    EXPECT_EQ(b.key, u'b');
    EXPECT_EQ(b.strokes, 21);
    EXPECT_EQ(b.errors, 3);
    ASSERT_TRUE(b.errorRate.has_value());
    EXPECT_DOUBLE_EQ(*b.errorRate, 3.0 / 21);
    // Ten timed strokes at 200 ms one day outweigh one at 300 ms the next.
    EXPECT_NEAR(*b.medianIntervalMilliseconds, 200, 1e-9);
    EXPECT_EQ(b.mostStruckInstead, QChar(u'v'));

    EXPECT_EQ(history.queries.keyFigures(HistoryPeriod::Everything).size(), 3u);
}

TEST_F(ProgressQueriesTest, EverythingAddsUpTheDaysAsTheyAreWritten)
{
    // The store sums all days as it writes each attempt; a year of days read one by one must
    // come to the same, whichever day a later attempt adds to.
    const std::vector<std::pair<QDateTime, std::vector<KeystrokePair>>> attempts = {
        {at(2024, 3, 1), {{u'a', u'a', 30, 30, 30 * 0.25}, {u'a', u's', 4, 4, 1.0}, {u'b', u'b', 8, 8, 8 * 0.3}}},
        {at(2024, 3, 1, 18), {{u'a', u'a', 10, 10, 10 * 0.45}, {u'a', u's', 2, 2, 0.5}}},
        {at(2024, 3, 5), {{u'a', u'a', 12, 12, 12 * 0.2}, {u'b', u'v', 3, 3, 0.9}}},
        {at(2024, 3, 5, 9), {{u'a', u'a', 12, 6, 6 * 0.3}, {u'b', u'b', 2, 0, 0.0}}},
    };
    for (const auto& [finished, pairs] : attempts)
        addKeys(finished, pairs);
    const auto everything = history.queries.keyFigures(HistoryPeriod::Everything);
    const auto year = history.queries.keyFigures(HistoryPeriod::Year);
    ASSERT_EQ(everything.size(), year.size());
    for (std::size_t i = 0; i < year.size(); ++i) {
        EXPECT_EQ(everything[i].key, year[i].key);
        EXPECT_EQ(everything[i].strokes, year[i].strokes) << i;
        EXPECT_EQ(everything[i].errors, year[i].errors) << i;
        EXPECT_EQ(everything[i].medianIntervalMilliseconds, year[i].medianIntervalMilliseconds) << i;
        EXPECT_EQ(everything[i].mostStruckInstead, year[i].mostStruckInstead) << i;
    }
    // a: 40 timed strokes at 0.3 s on the 1st outweigh 18 at about 0.23 s on the 5th.
    EXPECT_EQ(year[0].medianIntervalMilliseconds, 300);
    const auto pairs = history.queries.confusionPairs(HistoryPeriod::Everything);
    ASSERT_EQ(pairs.size(), 2u);
    EXPECT_EQ(pairs[0].count, 6);
    EXPECT_EQ(history.queries.streak(), 0);
    EXPECT_EQ(history.queries.dailyFigures(HistoryPeriod::Everything).at(1).attempts, 2);
}

TEST_F(ProgressQueriesTest, ConfusionPairsMostFrequentFirst)
{
    addKeys(at(2024, 3, 9), {{u'e', u'r', 30}, {u'e', u'e', 100}, {u'i', u'o', 5}, {0, u'z', 50}});
    addKeys(at(2024, 3, 10), {{u'e', u'r', 7}, {u'i', u'o', 5}, {u'a', u's', 10}, {u'd', u'f', 10}});
    const std::vector<ConfusionPair> pairs = history.queries.confusionPairs(HistoryPeriod::Week);
    ASSERT_EQ(pairs.size(), 4u);
    const std::tuple<char16_t, char16_t, int> expected[] = {{u'e', u'r', 37}, {u'a', u's', 10}, {u'd', u'f', 10},
                                                            {u'i', u'o', 10}};
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        EXPECT_EQ(pairs[i].expected, std::get<0>(expected[i])) << i;
        EXPECT_EQ(pairs[i].struck, std::get<1>(expected[i])) << i;
        EXPECT_EQ(pairs[i].count, std::get<2>(expected[i])) << i;
    }
    EXPECT_EQ(history.queries.confusionPairs(HistoryPeriod::Week, 2).size(), 2u);
}

TEST_F(ProgressQueriesTest, BestGamesByScore)
{
    for (const auto& [score, level] : {std::pair{300, 4}, {900, 8}, {100, 2}, {900, 9}}) {
        GameRecord game;
        game.started = at(2024, 3, 10, 10);
        game.ended = at(2024, 3, 10, 10, 5);
        game.startLevel = 1;
        game.levelReached = level;
        game.score = score;
        ASSERT_TRUE(history.store.addGame(game));
    }
    const std::vector<GameFigures> games = history.queries.bestGames(3);
    ASSERT_EQ(games.size(), 3u);
    EXPECT_EQ(games[0].score, 900);
    EXPECT_EQ(games[0].levelReached, 9);
    EXPECT_EQ(games[1].levelReached, 8);
    EXPECT_EQ(games[2].score, 300);
    EXPECT_TRUE(games[0].ended.startsWith(QStringLiteral("2024-03-10T10:05:00")));
}

TEST_F(ProgressQueriesTest, MinutesTypedPerDay)
{
    add(at(2024, 3, 9, 23, 59, 59), 10, 10, 100, 90);
    add(at(2024, 3, 10, 0, 0, 1), 10, 10, 100, 30);
    add(at(2024, 3, 10, 12), 10, 10, 100, 60);
    const std::vector<DayMinutes> days = history.queries.minutesPerDay(HistoryPeriod::Week);
    ASSERT_EQ(days.size(), 2u);
    EXPECT_EQ(days[0].day, QDate(2024, 3, 9));
    EXPECT_DOUBLE_EQ(days[0].minutes, 1.5);
    EXPECT_EQ(days[1].day, QDate(2024, 3, 10));
    EXPECT_DOUBLE_EQ(days[1].minutes, 1.5);
}

TEST(ProgressQueries, AStoreWithoutAFileAnswersEmptyAndMakesNone)
{
    TemporaryFolder folder;
    const QString path = folder.path(QStringLiteral("History.sqlite"));
    FakeClock clock;
    clock.dateTime = at(2024, 3, 10, 18);
    HistoryStore store(path);
    const ProgressQueries queries(store, clock);
    EXPECT_TRUE(queries.available());
    EXPECT_TRUE(queries.problem().isEmpty());
    EXPECT_TRUE(queries.dailyFigures(HistoryPeriod::Everything).empty());
    EXPECT_TRUE(queries.keyFigures(HistoryPeriod::Everything).empty());
    EXPECT_EQ(queries.streak(), 0);
    EXPECT_TRUE(queries.forEachAttempt([](const AttemptRecord&) { ADD_FAILURE(); }));
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_TRUE(store.addAttempt(attempt(at(2024, 3, 10), 30)));
    EXPECT_EQ(queries.dailyFigures(HistoryPeriod::Everything).size(), 1u);
}

} // namespace
} // namespace clavora
