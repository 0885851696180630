// SPDX-License-Identifier: GPL-3.0-or-later
// The class's costs on a private PostgreSQL server (the tests' own, over a Unix socket):
// sending a long queue of attempts, and what an attempt's write costs the user-interface
// thread with a class (the send itself runs on the class's thread).
#include "PostgresServer.h"
#include "class/ClassSync.h"
#include "history_store/HistoryStore.h"

#include <QCoreApplication>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>

using namespace clavora;
using namespace clavora::test;

namespace {

PostgresServer* server = nullptr;

AttemptRecord sampleAttempt()
{
    AttemptRecord record;
    record.finished = QDateTime::currentDateTime();
    record.exercise = record.typed = QStringLiteral("the quick brown fox jumps over a lazy dog");
    record.source.presetFile = QStringLiteral("QWERTY - United States");
    record.seconds = 9.5;
    record.speed = record.correctSpeed = 50;
    record.accuracy = 100;
    record.keystrokes.pairs = {{u'a', u'a', 3, 3, 0.75}, {u'b', u'v', 1, 1, 0.3}};
    return record;
}

int scalar(const QSqlDatabase& connection, const QString& sql)
{
    QSqlQuery query(connection);
    return query.exec(sql) && query.next() ? query.value(0).toInt() : -1;
}

// From naming the server to an empty outbox, `state.range(0)` attempts queued.
void sendQueue(benchmark::State& state)
{
    QTemporaryDir folder;
    HistoryStore store(folder.filePath(QStringLiteral("History.sqlite")));
    const AttemptRecord record = sampleAttempt();
    for (int i = 0; i < state.range(0); ++i)
        store.addAttempt(record);
    const QSqlDatabase admin = QSqlDatabase::database(QStringLiteral("admin"));
    for (auto _ : state) {
        state.PauseTiming();
        QSqlQuery(admin).exec(QStringLiteral("DELETE FROM clavora.attempts"));
        QSqlQuery(store.database()).exec(QStringLiteral("INSERT OR IGNORE INTO outbox_attempts SELECT id FROM attempts"));
        state.ResumeTiming();
        ClassSync sync(folder.filePath(QStringLiteral("History.sqlite")));
        sync.setServer(server->connection(QStringLiteral("anna")));
        while (scalar(store.database(), QStringLiteral("SELECT count(*) FROM outbox_attempts")) > 0)
            QThread::msleep(5);
    }
    if (scalar(admin, QStringLiteral("SELECT count(*) FROM clavora.attempts")) != state.range(0))
        state.SkipWithError("not every attempt arrived");
}
BENCHMARK(sendQueue)->ArgName("attempts")->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// One attempt's write on the user-interface thread, then the signal to send it: without a
// class, and with one whose thread sends every attempt as it comes.
void writeAttempt(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("History.sqlite"));
    HistoryStore store(path);
    store.open();
    std::unique_ptr<ClassSync> sync;
    // Nothing to fetch first: the sends alone.
    QSqlQuery(QSqlDatabase::database(QStringLiteral("admin"))).exec(QStringLiteral("DELETE FROM clavora.attempts"));
    if (state.range(0)) {
        sync = std::make_unique<ClassSync>(path);
        sync->setServer(server->connection(QStringLiteral("anna")));
        store.setAfterWrite([&] { sync->sendNow(); });
    }
    AttemptRecord record = sampleAttempt();
    const QDateTime first = record.finished;
    qint64 written = 0;
    for (auto _ : state) {
        record.finished = first.addSecs(written++ * 86400 / 30); // 30 attempts a day
        if (!store.addAttempt(record))
            state.SkipWithError(store.problem().toUtf8().constData());
    }
}
BENCHMARK(writeAttempt)->ArgName("class")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The signal alone, which is all the send costs the user-interface thread.
void signalSend(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("History.sqlite"));
    HistoryStore(path).open();
    ClassSync sync(path);
    sync.setServer(server->connection(QStringLiteral("anna")));
    for (auto _ : state)
        sync.sendNow();
}
BENCHMARK(signalSend)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    PostgresServer postgres;
    bool missing = false;
    const QString problem = postgres.start(&missing);
    if (!problem.isEmpty() || !postgres.loadClassDatabase(QStringLiteral(CLAVORA_CLASS_SCHEMA)).isEmpty()) {
        fprintf(stderr, "no server: %s\n", qPrintable(problem));
        return 1;
    }
    server = &postgres;
    {
        QSqlDatabase admin = postgres.connect(QStringLiteral("admin"), QStringLiteral("postgres"), QStringLiteral("clavora"));
        for (const char* statement : {"CREATE ROLE anna LOGIN IN ROLE clavora_learner",
                                      "INSERT INTO clavora.learners (login) VALUES ('anna')"})
            QSqlQuery(admin).exec(QLatin1String(statement));
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
