// SPDX-License-Identifier: GPL-3.0-or-later
// A learner's machines sending to and fetching from a real class server that goes away and
// comes back.
#include "PostgresServer.h"
#include "class/ClassBackoff.h"
#include "class/ClassDownload.h"
#include "class/ClassGoalsSaver.h"
#include "class/ClassSync.h"
#include "common/Services.h"
#include "history_store/HistoryStore.h"
#include "history_store/ProgressQueries.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <clocale>
#include <memory>
#include <set>

using namespace clavora;
using namespace clavora::test;

namespace {

const QDate day(2026, 3, 2);

class NoClock final : public Clock {
public:
    double secondsSinceMidnight() const override { return 0; }
    QDateTime localDateTime() const override { return QDateTime(day, QTime(18, 0)); }
};

QVariant value(const QSqlDatabase& connection, const QString& sql)
{
    QSqlQuery query(connection);
    return query.exec(sql) && query.next() ? query.value(0) : QVariant(query.lastError().text());
}

// One machine of a learner: its own store, and its sender while the program runs.
struct Machine {
    explicit Machine(const QString& connection) : connection(connection) { store.open(); }

    void start()
    {
        sync = std::make_unique<ClassSync>(path);
        store.setAfterWrite([this] { sync->sendNow(); });
        sync->setServer(connection);
    }
    void exit()
    {
        store.setAfterWrite(nullptr);
        sync.reset();
    }
    // `count` attempts of two strokes of "a" each, one of them timed.
    void type(int count)
    {
        AttemptRecord record;
        record.finished = QDateTime(day, QTime(9, 0));
        record.exercise = record.typed = "a";
        record.speed = 30;
        record.keystrokes.pairs = {{u'a', u'a', 2, 1, 0.25}};
        for (int i = 0; i < count; ++i)
            QVERIFY(store.addAttempt(record));
    }
    int queued() const { return value(store.database(), "SELECT count(*) FROM outbox_attempts").toInt(); }
    int stored() const { return value(store.database(), "SELECT count(*) FROM attempts").toInt(); }

    QString connection;
    QTemporaryDir folder;
    QString path = folder.filePath("History.sqlite");
    HistoryStore store{path};
    std::unique_ptr<ClassSync> sync;
};

} // namespace

class TestClassSync : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();
    void everyAttemptArrivesOnce_data();
    void everyAttemptArrivesOnce();
    void twoMachinesOfOneLearner();
    void serversThatAreNotUsed_data();
    void serversThatAreNotUsed();
    void passwordOnlyFromLibpqsFile();
    void aRowThatCannotBeStoredStopsNothing();
    void whatTheServerLostIsSentAgain_data();
    void whatTheServerLostIsSentAgain();
    void twoMachinesThroughAPoolerInTransactionMode();
    void forgottenRecordsAreNotFetchedBack();
    void goalsAndLettersAtEachConnection();
    void pausesAfterFailuresGrowAndSpread();

private:
    int onServer(const QString& learner = "anna") const
    {
        return value(admin(), QString("SELECT count(*) FROM clavora.attempts WHERE learner = '%1'").arg(learner)).toInt();
    }
    QSqlDatabase admin() const { return QSqlDatabase::database("admin"); }

    PostgresServer server_;
};

void TestClassSync::initTestCase()
{
    CLAVORA_START_POSTGRES(server_);
    QCOMPARE(server_.loadClassDatabase(CLAVORA_CLASS_SCHEMA), QString());
    QVERIFY(server_.connect("admin", "postgres", "clavora").isOpen());
    for (const char* statement :
         {"CREATE ROLE anna LOGIN IN ROLE clavora_learner", "CREATE ROLE tina LOGIN IN ROLE clavora_teacher",
          "INSERT INTO clavora.learners (login) VALUES ('anna')",
          "INSERT INTO clavora.classes (name, teacher) VALUES ('5a', 'tina')",
          "INSERT INTO clavora.class_members (class_id, teacher, learner) SELECT id, teacher, 'anna' FROM clavora.classes",
          // Each statement that adds attempts takes a while, so that the server can be stopped
          // in the middle of a long queue.
          "CREATE FUNCTION clavora.slowly() RETURNS trigger LANGUAGE plpgsql AS"
          " $$ BEGIN PERFORM pg_sleep(0.2); RETURN NULL; END $$",
          "CREATE TRIGGER slowly AFTER INSERT ON clavora.attempts FOR EACH STATEMENT EXECUTE FUNCTION clavora.slowly()"})
        QVERIFY2(QSqlQuery(admin()).exec(statement), statement);
    // A service file names the server, as a school would set it up.
    QFile services(QDir(QDir::tempPath()).filePath(QString("clavora-services-%1.conf").arg(getpid())));
    QVERIFY(services.open(QIODevice::WriteOnly));
    services.write(QString("[clavora-class]\n%1\n").arg(server_.connection("anna").replace(' ', '\n')).toUtf8());
    services.close();
    qputenv("PGSERVICEFILE", QFile::encodeName(services.fileName()));
    // A German desktop, whose language libpq would answer in: the reasons are read all the same.
    qputenv("LANGUAGE", "de");
    setlocale(LC_MESSAGES, "de_DE.UTF-8");
}

void TestClassSync::init()
{
    QVERIFY(QSqlQuery(admin()).exec("DELETE FROM clavora.attempts"));
    QVERIFY(QSqlQuery(admin()).exec("DELETE FROM clavora.daily_keystrokes"));
    QVERIFY(QSqlQuery(admin()).exec("DELETE FROM clavora.games"));
    QVERIFY(QSqlQuery(admin()).exec("DELETE FROM clavora.machine_totals"));
}

void TestClassSync::cleanupTestCase()
{
    for (const QString& name : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(name);
    QFile::remove(QString::fromLocal8Bit(qgetenv("PGSERVICEFILE")));
    server_.stop();
}

void TestClassSync::everyAttemptArrivesOnce_data()
{
    QTest::addColumn<int>("stopAfter"); // attempts on the server when it stops; 0: before the program starts
    QTest::addColumn<bool>("restart");  // the program ends while the server is away, and starts again
    QTest::newRow("server stopped mid-send, started again") << 500 << false;
    QTest::newRow("server away a whole session") << 0 << true;
}

void TestClassSync::everyAttemptArrivesOnce()
{
    QFETCH(int, stopAfter);
    QFETCH(bool, restart);
    constexpr int queued = 2000;
    Machine machine("service=clavora-class");
    machine.type(queued);
    if (stopAfter == 0)
        server_.stop();
    machine.start();
    QSignalSpy reach(machine.sync.get(), &ClassSync::reachChanged);
    if (stopAfter > 0) {
        QTRY_VERIFY_WITH_TIMEOUT(onServer() >= stopAfter, 20000);
        QVERIFY(onServer() < queued);
        server_.stop();
    }
    machine.type(10);
    QTRY_VERIFY_WITH_TIMEOUT(!machine.sync->reach().problem.isEmpty(), 20000);
    QVERIFY2(machine.sync->reach().problem.startsWith("The class server"), qPrintable(machine.sync->reach().problem));
    if (restart)
        machine.exit();
    QCOMPARE(server_.resume(), QString());
    QVERIFY(server_.connect("admin", "postgres", "clavora").isOpen());
    if (restart)
        machine.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), queued + 10, 30000);
    QTRY_COMPARE(machine.queued(), 0);
    QTRY_VERIFY(machine.sync->reach().problem.isEmpty());
    // Told once however many tries it took, and again once it was reached.
    if (!restart) {
        QStringList problems;
        for (const QList<QVariant>& signal : reach)
            problems << signal[0].value<ClassReach>().problem;
        problems.removeAll(QString());
        QCOMPARE(problems.size(), 1);
    }
}

// Both machines' attempts and key figures reach the server and each other once, however
// often they meet; a teacher copies the learner's rows alike.
void TestClassSync::twoMachinesOfOneLearner()
{
    Machine first(server_.connection("anna"));
    Machine second("service=clavora-class");
    first.type(300);
    second.type(200);
    GameRecord game;
    game.started = game.ended = QDateTime(day, QTime(10, 0));
    game.score = 77;
    game.letters = {{u'x', 3, 1.5, 0, 0}};
    QVERIFY(first.store.addGame(game));
    first.start();
    second.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 500, 20000);
    for (int start = 0; start < 2; ++start) {
        for (Machine* machine : {&first, &second}) {
            machine->exit();
            machine->start(); // fetches what the other sent
        }
    }
    NoClock clock;
    const auto figures = [&](const HistoryStore& store) {
        const ProgressQueries queries(store, clock);
        const std::vector<DayFigures> days = queries.dailyFigures(HistoryPeriod::Everything);
        const std::vector<KeyFigures> keys = queries.keyFigures(HistoryPeriod::Week);
        const std::vector<KeyFigures> allKeys = queries.keyFigures(HistoryPeriod::Everything);
        return QString("%1 attempts, %2 strokes this week, %3 in all, %4 games")
            .arg(days.empty() ? 0 : days[0].attempts)
            .arg(keys.empty() ? 0 : keys[0].strokes)
            .arg(allKeys.empty() ? 0 : allKeys[0].strokes)
            .arg(queries.bestGames().size());
    };
    const QString both = "500 attempts, 1000 strokes this week, 1000 in all, 1 games";
    QTRY_COMPARE_WITH_TIMEOUT(figures(first.store), both, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(figures(second.store), both, 20000);
    QCOMPARE(value(second.store.database(), "SELECT sum(hits) FROM game_letters").toInt(), 3);

    QVERIFY(server_.connect("tina", "tina", "clavora").isOpen());
    HistoryStore teacherView(HistoryStore::InMemory);
    QCOMPARE(ClassDownload(QSqlDatabase::database("tina"), "anna").copyInto(teacherView.database()), QString());
    QCOMPARE(figures(teacherView), both);
    QCOMPARE(value(teacherView.database(), "SELECT count(*) FROM outbox_attempts").toInt(), 0);
}

void TestClassSync::serversThatAreNotUsed_data()
{
    QTest::addColumn<QString>("connection");
    QTest::addColumn<int>("serverVersion");
    QTest::addColumn<QString>("problem"); // a part of it
    QTest::newRow("newer schema: left untouched") << "service=clavora-class" << 2 << "newer than this version";
    QTest::newRow("password in the setting") << "service=clavora-class password=secret" << 1 << "~/.pgpass";
    QTest::newRow("a teacher's login: reached, sends nothing") << server_.connection("tina") << 1 << QString();
    // libpq's own message, which initTestCase's German desktop does not reach.
    QTest::newRow("no server there") << "host=/nonexistent port=5999 dbname=clavora user=anna" << 1
                                     << "it is not running, or this computer cannot reach it";
}

void TestClassSync::serversThatAreNotUsed()
{
    QFETCH(QString, connection);
    QFETCH(int, serverVersion);
    QFETCH(QString, problem);
    QVERIFY(QSqlQuery(admin()).exec(QString("UPDATE clavora.schema_version SET version = %1").arg(serverVersion)));
    Machine machine(connection);
    machine.type(3);
    machine.start();
    if (problem.isEmpty())
        QTRY_VERIFY(machine.sync->reach().lastReached.isValid());
    else
        QTRY_VERIFY(!machine.sync->reach().problem.isEmpty());
    QVERIFY2(machine.sync->reach().problem.contains(problem), qPrintable(machine.sync->reach().problem));
    QCOMPARE(onServer(), 0);
    QCOMPARE(value(admin(), "SELECT version FROM clavora.schema_version").toInt(), serverVersion);
    QCOMPARE(machine.queued(), 3);
    QVERIFY(QSqlQuery(admin()).exec("UPDATE clavora.schema_version SET version = 1"));
}

QStringList messages;

// A learner whose login needs a password, kept in libpq's password file alone: it is used,
// and shows in no message and in no file of the program.
void TestClassSync::passwordOnlyFromLibpqsFile()
{
    const QByteArray password = "Pia-Secret-4711";
    for (const QString& statement :
         {QString("CREATE ROLE pia LOGIN PASSWORD '%1' IN ROLE clavora_learner").arg(QString(password)),
          QString("INSERT INTO clavora.learners (login) VALUES ('pia')")})
        QVERIFY(QSqlQuery(admin()).exec(statement));
    QFile rules(server_.dataFolder() + "/pg_hba.conf");
    QVERIFY(rules.open(QIODevice::ReadOnly));
    const QByteArray trusting = rules.readAll();
    rules.close();
    QVERIFY(rules.open(QIODevice::WriteOnly | QIODevice::Truncate));
    rules.write("local all pia scram-sha-256\n" + trusting);
    rules.close();
    QVERIFY(QSqlQuery(admin()).exec("SELECT pg_reload_conf()"));
    Machine machine(server_.connection("pia"));
    QFile passwords(machine.folder.filePath("pgpass"));
    QVERIFY(passwords.open(QIODevice::WriteOnly));
    passwords.write("*:*:clavora:pia:" + password + "\n");
    passwords.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    passwords.close();
    qputenv("PGPASSFILE", QFile::encodeName(passwords.fileName()));
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });

    machine.type(2);
    machine.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer("pia"), 2, 20000);
    machine.exit();
    qInstallMessageHandler(nullptr);
    QVERIFY(!messages.join(u'\n').contains(QString(password)));
    for (const QString& file : QDir(machine.folder.path()).entryList({"History*"}, QDir::Files)) {
        QFile stored(machine.folder.filePath(file));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QVERIFY2(!stored.readAll().contains(password), qPrintable(file));
    }
}

// Rows of another machine this store cannot hold (stored before the server checked rows),
// and a row of this machine the server refuses: each is left out, and everything else is
// sent and fetched.
void TestClassSync::aRowThatCannotBeStoredStopsNothing()
{
    const QString other = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString insert = "INSERT INTO clavora.attempts (learner, id, machine, finished, day, kind, quick_run,"
                           " preset_file, exercise_number, exercise, typed, seconds, correct, accuracy, speed,"
                           " correct_speed, passed) VALUES ('anna', gen_random_uuid(), '%1', %2, '2026-03-02', 0,"
                           " false, 'f', 1, 'a', 'a', %3, 1, 100, 30, 30, true)";
    for (const QString& statement :
         {QString("ALTER TABLE clavora.attempts DROP CONSTRAINT attempt_figures, DROP CONSTRAINT attempt_moments"),
          insert.arg(other, "'2026-03-02 09:00+00'", "'NaN'"), insert.arg(other, "'infinity'", "1"),
          insert.arg(other, "'2026-03-02 09:00+00'", "1"),
          QString("ALTER TABLE clavora.attempts ADD CONSTRAINT attempt_figures CHECK (seconds BETWEEN 0 AND 1e9) NOT VALID")})
        QVERIFY2(QSqlQuery(admin()).exec(statement), qPrintable(statement));
    Machine machine("service=clavora-class");
    machine.type(3);
    AttemptRecord refused;
    refused.finished = QDateTime(day, QTime(9, 0));
    refused.exercise = refused.typed = "a";
    refused.seconds = 2e9;
    QVERIFY(machine.store.addAttempt(refused));
    machine.start();
    QTRY_COMPARE_WITH_TIMEOUT(machine.queued(), 0, 20000);
    QCOMPARE(onServer(), 3 + 3);
    const auto fetched = [&] {
        return value(machine.store.database(), "SELECT count(*) FROM attempts WHERE machine IS NOT NULL").toInt();
    };
    QTRY_COMPARE_WITH_TIMEOUT(fetched(), 1, 20000);
    QCOMPARE(value(machine.store.database(), "SELECT count(*) FROM unstorable_records").toInt(), 2);
    QVERIFY(machine.sync->reach().problem.isEmpty());
}

void TestClassSync::whatTheServerLostIsSentAgain_data()
{
    QTest::addColumn<bool>("standby");
    QTest::newRow("restored from last night's dump") << false;
    QTest::newRow("failed over to a standby that lagged") << true;
}

// The server loses the attempts and games it took after a backup: the program, connecting
// again, finds them missing and sends them again.
void TestClassSync::whatTheServerLostIsSentAgain()
{
    QFETCH(bool, standby);
    const QString dump = QDir(QDir::tempPath()).filePath(QString("clavora-class-%1.dump").arg(getpid()));
    Machine machine("service=clavora-class");
    machine.type(30);
    machine.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 30, 20000);
    QCOMPARE(standby ? server_.backUp() : server_.dump(dump), QString());
    machine.type(9);
    GameRecord game;
    game.started = game.ended = QDateTime(day, QTime(10, 0));
    QVERIFY(machine.store.addGame(game));
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 39, 20000);
    machine.exit();
    QCOMPARE(standby ? server_.promoteBackup() : server_.restore(dump), QString());
    QFile::remove(dump);
    QVERIFY(server_.connect("admin", "postgres", "clavora").isOpen());
    QCOMPARE(onServer(), 30);
    machine.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 39, 20000);
    QTRY_COMPARE(value(admin(), "SELECT count(*) FROM clavora.games").toInt(), 1);
    QCOMPARE(value(admin(), "SELECT attempts FROM clavora.machine_totals WHERE learner = 'anna'").toInt(), 39);
}

// PgBouncer in transaction mode hands each transaction whichever server connection is free
// and closes them a second after use: two machines of one learner, sending at once and again
// after an idle gap, get everything there and each other's records back.
void TestClassSync::twoMachinesThroughAPoolerInTransactionMode()
{
    bool missing = false;
    const QString problem = server_.startPooler({"anna"}, &missing);
    if (missing)
        QSKIP(qPrintable(problem));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    Machine first(server_.poolerConnection("anna"));
    Machine second(server_.poolerConnection("anna"));
    first.type(300);
    second.type(200);
    first.start();
    second.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 500, 30000);
    QTest::qWait(2500); // longer than the pooler keeps a server connection
    first.type(5);
    second.type(5);
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 510, 30000);
    for (Machine* machine : {&first, &second}) {
        QTRY_COMPARE(machine->queued(), 0);
        QCOMPARE(machine->sync->reach().problem, QString());
        machine->exit();
        machine->start(); // fetches what the other sent
    }
    QTRY_COMPARE_WITH_TIMEOUT(first.stored(), 510, 20000);
    QTRY_COMPARE_WITH_TIMEOUT(second.stored(), 510, 20000);
    QCOMPARE(first.sync->reach().problem, QString());
    QCOMPARE(second.sync->reach().problem, QString());
}

// A learner forgets their history on one machine: what the server holds stays there and is
// not fetched back; what the other machine records afterwards comes as before.
void TestClassSync::forgottenRecordsAreNotFetchedBack()
{
    Machine first("service=clavora-class");
    Machine second("service=clavora-class");
    first.type(20);
    first.start();
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 20, 20000);
    second.start();
    QTRY_COMPARE_WITH_TIMEOUT(second.stored(), 20, 20000);
    second.exit();
    QVERIFY(second.store.forget());
    second.start();
    QTRY_VERIFY_WITH_TIMEOUT(second.sync->reach().lastReached.isValid(), 20000);
    QCOMPARE(second.stored(), 0);
    QCOMPARE(onServer(), 20);

    AttemptRecord later;
    later.finished = QDateTime::currentDateTime().addSecs(60);
    later.exercise = later.typed = "b";
    QVERIFY(first.store.addAttempt(later));
    QTRY_COMPARE_WITH_TIMEOUT(onServer(), 21, 20000);
    second.exit();
    second.start();
    QTRY_COMPARE_WITH_TIMEOUT(second.stored(), 1, 20000);
}

// The goals the teacher set from the Class page reach the learner's program when it connects,
// and its Coach's letters reach the server with its records, once.
void TestClassSync::goalsAndLettersAtEachConnection()
{
    ClassGoalsSaver teacher;
    std::optional<QString> problem;
    teacher.write(server_.connection("tina"), "5a", {{}, 20, true}, [&](const QString& p) { problem = p; });
    QTRY_VERIFY_WITH_TIMEOUT(problem.has_value(), 20000);
    QCOMPARE(*problem, QString());
    Machine machine(server_.connection("anna"));
    machine.start();
    QSignalSpy goals(machine.sync.get(), &ClassSync::goalsRead);
    machine.sync->setCourseLetters("fjdk");
    machine.type(1);
    QTRY_VERIFY_WITH_TIMEOUT(!goals.isEmpty(), 20000);
    QVERIFY(goals.first()[0].value<ClassGoals>() == (ClassGoals {{}, 20, true}));
    QTRY_COMPARE(value(admin(), "SELECT letters FROM clavora.course_letters WHERE learner = 'anna'").toString(),
        QString("fjdk"));
    machine.exit();
    QVERIFY(QSqlQuery(admin()).exec("DELETE FROM clavora.class_goals"));
}

// The n-th wait falls in the second half of its pause (a second, doubled each time, at most five
// minutes); programs that failed together come back apart.
void TestClassSync::pausesAfterFailuresGrowAndSpread()
{
    const int pauses[] = {1, 2, 4, 8, 16, 32, 64, 128, 256, 300, 300};
    std::vector<ClassBackoff> programs(20);
    for (const int pause : pauses) {
        std::set<int> waits;
        for (std::size_t program = 0; program < programs.size(); ++program) {
            QRandomGenerator random(quint32(program * 7919 + pause));
            const int wait = programs[program].nextWaitMilliseconds(random);
            QVERIFY2(wait >= pause * 500 && wait <= pause * 1000, qPrintable(QString("%1 s: %2 ms").arg(pause).arg(wait)));
            waits.insert(wait);
        }
        QVERIFY2(waits.size() > 10, qPrintable(QString("%1 s: %2 waits apart").arg(pause).arg(waits.size())));
    }
    programs.front().reset();
    QRandomGenerator random(1);
    QVERIFY(programs.front().nextWaitMilliseconds(random) <= 1000);
}

QTEST_GUILESS_MAIN(TestClassSync)
#include "test_class_sync.moc"
