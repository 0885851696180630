// SPDX-License-Identifier: GPL-3.0-or-later
// The class's costs on a private PostgreSQL server (the tests' own, over a Unix socket):
// sending a long queue of attempts, what an attempt's write costs the user-interface thread
// with a class (the send itself runs on the class's thread), and the program's end while a
// server does not answer.
#include "ClassBenchRecords.h"
#include "PostgresServer.h"
#include "class/ClassSync.h"
#include "history_store/HistoryStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <benchmark/benchmark.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace clavora;
using namespace clavora::bench;
using namespace clavora::test;

namespace {

PostgresServer* server = nullptr;

// From naming the server to an empty outbox, `state.range(0)` attempts queued.
void sendQueue(benchmark::State& state)
{
    QTemporaryDir folder;
    HistoryStore store(folder.filePath(QStringLiteral("History.sqlite")));
    const AttemptRecord record = sampleAttempt(QDateTime::currentDateTime());
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
    AttemptRecord record = sampleAttempt(QDateTime::currentDateTime());
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

// The program's end while the sender waits for a server that takes the connection and never
// answers: ClassSync's stop waits at most 1 s.
void endWhileConnecting(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("History.sqlite"));
    HistoryStore(path).open();
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray socketPath = QFile::encodeName(folder.filePath(QStringLiteral(".s.PGSQL.5999")));
    qstrncpy(address.sun_path, socketPath.constData(), sizeof address.sun_path);
    bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address);
    listen(listener, 16);
    for (auto _ : state) {
        ClassSync sync(path);
        sync.setServer(QStringLiteral("host=%1 port=5999 dbname=clavora user=anna").arg(folder.path()));
        state.PauseTiming();
        QThread::msleep(200); // the sender is in libpq's connect by now
        state.ResumeTiming();
    }
    close(listener);
}
BENCHMARK(endWhileConnecting)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

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
