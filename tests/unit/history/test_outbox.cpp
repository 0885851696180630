// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "TemporaryFolder.h"
#include "history_store/OtherMachineRecords.h"
#include "history_store/Outbox.h"

#include <QFile>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>

namespace clavora {
namespace {

using namespace test;

AttemptRecord typed(const QDateTime& finished, int strokes)
{
    AttemptRecord record = attempt(finished, 30);
    record.keystrokes = {{{u'a', u'a', strokes, strokes, 0.25 * strokes}}, 0, 1};
    return record;
}

TEST(Outbox, QueuesWhatThisMachineWritesUntilConfirmed)
{
    HistoryFixture history;
    ASSERT_TRUE(history.store.addAttempt(typed(at(2024, 3, 10, 9), 2)));
    ASSERT_TRUE(history.store.addAttempt(typed(at(2024, 3, 10, 10), 3)));
    ASSERT_TRUE(history.store.addGame(GameRecord{at(2024, 3, 9, 9), at(2024, 3, 9, 9, 5), 1, 2, 40, {{u'x', 1, 1, 0, 0}}}));
    Outbox outbox(history.store.database());
    EXPECT_FALSE(outbox.machine().isNull());

    const std::vector<ClassAttempt> attempts = outbox.attempts(10);
    ASSERT_EQ(attempts.size(), 2u);
    EXPECT_NE(attempts[0].id, attempts[1].id);
    EXPECT_FALSE(attempts[0].id.isNull());
    EXPECT_EQ(attempts[1].day, QDate(2024, 3, 10));
    EXPECT_EQ(attempts[1].record.finished, at(2024, 3, 10, 10));
    const std::vector<ClassGame> games = outbox.games(10);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_EQ(games[0].record.score, 40);
    EXPECT_EQ(games[0].record.letters.size(), 1u);

    // A day read, then changed again before its send was confirmed, stays queued.
    const std::vector<ClassDay> days = outbox.days(10);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].totals.pairs.at(0).count, 5);
    EXPECT_EQ(days[0].totals.backspaces, 2);
    ASSERT_TRUE(history.store.addAttempt(typed(at(2024, 3, 10, 11), 1)));
    EXPECT_TRUE(outbox.confirm(days));
    EXPECT_EQ(outbox.days(10).at(0).totals.pairs.at(0).count, 6);
    EXPECT_TRUE(outbox.confirm(outbox.days(10)));
    EXPECT_TRUE(outbox.days(10).empty());
    // A day struck again sends the pairs that changed alone.
    AttemptRecord other = typed(at(2024, 3, 10, 12), 1);
    other.keystrokes.pairs[0].expected = other.keystrokes.pairs[0].struck = u'b';
    ASSERT_TRUE(history.store.addAttempt(other));
    ASSERT_EQ(outbox.days(10).size(), 1u);
    ASSERT_EQ(outbox.days(10)[0].totals.pairs.size(), 1u);
    EXPECT_EQ(outbox.days(10)[0].totals.pairs[0].expected, u'b');
    EXPECT_TRUE(outbox.confirm(outbox.days(10)));

    EXPECT_TRUE(outbox.confirm(std::vector<ClassAttempt>{attempts[0]}));
    EXPECT_EQ(outbox.attempts(10).size(), 3u); // the second to the fourth
    EXPECT_TRUE(outbox.confirm(games));
    EXPECT_TRUE(outbox.games(10).empty());
}

TEST(Outbox, OtherMachinesRecordsCountOnceAndAreNotQueued)
{
    HistoryFixture history;
    ASSERT_TRUE(history.store.addAttempt(typed(at(2024, 3, 10, 9), 2)));
    Outbox outbox(history.store.database());
    ASSERT_TRUE(outbox.confirm(outbox.attempts(10)));
    ASSERT_TRUE(outbox.confirm(outbox.days(10)));

    OtherMachineRecords others(history.store.database());
    const QUuid laptop = QUuid::createUuid();
    const ClassAttempt fetched{0, QUuid::createUuid(), QDate(2024, 3, 10), attempt(at(2024, 3, 10, 8), 50)};
    const ClassGame game{0, QUuid::createUuid(), QDate(2024, 3, 9), {at(2024, 3, 9, 8), at(2024, 3, 9, 8, 1), 1, 3, 90, {}}};
    // Running totals of the laptop's day as it sent them: later ones only rise, and a late
    // arrival of an earlier one changes nothing.
    const auto laptopDay = [](int strokes) {
        return ClassDay{QDate(2024, 3, 10), 0, {{{u'a', u'a', strokes, strokes, 0.5 * strokes}}, 0, 0}};
    };
    for (int strokes : {4, 7, 4}) {
        EXPECT_EQ(others.addAttempts(laptop, {fetched}), QString());
        EXPECT_EQ(others.addGames(laptop, {game}), QString());
        EXPECT_EQ(others.raiseDays(laptop, {laptopDay(strokes)}), QString());
    }
    const OtherMachineRecords::Held held{1, 1, 1, 7};
    EXPECT_EQ(others.held().at(laptop), held);

    EXPECT_EQ(history.queries.dailyFigures(HistoryPeriod::Everything).back().attempts, 2);
    EXPECT_EQ(history.queries.dailyFigures(HistoryPeriod::Everything).back().bestSpeed, 50);
    EXPECT_EQ(history.queries.bestGames().size(), 1u);
    for (HistoryPeriod period : {HistoryPeriod::Week, HistoryPeriod::Everything}) {
        const std::vector<KeyFigures> keys = history.queries.keyFigures(period);
        ASSERT_EQ(keys.size(), 1u);
        EXPECT_EQ(keys[0].strokes, 2 + 7) << int(period);
    }
    EXPECT_TRUE(outbox.attempts(10).empty());
    EXPECT_TRUE(outbox.games(10).empty());
    EXPECT_TRUE(outbox.days(10).empty());
}

// Two copies of one history never send as one machine: a store opened where it was not last
// opened takes a new machine UUID; what the server confirmed stays the old machine's, what is
// still queued is sent by the new one.
TEST(Outbox, AStoreOpenedElsewhereBecomesAMachineOfItsOwn)
{
    struct Case {
        const char* name;
        std::function<QString(TemporaryFolder&, const QString&)> placeAgain; // the path to open
        bool newMachine;
    };
    const Case cases[] = {
        {"opened again where it is", [](TemporaryFolder&, const QString& path) { return path; }, false},
        {"copied to another folder",
            [](TemporaryFolder& folder, const QString& path) {
                const QString copy = folder.path(QStringLiteral("History copy.sqlite"));
                QFile::copy(path, copy);
                return copy;
            },
            true},
        {"kept before its place was",
            [](TemporaryFolder&, const QString& path) {
                HistoryStore store(path);
                QSqlQuery(store.database()).exec(QStringLiteral("UPDATE machine SET place = NULL"));
                return path;
            },
            false},
    };
    for (const Case& c : cases) {
        TemporaryFolder folder;
        const QString path = folder.path(QStringLiteral("History.sqlite"));
        QUuid machine;
        {
            HistoryStore store(path);
            ASSERT_TRUE(store.addAttempt(typed(at(2024, 3, 10, 9), 2)));
            ASSERT_TRUE(store.addAttempt(typed(at(2024, 3, 10, 10), 3)));
            Outbox outbox(store.database());
            ASSERT_TRUE(outbox.confirm(outbox.attempts(1)));
            machine = outbox.machine();
        }
        HistoryStore store(c.placeAgain(folder, path));
        Outbox outbox(store.database());
        EXPECT_EQ(outbox.machine() != machine, c.newMachine) << c.name;
        EXPECT_EQ(outbox.attempts(10).size(), 1u) << c.name;
        EXPECT_EQ(outbox.confirmed().attempts, c.newMachine ? 0 : 1) << c.name;
        EXPECT_EQ(OtherMachineRecords(store.database()).held()[machine].attempts, c.newMachine ? 1 : 0) << c.name;
        EXPECT_EQ(Outbox(HistoryStore(path).database()).machine(), machine) << c.name << ": the original";
    }
}

} // namespace
} // namespace clavora
