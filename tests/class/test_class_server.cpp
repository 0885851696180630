// SPDX-License-Identifier: GPL-3.0-or-later
// The class server's schema on a real PostgreSQL: what each learner and teacher may read and
// change, texts kept as sent, sending that stores each attempt once, a teacher's Class page,
// and loading the schema over a current or newer one.
#include "PostgresServer.h"
#include "class/ClassGoalsQuery.h"
#include "class/ClassRosterQuery.h"
#include "class/ClassSchemaVersion.h"
#include "class/ClassUpload.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>
#include <QTimeZone>
#include <QUuid>
#include <ctime>
#include <latch>
#include <map>
#include <thread>

using namespace clavora;
using namespace clavora::test;

namespace {

const QUuid brunoGame("6f1c7c1e-0b7a-4a39-9d7e-2f5a1c3b9e01");
const QUuid carlaMachine("0d9a4f43-5a3e-4c55-8f0e-6c1b2a7d9e10");
const QDate day(2026, 3, 2);
const QStringList tables = {"schema_version", "learners", "classes", "class_members", "attempts", "daily_keystrokes",
    "daily_line_edits", "games", "game_letters", "machine_totals", "class_goals", "course_letters"};
// What tina sets for class 5a.
const ClassGoals fifthA = {97, 20, true, "Dvorak.kbl", QString(), 30};

QString text(const QUuid& id)
{
    return id.toString(QUuid::WithoutBraces);
}

AttemptRecord attempt(const QString& text)
{
    AttemptRecord record;
    // Just after local midnight, an hour east of Greenwich: the local day is the day after UTC's.
    record.finished = QDateTime(day, QTime(0, 30, 15, 250), QTimeZone(3600)).toLocalTime();
    record.source.presetFile = record.exercise = record.typed = text;
    record.source.exerciseNumber = 1;
    record.seconds = 12.5;
    record.correct = 30;
    record.accuracy = 96;
    return record;
}

GameRecord game()
{
    GameRecord record;
    record.started = record.ended = QDateTime::currentDateTime();
    record.letters.push_back({u'x', 4, 2.5, 1, 0});
    return record;
}

// A day's running totals: `count` strokes of one key pair, as many edits in the line.
KeystrokeTally totals(char16_t struck, int count)
{
    return {{{u'a', struck, count, count - 1, count * 0.25}}, count, count};
}

// One record at a time, from one machine, as a short queue is sent.
class Upload {
public:
    explicit Upload(const QSqlDatabase& connection) : upload_(connection) {}
    QString sendAttempt(const QUuid& id, const AttemptRecord& record)
    {
        return upload_.sendAttempts(machine_, {{0, id, record.finished.date(), record}});
    }
    QString sendGame(const QUuid& id, const GameRecord& record)
    {
        return upload_.sendGames(machine_, {{0, id, record.ended.date(), record}});
    }
    QString sendDay(const QUuid& machine, QDate day, const KeystrokeTally& totals)
    {
        return upload_.sendDays(machine, {{day, 0, totals}});
    }

private:
    ClassUpload upload_;
    QUuid machine_ = QUuid::createUuid();
};

Upload upload(const QString& role)
{
    return Upload(QSqlDatabase::database(role));
}

// Runs `sql` on the connection `role`; returns the error, empty on success. Statements
// with values go through a prepared statement, as the program sends them.
QString execute(const QString& role, const QString& sql, const QVariantList& values = {}, QSqlQuery* result = nullptr)
{
    QSqlQuery query(QSqlDatabase::database(role, false));
    const bool done = values.isEmpty() ? query.exec(sql) : [&] {
        if (!query.prepare(sql))
            return false;
        for (const QVariant& value : values)
            query.addBindValue(value);
        return query.exec();
    }();
    if (!done)
        return query.lastError().text();
    if (result)
        *result = std::move(query);
    return {};
}

QVariant value(const QString& role, const QString& sql, const QVariantList& values = {})
{
    QSqlQuery query;
    const QString error = execute(role, sql, values, &query);
    if (!error.isEmpty() || !query.next())
        return QString("error: %1").arg(error);
    return query.value(0);
}

QString goalsText(const ClassGoals& goals)
{
    const auto figure = [](std::optional<int> value) { return value ? QString::number(*value) : QString("-"); };
    return QStringList {figure(goals.accuracyMark), figure(goals.speedTarget), goals.coach ? "on" : "off",
        goals.layoutFile + goals.desktopLayout, figure(goals.weeklyMinutes)}.join(u' ');
}

// Everything a learner or teacher might change, as the superuser sees it: every row, the
// tables, columns, privileges, policies and schemas.
QString fingerprint()
{
    QStringList parts;
    for (const QString& table : tables)
        parts << QString("(SELECT string_agg(t::text, ',' ORDER BY t::text) FROM clavora.%1 t)").arg(table);
    parts << "(SELECT string_agg(concat_ws(' ', n.nspname, c.relname, c.relrowsecurity, c.relforcerowsecurity,"
             " c.relacl), ',' ORDER BY n.nspname, c.relname) FROM pg_class c JOIN pg_namespace n"
             " ON n.oid = c.relnamespace WHERE n.nspname NOT IN ('pg_catalog', 'pg_toast', 'information_schema'))"
          << "(SELECT string_agg(concat_ws(' ', attrelid::regclass, attname, atttypid, attacl), ','"
             " ORDER BY attrelid, attnum) FROM pg_attribute WHERE attnum > 0 AND NOT attisdropped"
             " AND attrelid IN (SELECT oid FROM pg_class WHERE relnamespace = 'clavora'::regnamespace))"
          << "(SELECT string_agg(concat_ws(' ', tablename, policyname, roles, qual, with_check), ','"
             " ORDER BY tablename, policyname) FROM pg_policies)"
          << "(SELECT string_agg(concat_ws(' ', nspname, nspacl), ',' ORDER BY nspname) FROM pg_namespace)";
    return value("admin", QString("SELECT md5(concat_ws('|', %1))").arg(parts.join(u','))).toString();
}

} // namespace

class TestClassServer : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void outsiderCannotConnect();
    void eachSeesOnlyTheirRows_data();
    void eachSeesOnlyTheirRows();
    void teacherSeesTheirClassesLearners_data();
    void teacherSeesTheirClassesLearners();
    void forbiddenChangesChangeNothing_data();
    void forbiddenChangesChangeNothing();
    void aServerBeforeTheGoals();
    void teachersSetGoals_data();
    void teachersSetGoals();
    void learnersFollowTheirClassesGoals_data();
    void learnersFollowTheirClassesGoals();
    void importingAClass_data();
    void importingAClass();
    void textsAreStoredAsData_data();
    void textsAreStoredAsData();
    void sendingAgainStoresOnce();
    void twoConnectionsOfOneLearnerSendAtOnce();
    void loadingTheSchemaAgain_data();
    void loadingTheSchemaAgain();
    void adminErasesALearner();

private:
    PostgresServer server_;
    const QStringList roles_ = {"anna", "bruno", "carla", "tina", "theo"};
};

// Class 5a: anna and bruno, taught by tina; class 5b: carla and tina herself (a teacher who
// practises too), taught by theo.
void TestClassServer::initTestCase()
{
    CLAVORA_START_POSTGRES(server_);
    // The learner's local time an hour east of the server's UTC: an offset left out shows.
    qputenv("TZ", "UTC-01");
    tzset();
    QCOMPARE(server_.loadClassDatabase(CLAVORA_CLASS_SCHEMA), QString());
    QVERIFY(server_.connect("admin", "postgres", "clavora").isOpen());
    for (const char* statement : {
             "CREATE ROLE anna LOGIN IN ROLE clavora_learner",
             "CREATE ROLE bruno LOGIN IN ROLE clavora_learner",
             "CREATE ROLE carla LOGIN IN ROLE clavora_learner",
             "CREATE ROLE tina LOGIN IN ROLE clavora_teacher, clavora_learner",
             "CREATE ROLE theo LOGIN IN ROLE clavora_teacher",
             "INSERT INTO clavora.learners (login) VALUES ('anna'), ('bruno'), ('carla'), ('tina')",
             "INSERT INTO clavora.classes (name, teacher) VALUES ('5a', 'tina'), ('5b', 'theo')",
             "INSERT INTO clavora.class_members (class_id, teacher, learner)"
             " SELECT id, teacher, unnest(ARRAY['anna', 'bruno']) FROM clavora.classes WHERE name = '5a'",
             "INSERT INTO clavora.class_members (class_id, teacher, learner)"
             " SELECT id, teacher, unnest(ARRAY['carla', 'tina']) FROM clavora.classes WHERE name = '5b'",
         })
        QCOMPARE(execute("admin", QLatin1String(statement)), QString());
    for (const QString& role : roles_)
        QVERIFY2(server_.connect(role, role, "clavora").isOpen(), qPrintable(role));
    for (const char* learner : {"anna", "bruno", "carla", "tina"})
        QCOMPARE(upload(learner).sendAttempt(QUuid::createUuid(), attempt("asdf")), QString());
    QCOMPARE(upload("anna").sendDay(QUuid::createUuid(), day, totals(u'a', 3)), QString());
    QCOMPARE(upload("carla").sendDay(carlaMachine, day, totals(u'b', 1)), QString());
    QCOMPARE(upload("bruno").sendGame(brunoGame, game()), QString());
    QCOMPARE(ClassGoalsQuery::write(QSqlDatabase::database("tina"), "5a", fifthA), QString());
    QCOMPARE(ClassGoalsQuery::sendLetters(QSqlDatabase::database("anna"), "fjdk"), QString());
    QCOMPARE(ClassGoalsQuery::sendLetters(QSqlDatabase::database("carla"), "fj"), QString());
}

void TestClassServer::cleanupTestCase()
{
    for (const QString& name : QSqlDatabase::connectionNames())
        QSqlDatabase::removeDatabase(name);
    server_.stop();
}

void TestClassServer::outsiderCannotConnect()
{
    QCOMPARE(execute("admin", "CREATE ROLE eve LOGIN"), QString());
    const QSqlDatabase eve = server_.connect("eve", "eve", "clavora");
    QVERIFY2(eve.lastError().text().contains("permission denied for database"), qPrintable(eve.lastError().text()));
}

void TestClassServer::eachSeesOnlyTheirRows_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("learners"); // whose rows the role sees, by login
    const auto row = [](const char* role, const char* table, const char* learners) {
        QTest::addRow("%s reads %s", role, table) << role << table << learners;
    };
    row("anna", "attempts", "anna");
    row("anna", "daily_keystrokes", "anna");
    row("anna", "games", "");
    row("anna", "game_letters", "");
    row("anna", "learners", "anna");
    row("anna", "class_members", "anna");
    row("anna", "classes", "5a");
    row("bruno", "games", "bruno");
    row("bruno", "game_letters", "bruno");
    row("carla", "attempts", "carla");
    row("carla", "classes", "5b");
    row("tina", "attempts", "anna,bruno,tina");
    row("tina", "daily_keystrokes", "anna");
    row("tina", "game_letters", "bruno");
    row("tina", "learners", "anna,bruno,tina");
    row("tina", "class_members", "anna,bruno,tina");
    row("tina", "classes", "5a,5b");
    row("theo", "attempts", "carla,tina");
    row("theo", "daily_keystrokes", "carla");
    row("theo", "daily_line_edits", "carla");
    row("theo", "games", "");
    row("theo", "learners", "carla,tina");
    row("theo", "classes", "5b");
    row("anna", "class_goals", "tina");
    row("carla", "class_goals", "");
    row("tina", "class_goals", "tina");
    row("theo", "class_goals", "");
    row("anna", "course_letters", "anna");
    row("bruno", "course_letters", "");
    row("tina", "course_letters", "anna");
    row("theo", "course_letters", "carla");
}

void TestClassServer::eachSeesOnlyTheirRows()
{
    QFETCH(QString, role);
    QFETCH(QString, table);
    QFETCH(QString, learners);
    const QString column = table == "classes" ? "name" : table == "learners" ? "login" : table == "class_goals" ? "teacher" : "learner";
    const QString sql = "SELECT coalesce(string_agg(DISTINCT %1, ',' ORDER BY %1), '') FROM clavora.%2";
    QCOMPARE(value(role, sql.arg(column, table)).toString(), learners);
}

// Bruno's figures reach into the window of this week (from 2026-02-26) and the four weeks
// before (from 2026-01-29), and beyond them.
void TestClassServer::teacherSeesTheirClassesLearners_data()
{
    const auto at = [](int month, int day, int speed, int accuracy) {
        AttemptRecord record = attempt("x");
        record.finished = QDateTime(QDate(2026, month, day), QTime(12, 0));
        record.seconds = 60;
        record.speed = speed;
        record.accuracy = accuracy;
        return record;
    };
    for (const AttemptRecord& record : {at(3, 3, 30, 90), at(3, 3, 40, 90), at(3, 3, 50, 90), at(3, 5, 90, 90),
             at(2, 26, 10, 90), at(2, 25, 20, 80), at(2, 10, 30, 80), at(1, 28, 99, 99)})
        QCOMPARE(upload("bruno").sendAttempt(QUuid::createUuid(), record), QString());
    // Error rates: Space 0.4, e 0.25, r 0.1, t 0.05; q too few strokes, x no errors, z too old.
    const KeystrokeTally recent = {{{u' ', u' ', 15}, {u' ', u'x', 10}, {u'e', u'e', 15}, {u'e', u'w', 5},
        {u'r', u'r', 27}, {u'r', u'e', 3}, {u't', u't', 19}, {u't', u'r', 1}, {u'q', u'a', 9}, {u'q', u'q', 1},
        {u'x', u'x', 40}, {0, u'a', 30}}};
    QCOMPARE(upload("bruno").sendDay(QUuid::createUuid(), QDate(2026, 2, 26), recent), QString());
    QCOMPARE(upload("bruno").sendDay(QUuid::createUuid(), QDate(2026, 2, 25), {{{u'z', u'a', 100}}}), QString());
    // Names as an administrator may write them: stored and shown as data.
    const QString quoted = "O'Brien \"Ann\" \\ '); DROP TABLE clavora.attempts; --";
    const QString undecodable = QString::fromUtf8("\xff\xfe\xc3(");
    QCOMPARE(execute("admin", "UPDATE clavora.learners SET full_name = ? WHERE login = 'anna'", {quoted}), QString());
    QCOMPARE(execute("admin", "UPDATE clavora.learners SET full_name = ? WHERE login = 'carla'", {undecodable}), QString());

    QTest::addColumn<QString>("role");
    QTest::addColumn<bool>("teaches");
    QTest::addColumn<QStringList>("learners");
    QTest::addColumn<QStringList>("classes");
    const QString gameDay = QDate::currentDate().toString(Qt::ISODate); // bruno's game is today's
    QTest::newRow("tina: class 5a, not her own") << "tina" << true
        << QStringList {"anna|" + quoted + "|5a|2026-03-02|0.2|1|0|-|96|-||fjdk|97 20 on Dvorak.kbl 30",
               "bruno||5a|" + gameDay + "|4.2|5|30|25|90|80| er||97 20 on Dvorak.kbl 30"}
        << QStringList {"5a|97 20 on Dvorak.kbl 30|anna,bruno"};
    QTest::newRow("theo: class 5b, tina as a learner")
        << "theo" << true
        << QStringList {"carla|" + undecodable + "|5b|2026-03-02|0.2|1|0|-|96|-||fj|- - off  -",
               "tina||5b|2026-03-02|0.2|1|0|-|96|-|||- - off  -"}
        << QStringList {"5b|- - off  -|carla,tina"};
    QTest::newRow("a learner has no class") << "anna" << false << QStringList() << QStringList();
}

void TestClassServer::teacherSeesTheirClassesLearners()
{
    QFETCH(QString, role);
    QFETCH(bool, teaches);
    QFETCH(QStringList, learners);
    QFETCH(QStringList, classes);
    const QSqlDatabase connection = QSqlDatabase::database(role);
    QCOMPARE(ClassRosterQuery::teaches(connection), teaches);
    const ClassRoster roster = ClassRosterQuery::read(connection, QDate(2026, 3, 4));
    QCOMPARE(roster.problem, QString());
    const auto figure = [](std::optional<double> value) { return value ? QString::number(*value) : QString("-"); };
    QStringList rows;
    for (const LearnerFigures& learner : roster.learners)
        rows << QStringList {learner.login, learner.name, learner.classes, learner.lastPractice.toString(Qt::ISODate),
                    QString::number(learner.minutesThisWeek, 'f', 1), QString::number(learner.attemptsThisWeek),
                    figure(learner.medianSpeed), figure(learner.medianSpeedBefore), figure(learner.medianAccuracy),
                    figure(learner.medianAccuracyBefore), learner.weakestKeys, learner.courseLetters,
                    goalsText(learner.goals)}.join(u'|');
    QCOMPARE(rows, learners);
    // Bruno's weeks, the oldest first: minutes and median speed, none in a week without attempts.
    for (const LearnerFigures& learner : roster.learners) {
        QStringList weeks;
        for (const WeekFigures& week : learner.weeks)
            weeks << QString::number(week.minutes, 'f', 1) + u':' + figure(week.medianSpeed);
        if (learner.login == QStringLiteral("bruno"))
            QCOMPARE(weeks.join(u'|'), QStringLiteral("0.0:-|1.0:30|0.0:-|1.0:20|4.2:30"));
        else
            QCOMPARE(weeks.size(), 5);
    }
    rows.clear();
    for (const TaughtClass& taught : roster.classes)
        rows << QStringList {taught.name, goalsText(taught.goals), taught.learners.join(u',')}.join(u'|');
    QCOMPARE(rows, classes);
}

void TestClassServer::forbiddenChangesChangeNothing_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("statement");
    QTest::addColumn<QString>("error"); // a part of the server's refusal; empty where it silently finds no row
    const QString attemptOf = "INSERT INTO clavora.attempts (learner, id, machine, finished, day, kind, quick_run,"
                              " preset_file, exercise_number, exercise, typed, seconds, correct, accuracy, speed,"
                              " correct_speed, passed) VALUES ('%1', gen_random_uuid(), gen_random_uuid(), now(),"
                              " current_date, 0, false, 'f', 1, 'e', 't', 1, 1, 100, 1, 1, true)";
    QTest::newRow("learner adds another's attempt") << "anna" << attemptOf.arg("bruno") << "row-level security";
    const QString raise = "INSERT INTO clavora.daily_keystrokes (learner, day, machine, expected, struck, count,"
                          " timed_count, interval_sum) VALUES ('carla', '2026-03-02', '%1', 97, 98, 1, 1, 0.25)"
                          " ON CONFLICT (learner, day, machine, expected, struck) DO UPDATE SET count = 999";
    QTest::newRow("learner raises another's day total") << "anna" << raise.arg(text(carlaMachine)) << "row-level security";
    QTest::newRow("learner updates another's day total")
        << "anna" << "UPDATE clavora.daily_keystrokes SET count = 999 WHERE learner = 'carla'" << "";
    QTest::newRow("learner hands own day total to another")
        << "anna" << "UPDATE clavora.daily_keystrokes SET learner = 'carla'" << "permission denied";
    const QString letter = "INSERT INTO clavora.game_letters (game, letter, hits, hit_seconds, explosions, stray_keys)"
                           " VALUES ('%1', 121, 1, 1, 0, 0)";
    QTest::newRow("learner adds a letter to another's game") << "anna" << letter.arg(text(brunoGame)) << "foreign key";
    QTest::newRow("learner changes an attempt") << "anna" << "UPDATE clavora.attempts SET typed = 'x'" << "permission denied";
    QTest::newRow("learner deletes attempts") << "anna" << "DELETE FROM clavora.attempts" << "permission denied";
    QTest::newRow("learner empties a table") << "anna" << "TRUNCATE clavora.attempts" << "permission denied";
    QTest::newRow("learner joins a class")
        << "anna"
        << "INSERT INTO clavora.class_members (class_id, teacher, learner) SELECT id, teacher, 'anna' FROM clavora.classes"
        << "permission denied";
    QTest::newRow("learner adds a learner") << "anna" << "INSERT INTO clavora.learners (login) VALUES ('eve')"
                                            << "permission denied";
    QTest::newRow("learner sets the schema version") << "anna" << "UPDATE clavora.schema_version SET version = 9"
                                                     << "permission denied";
    QTest::newRow("learner adds a column") << "anna" << "ALTER TABLE clavora.attempts ADD COLUMN note text"
                                           << "must be owner";
    QTest::newRow("learner turns row security off")
        << "anna" << "ALTER TABLE clavora.attempts DISABLE ROW LEVEL SECURITY" << "must be owner";
    QTest::newRow("learner drops a policy") << "anna" << "DROP POLICY learner_own ON clavora.attempts" << "must be owner";
    QTest::newRow("learner drops a table") << "anna" << "DROP TABLE clavora.attempts" << "must be owner";
    QTest::newRow("learner creates a table") << "anna" << "CREATE TABLE clavora.notes (t text)" << "permission denied";
    QTest::newRow("learner creates a public table") << "anna" << "CREATE TABLE public.notes (t text)" << "permission denied";
    QTest::newRow("learner creates a schema") << "anna" << "CREATE SCHEMA notes" << "permission denied";
    QTest::newRow("learner locks out the class")
        << "anna" << "LOCK TABLE clavora.daily_keystrokes IN ACCESS EXCLUSIVE MODE" << "permission denied";
    QTest::newRow("learner becomes another") << "anna" << "SET ROLE bruno" << "permission denied";
    // What no program of the class writes, which the others could not use.
    const QString hostile = "INSERT INTO clavora.attempts (id, machine, finished, day, kind, quick_run, preset_file,"
                            " exercise_number, exercise, typed, seconds, correct, accuracy, speed, correct_speed,"
                            " passed) VALUES (gen_random_uuid(), gen_random_uuid(), %1, %2, 0, false, 'f', 1, 'e',"
                            " %3, %4, 1, 100, 1, 1, true)";
    const QString now = "now()";
    const QString today = "current_date";
    QTest::newRow("seconds not a number") << "anna" << hostile.arg(now, today, "'t'", "'NaN'") << "attempt_figures";
    QTest::newRow("seconds infinite") << "anna" << hostile.arg(now, today, "'t'", "'Infinity'") << "attempt_figures";
    QTest::newRow("seconds negative") << "anna" << hostile.arg(now, today, "'t'", "-1") << "attempt_figures";
    QTest::newRow("day without end") << "anna" << hostile.arg(now, "'infinity'", "'t'", "1") << "attempt_moments";
    QTest::newRow("day before the calendar") << "anna" << hostile.arg(now, "'0044-03-15 BC'", "'t'", "1")
                                              << "attempt_moments";
    QTest::newRow("finished beyond 9999") << "anna" << hostile.arg("'12000-01-01 00:00+00'", today, "'t'", "1")
                                           << "attempt_moments";
    QTest::newRow("megabytes typed") << "anna" << hostile.arg(now, today, "repeat('t', 3000000)", "1") << "attempt_texts";
    QTest::newRow("key interval not a number")
        << "anna"
        << "INSERT INTO clavora.daily_keystrokes (day, machine, expected, struck, count, timed_count, interval_sum)"
           " VALUES (current_date, gen_random_uuid(), 97, 97, 1, 1, 'NaN')"
        << "keystroke_figures";
    QTest::newRow("learner raises their machine's count")
        << "anna" << "UPDATE clavora.machine_totals SET attempts = attempts + 1" << "permission denied";
    QTest::newRow("learner lists the logins") << "anna" << "SELECT rolname FROM pg_roles" << "permission denied";
    QTest::newRow("learner lists the memberships") << "anna" << "SELECT member::regrole FROM pg_auth_members"
                                                   << "permission denied";
    QTest::newRow("learner makes a large object") << "anna" << "SELECT lo_create(0)" << "permission denied";
    QTest::newRow("learner makes a large object from bytes") << "anna" << "SELECT lo_from_bytea(0, 'x')"
                                                             << "permission denied";
    QTest::newRow("learner sets their class's goals")
        << "anna" << "UPDATE clavora.class_goals SET speed_target = 0" << "permission denied";
    QTest::newRow("teacher who learns sets her class's goals as a learner")
        << "tina" << "INSERT INTO clavora.class_goals (class_id) SELECT id FROM clavora.classes WHERE name = '5b'"
        << "foreign key";
    QTest::newRow("teacher changes another's class's goals")
        << "theo" << "UPDATE clavora.class_goals SET speed_target = 0" << "";
    QTest::newRow("teacher hands a class's goals to another")
        << "tina" << "UPDATE clavora.class_goals SET teacher = 'theo'" << "permission denied";
    QTest::newRow("learner sends another's letters")
        << "anna" << "INSERT INTO clavora.course_letters (learner, letters) VALUES ('bruno', 'x')" << "permission denied";
    QTest::newRow("learner changes another's letters")
        << "anna" << "UPDATE clavora.course_letters SET letters = 'x' WHERE learner = 'carla'" << "";
    QTest::newRow("teacher changes a learner's letters")
        << "theo" << "UPDATE clavora.course_letters SET letters = 'x'" << "permission denied";
    QTest::newRow("teacher adds an attempt for a learner") << "theo" << attemptOf.arg("carla") << "permission denied";
    QTest::newRow("teacher deletes attempts") << "theo" << "DELETE FROM clavora.attempts" << "permission denied";
    QTest::newRow("learner erases another") << "anna" << "SELECT clavora.erase_learner('bruno')" << "permission denied";
    QTest::newRow("teacher erases a learner") << "tina" << "SELECT clavora.erase_learner('anna')" << "permission denied";
}

void TestClassServer::forbiddenChangesChangeNothing()
{
    QFETCH(QString, role);
    QFETCH(QString, statement);
    QFETCH(QString, error);
    const QString before = fingerprint();
    // In a transaction, which some statements need; committed, so that a change would stay.
    QSqlDatabase connection = QSqlDatabase::database(role);
    QVERIFY(connection.transaction());
    const QString refusal = execute(role, statement);
    connection.commit();
    QVERIFY2(error.isEmpty() ? refusal.isEmpty() : refusal.contains(error), qPrintable(refusal));
    QCOMPARE(fingerprint(), before);
}

// A program of today reads the Class page of a server its administrator has not brought
// to the goals' migration yet, without them.
void TestClassServer::aServerBeforeTheGoals()
{
    QCOMPARE(execute("admin", "UPDATE clavora.schema_version SET migration = 2"), QString());
    const ClassRoster roster = ClassRosterQuery::read(QSqlDatabase::database("tina"), QDate(2026, 3, 4));
    QCOMPARE(execute("admin", "UPDATE clavora.schema_version SET migration = 3"), QString());
    QCOMPARE(roster.problem, QString());
    QCOMPARE(roster.learners.size(), size_t(2));
    QCOMPARE(roster.learners[0].courseLetters, QString());
    QVERIFY(roster.learners[0].goals.empty());
    QVERIFY(roster.classes.empty());
}

void TestClassServer::teachersSetGoals_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("problem"); // a part of the refusal; empty: stored
    QTest::newRow("tina: her class") << "tina" << "5a" << "";
    QTest::newRow("tina: the class she learns in") << "tina" << "5b" << "no class named";
    QTest::newRow("theo: another's class") << "theo" << "5a" << "no class named";
    QTest::newRow("a learner") << "anna" << "5a" << "permission denied";
}

void TestClassServer::teachersSetGoals()
{
    QFETCH(QString, role);
    QFETCH(QString, className);
    QFETCH(QString, problem);
    const ClassGoals raised = {99, 40, false, QString(), "se(nodeadkeys)", 60};
    const QString refusal = ClassGoalsQuery::write(QSqlDatabase::database(role), className, raised);
    QVERIFY2(problem.isEmpty() ? refusal.isEmpty() : refusal.contains(problem), qPrintable(refusal));
    const QString stored = "SELECT concat_ws(' ', g.accuracy_mark, g.speed_target, g.coach, g.layout, g.desktop_layout,"
                           " g.weekly_minutes) FROM clavora.class_goals g JOIN clavora.classes c ON c.id = g.class_id"
                           " WHERE c.name = '5a'";
    QCOMPARE(value("admin", stored).toString(), problem.isEmpty() ? "99 40 f  se(nodeadkeys) 60" : "97 20 t Dvorak.kbl  30");
    QCOMPARE(ClassGoalsQuery::write(QSqlDatabase::database("tina"), "5a", fifthA), QString());
}

// Tina teaches 5a, whose goals she set, and learns in 5b, which has none.
void TestClassServer::learnersFollowTheirClassesGoals_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<QString>("goals");
    QTest::newRow("anna: 5a's") << "anna" << "97 20 on Dvorak.kbl 30";
    QTest::newRow("carla: a class without goals") << "carla" << "- - off  -";
    QTest::newRow("tina: not her own class's") << "tina" << "- - off  -";
    QTest::newRow("theo: no class") << "theo" << "- - off  -";
}

void TestClassServer::learnersFollowTheirClassesGoals()
{
    QFETCH(QString, role);
    QFETCH(QString, goals);
    QString problem;
    const std::optional<ClassGoals> followed = ClassGoalsQuery::followed(QSqlDatabase::database(role), &problem);
    QCOMPARE(problem, QString());
    QVERIFY(followed);
    QCOMPARE(goalsText(*followed), goals);
}

// A class of 30 from a spreadsheet's CSV, with its header line; class 6c is new, taught by theo.
void TestClassServer::importingAClass_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QStringList>("said"); // parts of psql's output; none: added
    const auto classOf30 = [](const char* prefix, std::map<int, QByteArray> replaced = {}) {
        QByteArray file = "Login,Full name,Class\n";
        for (int line = 2; line <= 31; ++line)
            file += replaced.contains(line) ? replaced[line] + '\n'
                                            : QString("%1%2,\"Pupil %2, Jr.\",6c\n").arg(prefix).arg(line).toUtf8();
        return file;
    };
    QTest::newRow("a class of 30") << classOf30("pupil") << QStringList();
    QTest::newRow("the same again from a spreadsheet: added once")
        << "\xEF\xBB\xBF" + classOf30("pupil").replace("\n", "\r\n") << QStringList();
    QTest::newRow("bad lines: each named, nothing added")
        << classOf30("bad", {{17, "Bad Pupil,Someone,6c"}, {25, "bad25,Someone,"}, {26, "theo,Theo,6c"}})
        << QStringList {"3 bad line(s), nothing was added", "line 17: the login 'Bad Pupil'", "line 25: the class is missing",
               "line 26: the login 'theo' belongs to a role that is not a learner's"};
    QTest::newRow("a line of too many fields") << classOf30("bad", {{9, "bad9,a,6c,x"}}) << QStringList {"line 9"};
}

void TestClassServer::importingAClass()
{
    QFETCH(QByteArray, file);
    QFETCH(QStringList, said);
    const QString before = fingerprint();
    const QString roles = "SELECT count(*) FROM pg_roles WHERE rolname ~ '^(pupil|bad)'";
    const int rolesBefore = value("admin", roles).toInt();
    QString output;
    const int exitCode = server_.psql({"-d", "clavora", "-v", "teacher=theo", "-f", CLAVORA_CLASS_IMPORT}, &output, file);
    QCOMPARE(exitCode == 0, said.isEmpty());
    for (const QString& part : said)
        QVERIFY2(output.contains(part), qPrintable(output));
    if (!said.isEmpty()) {
        QCOMPARE(fingerprint(), before);
        QCOMPARE(value("admin", roles).toInt(), rolesBefore);
        return;
    }
    QVERIFY2(output.isEmpty(), qPrintable(output));
    QCOMPARE(value("admin", roles).toInt(), 30);
    const QString members = "SELECT count(*) || ' ' || min(l.full_name) FROM clavora.class_members m"
                            " JOIN clavora.classes c ON c.id = m.class_id JOIN clavora.learners l ON l.login = m.learner"
                            " WHERE c.name = '6c' AND c.teacher = 'theo'";
    QCOMPARE(value("admin", members).toString(), "30 Pupil 10, Jr.");
    // A learner of the class connects and sends.
    QVERIFY(server_.connect("pupil2", "pupil2", "clavora").isOpen());
    QCOMPARE(upload("pupil2").sendAttempt(QUuid::createUuid(), attempt("asdf")), QString());
    QSqlDatabase::removeDatabase("pupil2");
}

void TestClassServer::textsAreStoredAsData_data()
{
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("stored");
    const auto row = [](const char* name, const QString& text) { QTest::newRow(name) << text << text; };
    row("quotes", "O'Brien said \"hi\" ''");
    row("backslashes", "C:\\new\\table \\' \\\\");
    row("statement", "'); DROP TABLE clavora.attempts; --");
    row("invalid UTF-8 as read", QString::fromUtf8("\xff\xfe\xc3(a\xed\xa0\x80"));
    row("beyond 16 bits, combining", "x\U0001F600e\u0301\u200f");
    QTest::newRow("NUL") << QString::fromUtf16(u"a\0b", 3) << "a\uFFFDb";
    QTest::newRow("lone surrogate") << QString("a") + QChar(0xD800) + "b" << "a?b";
}

void TestClassServer::textsAreStoredAsData()
{
    QFETCH(QString, sent);
    QFETCH(QString, stored);
    const QUuid id = QUuid::createUuid();
    QCOMPARE(upload("anna").sendAttempt(id, attempt(sent)), QString());
    const QString sql = "SELECT concat_ws('|', preset_file, exercise, typed) FROM clavora.attempts WHERE id = ?";
    QCOMPARE(value("anna", sql, {text(id)}).toString(), QStringList({stored, stored, stored}).join(u'|'));
}

void TestClassServer::sendingAgainStoresOnce()
{
    const QString anna = "anna";
    const QUuid id = QUuid::createUuid();
    QCOMPARE(upload(anna).sendAttempt(id, attempt("first")), QString());
    QCOMPARE(upload(anna).sendAttempt(id, attempt("again")), QString());
    // Another learner's attempt with the same id is theirs, and leaves anna's as it was.
    QCOMPARE(upload("bruno").sendAttempt(id, attempt("bruno")), QString());
    const QString sent = "SELECT string_agg(concat_ws(' ', typed, day, (extract(epoch FROM finished) * 1000)::bigint), ',')"
                         " FROM clavora.attempts WHERE id = ?";
    QCOMPARE(value(anna, sent, {text(id)}).toString(),
        QString("first 2026-03-02 %1").arg(attempt("").finished.toMSecsSinceEpoch()));
    QCOMPARE(value("admin", "SELECT count(*) FROM clavora.attempts WHERE id = ?", {text(id)}).toInt(), 2);

    for (int send = 0; send < 2; ++send)
        QCOMPARE(upload(anna).sendGame(id, game()), QString());
    QCOMPARE(value(anna, "SELECT count(*) FROM clavora.game_letters WHERE game = ?", {text(id)}).toInt(), 1);

    // Totals sent again, late or out of order end at the largest.
    for (const int count : {5, 5, 3, 8, 7})
        QCOMPARE(upload(anna).sendDay(id, day, totals(u'c', count)), QString());
    const QString figures = "SELECT concat_ws(' ', k.count, k.timed_count, k.interval_sum, e.mid_line_edits, e.backspaces)"
                            " FROM clavora.daily_keystrokes k JOIN clavora.daily_line_edits e USING (machine)"
                            " WHERE machine = ?";
    QCOMPARE(value(anna, figures, {text(id)}).toString(), "8 7 2 8 8");
}

// Two machines of one learner sending the same queue at the same moment, an attempt and the
// day's total it raised at a time.
void TestClassServer::twoConnectionsOfOneLearnerSendAtOnce()
{
    constexpr int attempts = 200;
    QList<QUuid> ids;
    for (int i = 0; i < attempts; ++i)
        ids << QUuid::createUuid();
    const QUuid machine = QUuid::createUuid();
    std::latch ready(2);
    QString errors[2];
    const auto send = [&](int sender) {
        const QString name = QString("anna-%1").arg(sender);
        {
            QSqlDatabase connection = server_.connect(name, "anna", "clavora");
            Upload upload(connection);
            ready.arrive_and_wait();
            for (int i = 0; i < attempts && errors[sender].isEmpty(); ++i) {
                errors[sender] = upload.sendAttempt(ids[i], attempt("race"))
                    + upload.sendDay(machine, day, totals(char16_t(u'0' + i % 10), i + 1));
            }
        }
        QSqlDatabase::removeDatabase(name);
    };
    std::thread first(send, 0);
    std::thread second(send, 1);
    first.join();
    second.join();
    QCOMPARE(errors[0], QString());
    QCOMPARE(errors[1], QString());
    QCOMPARE(value("anna", "SELECT count(*) FROM clavora.attempts WHERE typed = 'race'").toInt(), attempts);
    QCOMPARE(value("anna", "SELECT sum(count) FROM clavora.daily_keystrokes WHERE machine = ?", {text(machine)}).toInt(),
        191 + 192 + 193 + 194 + 195 + 196 + 197 + 198 + 199 + 200);
}

void TestClassServer::loadingTheSchemaAgain_data()
{
    QTest::addColumn<int>("version"); // the oldest program's served
    QTest::addColumn<int>("migration");
    QTest::addColumn<bool>("loads");
    QTest::addColumn<int>("state"); // as this program finds it
    QTest::newRow("current: kept as it is") << 1 << 3 << true << int(ClassSchemaVersion::State::Usable);
    QTest::newRow("a later migration that adds: left untouched, still used")
        << 1 << 4 << false << int(ClassSchemaVersion::State::Usable);
    QTest::newRow("a later migration older programs cannot use: nothing sent")
        << 2 << 4 << false << int(ClassSchemaVersion::State::Newer);
}

void TestClassServer::loadingTheSchemaAgain()
{
    QFETCH(int, version);
    QFETCH(int, migration);
    QFETCH(bool, loads);
    QFETCH(int, state);
    QCOMPARE(execute("admin", "UPDATE clavora.schema_version SET version = ?, migration = ?", {version, migration}),
        QString());
    const QString before = fingerprint();
    QString output;
    const int exitCode = server_.psql({"-d", "clavora", "-f", CLAVORA_CLASS_SCHEMA}, &output);
    QCOMPARE(exitCode == 0, loads);
    QCOMPARE(int(ClassSchemaVersion::check(QSqlDatabase::database("anna"))), state);
    QVERIFY2(loads || output.contains("newer than this file"), qPrintable(output));
    QCOMPARE(fingerprint(), before);
    // Learners added since the last load get their connection limit; teachers keep none.
    const QString limits = "SELECT string_agg(rolname || ' ' || rolconnlimit, ', ' ORDER BY rolname) FROM pg_roles"
                           " WHERE rolname IN ('anna', 'tina')";
    if (loads)
        QCOMPARE(value("admin", limits).toString(), "anna 4, tina -1");
    QCOMPARE(execute("admin", "UPDATE clavora.schema_version SET version = 1, migration = 3"), QString());
}

// A school's data request: every row of the learner goes, nobody else's, and their programs
// can no longer log in to send their records back.
void TestClassServer::adminErasesALearner()
{
    for (const char* statement :
         {"CREATE ROLE erik LOGIN IN ROLE clavora_learner", "INSERT INTO clavora.learners (login) VALUES ('erik')",
          "INSERT INTO clavora.class_members (class_id, teacher, learner) SELECT id, teacher, 'erik'"
          " FROM clavora.classes WHERE name = '5a'"})
        QCOMPARE(execute("admin", QLatin1String(statement)), QString());
    QVERIFY(server_.connect("erik", "erik", "clavora").isOpen());
    QCOMPARE(upload("erik").sendAttempt(QUuid::createUuid(), attempt("erik")), QString());
    QCOMPARE(upload("erik").sendGame(QUuid::createUuid(), game()), QString());
    QCOMPARE(upload("erik").sendDay(QUuid::createUuid(), day, totals(u'e', 2)), QString());
    QSqlDatabase::removeDatabase("erik");
    const QString rows = "SELECT string_agg(learner || ' ' || n, ', ' ORDER BY learner) FROM (SELECT learner, count(*)"
                         " AS n FROM (SELECT learner FROM clavora.attempts UNION ALL SELECT learner FROM clavora.games"
                         " UNION ALL SELECT learner FROM clavora.game_letters UNION ALL SELECT learner FROM"
                         " clavora.daily_keystrokes UNION ALL SELECT learner FROM clavora.machine_totals UNION ALL"
                         " SELECT learner FROM clavora.class_members UNION ALL SELECT login FROM clavora.learners) AS r"
                         " GROUP BY learner) AS c";
    const QString before = value("admin", rows).toString();
    QVERIFY2(before.contains("erik"), qPrintable(before));
    QCOMPARE(value("admin", "SELECT clavora.erase_learner('erik')").toLongLong(), 2); // an attempt and a game
    QCOMPARE(value("admin", rows).toString(), QString(before).remove(QRegularExpression(", erik \\d+")));
    QVERIFY(!server_.connect("erik", "erik", "clavora").isOpen());
    QVERIFY(execute("admin", "SELECT clavora.erase_learner('erik')").contains("No learner is called erik"));
}

QTEST_GUILESS_MAIN(TestClassServer)
#include "test_class_server.moc"
