// SPDX-License-Identifier: GPL-3.0-or-later
// A school's class on a private PostgreSQL server behind PgBouncer in transaction pooling:
// learners, each their own role (so each with a pool of their own), send 50 attempts each,
// 50 programs at once, as a school's programs do (each connects, checks what the server lost of its machine, sends,
// fetches the learner's other machines, and closes). Reported: attempts a second, the
// server's CPU per attempt (the postmaster's and its sessions'), the server connections at
// most open at once and opened in all. Then a learner with a year of history connects and
// checks what the server lost: nothing, and a restore that lost 20 attempts.
//
// --learners=N sets the school's size: 50 by default, one learner to each program. A school
// of 2,000 (--learners=2000), where one program serves learner after learner, does not finish
// yet: sends stall waiting on PgBouncer, whose per-role pools cannot share the server's
// connections.
#include "ClassBenchRecords.h"
#include "PostgresServer.h"
#include "class/ClassConnection.h"
#include "class/ClassGapRepair.h"
#include "class/ClassSender.h"
#include "history_store/HistoryStore.h"
#include "history_store/Outbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <benchmark/benchmark.h>
#include <unistd.h>

using namespace clavora;
using namespace clavora::bench;
using namespace clavora::test;

namespace {

PostgresServer* server = nullptr;
int learners = 50;
constexpr int attemptsEach = 50;
constexpr int programsAtOnce = 50;

QString learnerName(int learner)
{
    return QStringLiteral("learner%1").arg(learner, 4, 10, QLatin1Char('0'));
}

// Clock ticks the postmaster and its sessions have used, those ended included.
qint64 serverTicks()
{
    const auto fields = [](const QString& path) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QList<QByteArray>();
        const QByteArray stat = file.readAll();
        // after the command's name in parentheses: state is field 3, ppid 4, utime 14
        return stat.mid(stat.lastIndexOf(')') + 2).split(' ');
    };
    const qint64 postmaster = server->processId();
    const QList<QByteArray> own = fields(QStringLiteral("/proc/%1/stat").arg(postmaster));
    if (own.size() < 15)
        return 0;
    qint64 ticks = own[11].toLongLong() + own[12].toLongLong() + own[13].toLongLong() + own[14].toLongLong();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        const QList<QByteArray> child = fields(QStringLiteral("/proc/%1/stat").arg(entry));
        if (child.size() > 12 && child[1].toLongLong() == postmaster)
            ticks += child[11].toLongLong() + child[12].toLongLong();
    }
    return ticks;
}

// The most connections to the class's database open at any moment, sampled as it runs.
class ConnectionSampler {
public:
    ConnectionSampler()
        : thread_(QThread::create([this] {
              {
                  const QSqlDatabase admin =
                      server->connect(QStringLiteral("sampler"), QStringLiteral("postgres"), QStringLiteral("postgres"));
                  while (!done_) {
                      const qint64 open = scalar(admin, QStringLiteral("SELECT count(*) FROM pg_stat_activity"
                                                                       " WHERE datname = 'clavora'"));
                      most_ = std::max<qint64>(most_, open);
                      QThread::msleep(5);
                  }
              }
              QSqlDatabase::removeDatabase(QStringLiteral("sampler"));
          }))
    {
        thread_->start();
    }
    qint64 most()
    {
        done_ = true;
        thread_->wait();
        return most_;
    }

private:
    std::atomic_bool done_ = false;
    std::atomic<qint64> most_ = 0;
    std::unique_ptr<QThread> thread_;
};

// Every learner's program with 50 attempts queued while away, sent at one connect. (Sending
// each attempt as the lesson makes it does not finish yet: sends stall through PgBouncer,
// the program waiting for an answer while the server waits in the transaction.)
void schoolSends(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString queued = folder.filePath(QStringLiteral("queued.sqlite"));
    {
        HistoryStore store(queued);
        for (int i = 0; i < attemptsEach; ++i)
            store.addAttempt(sampleAttempt(QDateTime::currentDateTime().addSecs(-60 * i)));
    }
    for (int learner = 0; learner < learners; ++learner) {
        QDir(folder.path()).mkdir(learnerName(learner));
        QFile::copy(queued, folder.filePath(learnerName(learner) + QStringLiteral("/History.sqlite")));
    }
    const QSqlDatabase admin = QSqlDatabase::database(QStringLiteral("admin"));
    QSqlQuery(admin).exec(QStringLiteral("TRUNCATE clavora.attempts, clavora.daily_keystrokes,"
                                         " clavora.daily_line_edits, clavora.machine_totals"));
    const qint64 sessionsBefore =
        scalar(admin, QStringLiteral("SELECT sessions FROM pg_stat_database WHERE datname = 'clavora'"));
    std::atomic<int> failures = 0;
    for (auto _ : state) {
        const qint64 ticks = serverTicks();
        ConnectionSampler sampler;
        std::vector<std::unique_ptr<QThread>> programs;
        for (int program = 0; program < programsAtOnce; ++program) {
            programs.emplace_back(QThread::create([&, program] {
                const auto stopping = std::make_shared<std::atomic_bool>(false);
                for (int learner = program; learner < learners; learner += programsAtOnce) {
                    const QString path = folder.filePath(learnerName(learner) + QStringLiteral("/History.sqlite"));
                    ClassSender sender(path, stopping);
                    QObject::connect(&sender, &ClassSender::reachChanged, [&](const ClassReach& reach) {
                        if (!reach.problem.isEmpty() && failures++ == 0)
                            qWarning("%s", qPrintable(reach.problem));
                    });
                    sender.setServer(server->poolerConnection(learnerName(learner)));
                }
            }));
            programs.back()->start();
        }
        for (const auto& program : programs)
            program->wait();
        state.counters["server_connections_at_once"] = double(sampler.most());
        state.counters["server_cpu_us_per_attempt"] =
            double(serverTicks() - ticks) * 1e6 / double(sysconf(_SC_CLK_TCK)) / double(learners * attemptsEach);
    }
    const qint64 arrived = scalar(admin, QStringLiteral("SELECT count(*) FROM clavora.attempts"));
    if (failures > 0 || arrived != qint64(learners) * attemptsEach)
        state.SkipWithError(qPrintable(QStringLiteral("%1 failures, %2 attempts arrived").arg(failures).arg(arrived)));
    state.counters["attempts_per_s"] = benchmark::Counter(double(arrived), benchmark::Counter::kIsRate);
    state.counters["server_connections_opened"] =
        double(scalar(admin, QStringLiteral("SELECT sessions FROM pg_stat_database WHERE datname = 'clavora'"))
               - sessionsBefore);
}
BENCHMARK(schoolSends)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

// A connect of a learner with a year of history (30 attempts a day) and the check of what
// the server lost of it: nothing (one row read), or 20 attempts of a restore (each day compared).
void connectWithGapCheck(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("History.sqlite"));
    HistoryStore store(path);
    const QDateTime now = QDateTime::currentDateTime();
    const QSqlDatabase history = store.database();
    QSqlQuery(history).exec(QStringLiteral("PRAGMA synchronous = OFF")); // the year is written for the bench alone
    for (int i = 0; i < 365 * 30; ++i)
        store.addAttempt(sampleAttempt(now.addSecs(-i * 86400 / 30)));
    const QString learner = QStringLiteral("yearlong");
    const QSqlDatabase admin = QSqlDatabase::database(QStringLiteral("admin"));
    QSqlQuery(admin).exec(QStringLiteral("DELETE FROM clavora.attempts WHERE learner = 'yearlong'"));
    QSqlQuery(admin).exec(QStringLiteral("DELETE FROM clavora.machine_totals WHERE learner = 'yearlong'"));
    {
        ClassSender sender(path, std::make_shared<std::atomic_bool>(false));
        sender.setServer(server->connection(learner));
    }
    if (state.range(0)) // a restore of a dump taken before the last 20 attempts arrived
        QSqlQuery(admin).exec(QStringLiteral("DELETE FROM clavora.attempts WHERE learner = 'yearlong' AND id IN"
                                             " (SELECT id FROM clavora.attempts WHERE learner = 'yearlong'"
                                             " ORDER BY finished DESC LIMIT 20);"
                                             " UPDATE clavora.machine_totals SET attempts = attempts - 20"
                                             " WHERE learner = 'yearlong'"));
    Outbox outbox(history);
    const QUuid machine = outbox.machine();
    for (auto _ : state) {
        QString error;
        ClassConnection::use(server->connection(learner), [&](const QSqlDatabase& connection) {
            error = ClassGapRepair::queueWhatWasLost(connection, outbox, machine);
        });
        if (!error.isEmpty())
            state.SkipWithError(qPrintable(error));
    }
    state.counters["days_queued_again"] = double(scalar(history, QStringLiteral("SELECT count(*) FROM outbox_days")));
}
BENCHMARK(connectWithGapCheck)->ArgName("lost")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    for (int i = 1; i < argc; ++i) {
        if (qstrncmp(argv[i], "--learners=", 11) == 0)
            learners = std::max(programsAtOnce, atoi(argv[i] + 11));
    }
    benchmark::Initialize(&argc, argv);
    PostgresServer postgres;
    bool missing = false;
    QString problem = postgres.start(&missing);
    if (problem.isEmpty())
        problem = postgres.loadClassDatabase(QStringLiteral(CLAVORA_CLASS_SCHEMA));
    QStringList roles;
    for (int learner = 0; learner < learners; ++learner)
        roles << learnerName(learner);
    if (problem.isEmpty())
        problem = postgres.startPooler(roles, &missing, {1, 0, 1});
    if (!problem.isEmpty()) {
        fprintf(stderr, "no server: %s\n", qPrintable(problem));
        return 1;
    }
    server = &postgres;
    QSqlDatabase admin = postgres.connect(QStringLiteral("admin"), QStringLiteral("postgres"), QStringLiteral("clavora"));
    QSqlQuery(admin).exec(QStringLiteral("CREATE ROLE yearlong LOGIN IN ROLE clavora_learner;"
                                         " INSERT INTO clavora.learners (login) VALUES ('yearlong')"));
    QSqlQuery(admin).exec(QStringLiteral("DO $$ DECLARE login text; BEGIN FOR i IN 0..%1 LOOP"
                                         " login := 'learner' || lpad(i::text, 4, '0');"
                                         " EXECUTE format('CREATE ROLE %I LOGIN CONNECTION LIMIT 4 IN ROLE clavora_learner',"
                                         " login); INSERT INTO clavora.learners VALUES (login); END LOOP; END $$")
                              .arg(learners - 1));
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
