// SPDX-License-Identifier: GPL-3.0-or-later
#include "HistoryFixture.h"
#include "TemporaryFolder.h"
#include "history_store/HistorySchema.h"

#include <QFile>
#include <QSqlDatabase>
#include <QUuid>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <vector>

namespace clavora {
namespace {

using namespace test;

KeystrokePair pair(char expected, char struck, int count, int timed = 0, double interval = 0.0)
{
    return {char16_t(expected), char16_t(struck), count, timed, interval};
}

GameRecord playedGame(std::int64_t score)
{
    GameRecord game;
    game.started = at(2024, 3, 10, 17, 58);
    game.ended = at(2024, 3, 10, 18, 1);
    game.score = score;
    return game;
}

TEST(HistoryStore, KeepsEveryFieldOfAnAttempt)
{
    HistoryFixture history;
    ASSERT_TRUE(history.store.available()) << history.store.problem().toStdString();
    AttemptRecord record = attempt(at(2024, 3, 10, 9, 30, 5), 42, 38, 95);
    record.source = {AttemptKind::Preset, true, QStringLiteral("English"), 17};
    record.exercise = QStringLiteral("the, \"quick\" fox");
    record.typed = QStringLiteral("teh, \"quick\" fox");
    record.seconds = 12.5;
    record.correct = 14;
    record.passed = true;
    ASSERT_TRUE(history.store.addAttempt(record));

    QSqlQuery query(history.store.database());
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT finished, day, kind, quick_run, preset_file, exercise_number, exercise,"
                                          " typed, seconds, correct, accuracy, speed, correct_speed, passed FROM attempts")));
    ASSERT_TRUE(query.next());
    EXPECT_TRUE(query.value(0).toString().startsWith(QStringLiteral("2024-03-10T09:30:05")));
    EXPECT_EQ(query.value(1).toLongLong(), QDate(2024, 3, 10).toJulianDay());
    EXPECT_EQ(query.value(2).toInt(), 0);
    EXPECT_EQ(query.value(3).toInt(), 1);
    EXPECT_EQ(query.value(4).toString(), QStringLiteral("English"));
    EXPECT_EQ(query.value(5).toInt(), 17);
    EXPECT_EQ(query.value(6).toString(), record.exercise);
    EXPECT_EQ(query.value(7).toString(), record.typed);
    EXPECT_DOUBLE_EQ(query.value(8).toDouble(), 12.5);
    EXPECT_EQ(query.value(9).toInt(), 14);
    EXPECT_EQ(query.value(10).toInt(), 95);
    EXPECT_EQ(query.value(11).toInt(), 42);
    EXPECT_EQ(query.value(12).toInt(), 38);
    EXPECT_EQ(query.value(13).toInt(), 1);
    EXPECT_FALSE(query.next());
}

TEST(HistoryStore, AddsUpKeystrokesAndEditsPerLocalDay)
{
    HistoryFixture history;
    struct Case {
        QDateTime finished;
        std::vector<KeystrokePair> pairs;
        int edits;
        int backspaces;
    };
    const Case cases[] = {
        {at(2024, 3, 9, 23, 59, 59), {pair('a', 'a', 3, 2, 0.5), pair('a', 's', 1, 1, 0.25)}, 1, 2},
        {at(2024, 3, 10, 0, 0, 1), {pair('a', 'a', 5, 4, 1.0)}, 0, 1},
        {at(2024, 3, 10, 18, 0, 0), {pair('a', 'a', 2, 2, 0.5), pair('b', 'b', 1, 1, 0.125)}, 3, 0},
    };
    for (const Case& testCase : cases) {
        AttemptRecord record = attempt(testCase.finished, 30);
        record.keystrokes = {testCase.pairs, testCase.edits, testCase.backspaces};
        ASSERT_TRUE(history.store.addAttempt(record));
    }
    const qint64 saturday = QDate(2024, 3, 9).toJulianDay();
    const qint64 sunday = QDate(2024, 3, 10).toJulianDay();
    struct Row {
        qint64 day;
        char expected;
        char struck;
        int count;
        int timed;
        double interval;
    };
    const Row rows[] = {{saturday, 'a', 'a', 3, 2, 0.5}, {saturday, 'a', 's', 1, 1, 0.25},
                        {sunday, 'a', 'a', 7, 6, 1.5}, {sunday, 'b', 'b', 1, 1, 0.125}};
    QSqlQuery query(history.store.database());
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT day, expected, struck, count, timed_count, interval_sum FROM keystrokes"
                                          " ORDER BY day, expected, struck")));
    for (const Row& row : rows) {
        ASSERT_TRUE(query.next());
        EXPECT_EQ(query.value(0).toLongLong(), row.day);
        EXPECT_EQ(query.value(1).toInt(), row.expected);
        EXPECT_EQ(query.value(2).toInt(), row.struck);
        EXPECT_EQ(query.value(3).toInt(), row.count);
        EXPECT_EQ(query.value(4).toInt(), row.timed);
        EXPECT_DOUBLE_EQ(query.value(5).toDouble(), row.interval);
    }
    EXPECT_FALSE(query.next());
    ASSERT_TRUE(query.exec(QStringLiteral("SELECT day, mid_line_edits, backspaces FROM line_edits ORDER BY day")));
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toLongLong(), saturday);
    EXPECT_EQ(query.value(1).toInt(), 1);
    EXPECT_EQ(query.value(2).toInt(), 2);
    ASSERT_TRUE(query.next());
    EXPECT_EQ(query.value(0).toLongLong(), sunday);
    EXPECT_EQ(query.value(1).toInt(), 3);
    EXPECT_EQ(query.value(2).toInt(), 1);
}

TEST(HistoryStore, KeepsGamesWithTheirLetters)
{
    HistoryFixture history;
    GameRecord game = playedGame(4321);
    game.startLevel = 2;
    game.levelReached = 9;
    game.letters = {{u'a', 3, 4.5, 1, 0}, {u'q', 0, 0.0, 0, 2}};
    ASSERT_TRUE(history.store.addGame(game));
    EXPECT_EQ(scalar(history.store, QStringLiteral("SELECT score FROM games")).toLongLong(), 4321);
    EXPECT_EQ(scalar(history.store, QStringLiteral("SELECT SUM(hits) FROM game_letters")).toInt(), 3);
    EXPECT_EQ(scalar(history.store, QStringLiteral("SELECT stray_keys FROM game_letters WHERE letter = 113")).toInt(), 2);
}

TEST(HistoryStore, ForgetEmptiesEveryTable)
{
    HistoryFixture history;
    AttemptRecord record = attempt(at(2024, 3, 10), 30);
    record.keystrokes = {{pair('a', 'a', 1)}, 1, 1};
    ASSERT_TRUE(history.store.addAttempt(record));
    GameRecord game = playedGame(10);
    game.letters = {{u'a', 1, 1.0, 0, 0}};
    ASSERT_TRUE(history.store.addGame(game));
    ASSERT_TRUE(history.store.forget());
    for (const char* table : {"attempts", "keystrokes", "line_edits", "games", "game_letters", "days", "day_values",
                              "day_medians", "key_totals", "key_intervals"})
        EXPECT_EQ(scalar(history.store, QStringLiteral("SELECT COUNT(*) FROM ") + QLatin1String(table)).toInt(), 0) << table;
    EXPECT_TRUE(history.store.addAttempt(record)); // and it goes on recording
}

// The day's medians move a step with each attempt; they stay those of all its attempts,
// whatever order the values come in.
TEST(HistoryStore, DayMediansFollowEveryAttempt)
{
    HistoryFixture history;
    FakeClock clock;
    clock.dateTime = at(2024, 3, 10);
    const ProgressQueries figures(history.store, clock);
    std::mt19937 random(11);
    std::vector<int> speeds;
    std::vector<int> accuracies;
    const auto median = [](std::vector<int> values) {
        std::sort(values.begin(), values.end());
        return (values[(values.size() - 1) / 2] + values[values.size() / 2]) / 2.0;
    };
    for (int i = 1; i <= 300; ++i) {
        // Runs of rising, falling and repeated values as well as scattered ones.
        const int speed = i < 100 ? int(random() % 60) : i < 200 ? 300 - i : 40;
        const int accuracy = int(random() % 3) * 50;
        ASSERT_TRUE(history.store.addAttempt(attempt(at(2024, 3, 10), speed, 0, accuracy)));
        speeds.push_back(speed);
        accuracies.push_back(accuracy);
        const std::vector<DayFigures> days = figures.dailyFigures(HistoryPeriod::Week);
        ASSERT_EQ(days.size(), 1u);
        ASSERT_DOUBLE_EQ(days[0].medianSpeed, median(speeds)) << i;
        ASSERT_DOUBLE_EQ(days[0].medianAccuracy, median(accuracies)) << i;
    }
}

TEST(HistoryStore, CreatesItsFileOnlyWhenFirstUsed)
{
    const std::vector<std::pair<const char*, std::function<void(HistoryStore&)>>> firstUses = {
        {"available", [](HistoryStore& store) { store.available(); }},
        {"problem", [](HistoryStore& store) { store.problem(); }},
        {"database", [](HistoryStore& store) { store.database(); }},
        {"addAttempt", [](HistoryStore& store) { EXPECT_TRUE(store.addAttempt(attempt(at(2024, 3, 10), 30))); }},
        {"addGame", [](HistoryStore& store) { EXPECT_TRUE(store.addGame(playedGame(10))); }},
        {"forget", [](HistoryStore& store) { EXPECT_TRUE(store.forget()); }},
        {"open", [](HistoryStore& store) { store.open(); }},
    };
    for (const auto& [name, use] : firstUses) {
        TemporaryFolder folder;
        const QString path = folder.path(QStringLiteral("data/History.sqlite"));
        {
            HistoryStore unused(path);
        }
        EXPECT_FALSE(QFile::exists(path)) << "a store never used";
        HistoryStore store(path);
        EXPECT_FALSE(QFile::exists(path)) << name;
        use(store);
        EXPECT_TRUE(QFile::exists(path)) << name;
        EXPECT_TRUE(store.available()) << name << ": " << store.problem().toStdString();
        EXPECT_EQ(scalar(store, QStringLiteral("PRAGMA user_version")).toInt(), HistorySchema::CurrentVersion) << name;
    }
}

TEST(HistoryStore, MigratesAVersionOneStoreKeepingItsRows)
{
    TemporaryFolder folder;
    const QString path = folder.path("History.sqlite");
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version-one"));
        database.setDatabaseName(path);
        ASSERT_TRUE(database.open());
        ASSERT_EQ(HistorySchema::migrateTo(database, 1), QString());
        QSqlQuery query(database);
        ASSERT_TRUE(query.exec(QStringLiteral(
            "INSERT INTO attempts (finished, day, kind, quick_run, preset_file, exercise_number, exercise, typed,"
            " seconds, correct, accuracy, speed, correct_speed, passed)"
            " VALUES ('2020-01-02T10:00:00+01:00', 2458851, 1, 0, '', 0, 'abc', 'abd', 10, 2, 66, 36, 24, 0)")));
        ASSERT_TRUE(query.exec(QStringLiteral("INSERT INTO keystrokes VALUES (2458851, 97, 97, 4, 2.0)")));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("version-one"));

    HistoryStore store(path);
    ASSERT_TRUE(store.available()) << store.problem().toStdString();
    EXPECT_EQ(scalar(store, QStringLiteral("PRAGMA user_version")).toInt(), HistorySchema::CurrentVersion);
    EXPECT_EQ(scalar(store, QStringLiteral("SELECT typed FROM attempts")).toString(), QStringLiteral("abd"));
    // Named and queued for the class like the attempts written from now on.
    EXPECT_FALSE(QUuid(scalar(store, QStringLiteral("SELECT uuid FROM attempts")).toString()).isNull());
    EXPECT_EQ(scalar(store, QStringLiteral("SELECT COUNT(*) FROM outbox_attempts")).toInt(), 1);
    EXPECT_EQ(scalar(store, QStringLiteral("SELECT day FROM outbox_days")).toInt(), 2458851);
    // Version one timed every stroke.
    EXPECT_EQ(scalar(store, QStringLiteral("SELECT timed_count FROM keystrokes")).toInt(), 4);
    EXPECT_TRUE(store.addGame(playedGame(10)));
    AttemptRecord record = attempt(at(2020, 1, 2), 30);
    record.keystrokes = {{pair('a', 'a', 1, 1, 1.0)}, 0, 0};
    EXPECT_TRUE(store.addAttempt(record));
    EXPECT_EQ(scalar(store, QStringLiteral("SELECT count FROM keystrokes")).toInt(), 5);
    // The figures of all days and of each day include the rows from before the store's update.
    FakeClock clock;
    clock.dateTime = at(2020, 1, 2);
    const ProgressQueries figures(store, clock);
    const std::vector<DayFigures> days = figures.dailyFigures(HistoryPeriod::Everything);
    ASSERT_EQ(days.size(), 1u);
    EXPECT_EQ(days[0].attempts, 2);
    EXPECT_EQ(days[0].bestSpeed, 36);
    EXPECT_DOUBLE_EQ(days[0].medianSpeed, 33); // the day's median counts the attempt from before too
    const std::vector<KeyFigures> keys = figures.keyFigures(HistoryPeriod::Everything);
    ASSERT_EQ(keys.size(), 1u);
    EXPECT_EQ(keys[0].strokes, 5);
    EXPECT_EQ(keys[0].medianIntervalMilliseconds, 600);
    EXPECT_EQ(scalar(store, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
}

TEST(HistoryStore, AStoreItCannotUseIsLeftAloneAndReported)
{
    TemporaryFolder folder;
    const QByteArray garbage = QByteArray("this is not a database, just some text\n").repeated(200);
    const QString corrupt = folder.write(QStringLiteral("corrupt.sqlite"), garbage);

    const QString newer = folder.path(QStringLiteral("newer.sqlite"));
    {
        QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("newer"));
        database.setDatabaseName(newer);
        ASSERT_TRUE(database.open());
        QSqlQuery(database).exec(QStringLiteral("PRAGMA user_version = 99"));
        database.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("newer"));
    const QByteArray newerBytes = folder.read(QStringLiteral("newer.sqlite"));

    for (const QString& path : {corrupt, newer}) {
        HistoryStore store(path);
        EXPECT_FALSE(store.available()) << path.toStdString();
        EXPECT_FALSE(store.problem().isEmpty());
        EXPECT_FALSE(store.addAttempt(attempt(at(2024, 1, 1), 10)));
        EXPECT_FALSE(store.addGame(playedGame(10)));
        EXPECT_FALSE(store.forget());
        FakeClock clock;
        EXPECT_TRUE(ProgressQueries(store, clock).dailyFigures(HistoryPeriod::Everything).empty());
    }
    EXPECT_EQ(folder.read(QStringLiteral("corrupt.sqlite")), garbage);
    EXPECT_EQ(folder.read(QStringLiteral("newer.sqlite")), newerBytes);
}

TEST(HistoryStore, AFailedWriteKeepsEarlierAttemptsAndStopsRecording)
{
    TemporaryFolder folder;
    const QString path = folder.path("History.sqlite");
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.addAttempt(attempt(at(2024, 3, 10), 30)));
        // The table taken away behind the store's back: the next write fails half-way.
        QSqlQuery(store.database()).exec(QStringLiteral("DROP TABLE line_edits"));
        AttemptRecord record = attempt(at(2024, 3, 10), 50);
        record.keystrokes = {{pair('a', 'a', 1)}, 1, 0};
        EXPECT_FALSE(store.addAttempt(record));
        EXPECT_FALSE(store.available());
        EXPECT_TRUE(store.problem().contains(QStringLiteral("cannot be written")));
        EXPECT_FALSE(store.addAttempt(attempt(at(2024, 3, 10), 60)));
    }
    HistoryStore reopened(path);
    EXPECT_EQ(scalar(reopened, QStringLiteral("SELECT group_concat(speed) FROM attempts")).toString(), QStringLiteral("30"));
    EXPECT_EQ(scalar(reopened, QStringLiteral("SELECT COUNT(*) FROM keystrokes")).toInt(), 0);
}

} // namespace
} // namespace clavora
