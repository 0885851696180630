// SPDX-License-Identifier: GPL-3.0-or-later
// The history's costs: recording one key, writing one attempt, and ten years of daily use
// (100,000 attempts with their keystrokes, 5,000 games): its size on disk and the time of
// the queries the progress window runs when it opens.
#include "Fakes.h"
#include "common/Services.h"
#include "history_store/HistoryStore.h"
#include "history_store/OtherMachineRecords.h"
#include "history_store/ProgressQueries.h"
#include "history/TypingRecorder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <random>

using namespace clavora;
using namespace clavora::test;

namespace {

const QString Exercise = QStringLiteral("the quick brown fox jumps over a lazy dog");
const QString Keys = QStringLiteral("abcdefghijklmnopqrstuvwxyz ,.;ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789");

// The fixed "today" of every figure; HISTORY_BENCH_TODAY names another (2034-06-30 by default).
FakeClock fixedClock()
{
    FakeClock clock;
    const QDate named = QDate::fromString(qEnvironmentVariable("HISTORY_BENCH_TODAY"), Qt::ISODate);
    clock.dateTime = QDateTime(named.isValid() ? named : QDate(2034, 6, 30), QTime(20, 0));
    clock.now = 72000.0;
    return clock;
}

// What one attempt of 40 keys leaves behind: mostly right keys, one in twenty wrong, each
// struck 0.1 to 0.5 s after the one before.
KeystrokeTally typedAttempt(std::mt19937& random)
{
    std::uniform_real_distribution<double> interval(0.1, 0.5);
    TypingRecorder recorder;
    recorder.beginAttempt(0.0);
    std::uniform_int_distribution<int> keyPick(0, int(Keys.size()) - 1);
    std::uniform_int_distribution<int> errorPick(0, 19);
    QString exercise;
    for (int i = 0; i < 40; ++i)
        exercise += Keys.at(keyPick(random));
    QString typed;
    double seconds = 0.0;
    for (int i = 0; i < 40; ++i) {
        typed += errorPick(random) == 0 ? Keys.at(keyPick(random)) : exercise.at(i);
        seconds += interval(random);
        recorder.typingLineChanged(exercise, typed, seconds);
    }
    return recorder.finishAttempt();
}

AttemptRecord sampleAttempt(std::mt19937& random, const QDateTime& finished)
{
    AttemptRecord record;
    record.finished = finished;
    record.source = {AttemptKind::Preset, false, QStringLiteral("English (US)"), int(random() % 112) + 1};
    record.exercise = Exercise;
    record.typed = Exercise;
    record.seconds = 8.0 + random() % 20;
    record.correct = 38;
    record.accuracy = 90 + random() % 11;
    record.speed = 20 + random() % 60;
    record.correctSpeed = record.speed - random() % 5;
    record.passed = true;
    record.keystrokes = typedAttempt(random);
    return record;
}

void recordKey(benchmark::State& state)
{
    std::vector<QString> prefixes;
    for (qsizetype length = 1; length <= Exercise.size(); ++length)
        prefixes.push_back(Exercise.left(length));
    TypingRecorder recorder;
    recorder.beginAttempt(0.0);
    std::size_t next = 0;
    double seconds = 0.0;
    for (auto _ : state) {
        if (next == prefixes.size()) {
            benchmark::DoNotOptimize(recorder.finishAttempt());
            recorder.beginAttempt(seconds);
            next = 0;
        }
        seconds += 0.15;
        recorder.typingLineChanged(Exercise, prefixes[next++], seconds);
    }
}
BENCHMARK(recordKey);

void writeAttempt(benchmark::State& state)
{
    QTemporaryDir folder;
    HistoryStore store(folder.filePath(QStringLiteral("History.sqlite")));
    std::mt19937 random(7);
    AttemptRecord record = sampleAttempt(random, QDateTime::currentDateTime());
    const QDateTime first = record.finished;
    // The store figures each attempt's day again: so many attempts a day, then the next day.
    const qint64 secondsApart = 86400 / state.range(0);
    qint64 written = 0;
    for (auto _ : state) {
        record.finished = first.addSecs(written++ * secondsApart);
        if (!store.addAttempt(record))
            state.SkipWithError(store.problem().toUtf8().constData());
    }
}
BENCHMARK(writeAttempt)->ArgName("attempts a day")->Arg(30)->Arg(300)->Unit(benchmark::kMicrosecond);

// Another machine's attempts fetched from the class, all of one day, in the batches the
// download writes: each attempt figures its day's medians again, from the day's distinct
// values.
void fetchOneDay(benchmark::State& state)
{
    std::mt19937 random(7);
    const QDateTime finished(QDate(2034, 6, 30), QTime(12, 0));
    std::vector<ClassAttempt> attempts;
    for (int i = 0; i < state.range(0); ++i) {
        AttemptRecord record = sampleAttempt(random, finished);
        record.speed = 20 + i % 60;
        record.correctSpeed = 15 + i % 55;
        record.accuracy = 80 + i % 21;
        attempts.push_back({0, QUuid::createUuid(), finished.date(), std::move(record)});
    }
    const QUuid machine = QUuid::createUuid();
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir folder;
        HistoryStore store(folder.filePath(QStringLiteral("History.sqlite")));
        store.open();
        OtherMachineRecords records(store.database());
        state.ResumeTiming();
        for (std::size_t first = 0; first < attempts.size(); first += 100) {
            const std::vector<ClassAttempt> batch(attempts.begin() + qsizetype(first),
                                                  attempts.begin() + qsizetype(std::min(first + 100, attempts.size())));
            if (const QString error = records.addAttempts(machine, batch); !error.isEmpty())
                state.SkipWithError(error.toUtf8().constData());
        }
    }
}
BENCHMARK(fetchOneDay)->ArgName("attempts")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// What the program's start spends on the history: opening a store of the current version.
void openStore(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("History.sqlite"));
    HistoryStore(path).available();
    for (auto _ : state) {
        HistoryStore store(path);
        if (!store.available())
            state.SkipWithError(store.problem().toUtf8().constData());
    }
}
BENCHMARK(openStore)->Unit(benchmark::kMicrosecond);

// Ten years back from the fixed "today": 27 or 28 attempts a day, a game every 18 hours.
// HISTORY_BENCH_STORE names a file to keep the generated store in between runs.
struct TenYears {
    QTemporaryDir folder;
    QString path = qEnvironmentVariable("HISTORY_BENCH_STORE", folder.filePath(QStringLiteral("History.sqlite")));
    FakeClock clock = fixedClock();
    std::unique_ptr<HistoryStore> store;
    double megabytes = 0;

    TenYears()
    {
        if (!QFileInfo::exists(path))
            generate();
        megabytes = (QFileInfo(path).size() + QFileInfo(path + QStringLiteral("-wal")).size()) / 1e6;
        store = std::make_unique<HistoryStore>(path);
    }

    void generate()
    {
        std::mt19937 random(11);
        HistoryStore writer(path);
        const QDateTime first = clock.dateTime.addDays(-3650);
        constexpr int Attempts = 100000;
        for (int i = 0; i < Attempts; ++i)
            writer.addAttempt(sampleAttempt(random, first.addSecs(qint64(i) * 3650 * 86400 / Attempts)));
        for (int i = 0; i < 5000; ++i) {
            GameRecord game;
            game.started = first.addSecs(qint64(i) * 64800);
            game.ended = game.started.addSecs(120);
            game.startLevel = 1;
            game.levelReached = 1 + random() % 30;
            game.score = random() % 10000;
            for (char16_t letter = u'a'; letter <= u'z'; ++letter)
                game.letters.push_back({letter, int(random() % 10), 1.5, int(random() % 2), int(random() % 3)});
            writer.addGame(game);
        }
        QSqlQuery(writer.database()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    }
};

TenYears& tenYears()
{
    static TenYears history;
    return history;
}

// What the progress window reads when it opens on a period, or when another is chosen.
void openProgressWindow(benchmark::State& state)
{
    TenYears& history = tenYears();
    const auto period = HistoryPeriod(state.range(0));
    const ProgressQueries queries(*history.store, history.clock);
    for (auto _ : state) {
        benchmark::DoNotOptimize(queries.dailyFigures(period));
        benchmark::DoNotOptimize(queries.keyFigures(period));
        benchmark::DoNotOptimize(queries.confusionPairs(period));
        benchmark::DoNotOptimize(queries.bestGames());
        benchmark::DoNotOptimize(queries.streak());
        benchmark::DoNotOptimize(queries.calendar());
    }
    state.counters["store MB"] = history.megabytes;
    state.counters["days"] = double(queries.dailyFigures(HistoryPeriod::Everything).size());
}
// Each query alone, over everything.
void dailyFiguresQuery(benchmark::State& state)
{
    const ProgressQueries queries(*tenYears().store, tenYears().clock);
    for (auto _ : state)
        benchmark::DoNotOptimize(queries.dailyFigures(HistoryPeriod::Everything));
}
BENCHMARK(dailyFiguresQuery)->Unit(benchmark::kMillisecond);

void keyFiguresQuery(benchmark::State& state)
{
    const ProgressQueries queries(*tenYears().store, tenYears().clock);
    for (auto _ : state)
        benchmark::DoNotOptimize(queries.keyFigures(HistoryPeriod::Everything));
    QSqlQuery rows(QStringLiteral("SELECT COUNT(*) FROM keystrokes"), tenYears().store->database());
    if (rows.next())
        state.counters["keystroke rows"] = rows.value(0).toDouble();
}
BENCHMARK(keyFiguresQuery)->Unit(benchmark::kMillisecond);

void confusionPairsQuery(benchmark::State& state)
{
    const ProgressQueries queries(*tenYears().store, tenYears().clock);
    for (auto _ : state)
        benchmark::DoNotOptimize(queries.confusionPairs(HistoryPeriod::Everything));
}
BENCHMARK(confusionPairsQuery)->Unit(benchmark::kMillisecond);

BENCHMARK(openProgressWindow)
    ->ArgName("period")
    ->Arg(int(HistoryPeriod::Month))
    ->Arg(int(HistoryPeriod::Year))
    ->Arg(int(HistoryPeriod::Everything))
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
