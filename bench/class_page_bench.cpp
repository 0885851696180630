// SPDX-License-Identifier: GPL-3.0-or-later
// The teacher's Class page on a class of 300 learners with a year of practice each, on a
// private PostgreSQL server: the time of the server's answer (connecting, the role, the
// rows) and of the page from asking until its 300 rows are painted. Prints the median and
// the slowest of ten runs. Needs PostgreSQL's server and Qt's QPSQL driver.
#include "../tests/class/PostgresServer.h"
#include "class/ClassConnection.h"
#include "class/ClassRosterLoader.h"
#include "class/ClassRosterQuery.h"
#include "history/NoHistory.h"
#include "windows/ProgressWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTableView>
#include <algorithm>
#include <cstdio>

using namespace clavora;

namespace {

constexpr int Learners = 300;
constexpr int Runs = 10;
const QDate Today(2026, 12, 7);

// Ten attempts and thirty key pairs (the alphabet and the blank right, three of them wrong)
// a day for a year, for each learner, in ten classes of thirty.
const char* const Setup[] = {
    "CREATE ROLE tina LOGIN IN ROLE clavora_teacher",
    "INSERT INTO clavora.learners (login, full_name)"
    " SELECT 'learner' || n, 'Learner ' || n FROM generate_series(1, 300) n",
    "INSERT INTO clavora.classes (name, teacher) SELECT 'class ' || n, 'tina' FROM generate_series(1, 10) n",
    "INSERT INTO clavora.class_members (class_id, teacher, learner)"
    " SELECT c.id, 'tina', 'learner' || ((c.id - 1) * 30 + n) FROM clavora.classes c, generate_series(1, 30) n",
    "INSERT INTO clavora.attempts (learner, id, machine, finished, day, kind, quick_run, preset_file, exercise_number,"
    " exercise, typed, seconds, correct, accuracy, speed, correct_speed, passed)"
    " SELECT 'learner' || l, gen_random_uuid(), '0d9a4f43-5a3e-4c55-8f0e-6c1b2a7d9e10', d + time '12:00', d, 0, false, 'English', a,"
    " 'the quick brown fox', 'the quick brown fox', 20 + random() * 20, 19, 80 + (random() * 20)::int,"
    " 20 + (random() * 40)::int, 20 + (random() * 30)::int, true"
    " FROM generate_series(1, 300) l, generate_series(date '2026-12-07' - 364, date '2026-12-07', '1 day') d,"
    " generate_series(1, 10) a",
    "INSERT INTO clavora.daily_keystrokes (learner, day, machine, expected, struck, count, timed_count, interval_sum)"
    " SELECT 'learner' || l, d, '0d9a4f43-5a3e-4c55-8f0e-6c1b2a7d9e10', k, k, 10 + (random() * 30)::int, 10, 2.5"
    " FROM generate_series(1, 300) l, generate_series(date '2026-12-07' - 364, date '2026-12-07', '1 day') d,"
    " unnest(array[32] || array(SELECT generate_series(97, 122))) k",
    "INSERT INTO clavora.daily_keystrokes (learner, day, machine, expected, struck, count, timed_count, interval_sum)"
    " SELECT 'learner' || l, d, '0d9a4f43-5a3e-4c55-8f0e-6c1b2a7d9e10', 97 + (l + e) % 26, 96, 1 + (random() * 5)::int,"
    " 1, 0.25 FROM generate_series(1, 300) l, generate_series(date '2026-12-07' - 364, date '2026-12-07', '1 day') d,"
    " generate_series(1, 3) e",
    // What autovacuum will have done over the year: the index-only reads need the visibility map.
    "VACUUM ANALYZE",
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void report(const char* what, const std::vector<double>& milliseconds)
{
    std::printf("%-58s median %6.1f ms, slowest %6.1f ms\n", what, median(milliseconds),
                *std::max_element(milliseconds.begin(), milliseconds.end()));
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    test::PostgresServer server;
    bool missing = false;
    if (const QString problem = server.start(&missing); !problem.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        return missing ? 0 : 1;
    }
    QElapsedTimer clock;
    clock.start();
    if (const QString failure = server.loadClassDatabase(CLAVORA_CLASS_SCHEMA); !failure.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(failure));
        return 1;
    }
    QString output;
    for (const char* statement : Setup) {
        if (server.psql({"-d", "clavora", "-v", "ON_ERROR_STOP=1", "-c", statement}, &output) != 0) {
            std::fprintf(stderr, "%s\n%s\n", statement, qPrintable(output));
            return 1;
        }
    }
    server.psql({"-d", "clavora", "-At", "-c",
                 "SELECT (SELECT count(*) FROM clavora.attempts) || ' attempts, ' ||"
                 " (SELECT count(*) FROM clavora.daily_keystrokes) || ' key figures'"},
                &output);
    std::printf("%d learners: %s made in %.0f s\n", Learners, qPrintable(output.trimmed()), clock.elapsed() / 1000.0);

    const QString teacher = server.connection("tina");
    std::vector<double> answer, page;
    for (int run = 0; run < Runs; ++run) {
        clock.restart();
        ClassRoster roster;
        ClassConnection::use(teacher, [&](const QSqlDatabase& connection) {
            if (ClassRosterQuery::teaches(connection))
                roster = ClassRosterQuery::read(connection, Today);
        });
        if (roster.learners.size() != std::size_t(Learners)) {
            std::fprintf(stderr, "%zu learners: %s\n", roster.learners.size(), qPrintable(roster.problem));
            return 1;
        }
        answer.push_back(clock.nsecsElapsed() / 1e6);
    }
    report("server's answer: connect, role, 300 rows", answer);

    NoHistory history;
    ProgressWindow window(history, history, false, QString());
    ClassRosterLoader roster;
    window.setRosterSource(&roster);
    window.show();
    auto* table = window.findChild<QTableView*>("ClassTable");
    for (int run = 0; run < Runs; ++run) {
        window.setClassServer(QString());
        application.processEvents();
        clock.restart();
        window.setClassServer(teacher);
        // Waiting without spinning, which would take a core from the server on a small machine.
        while (table->model()->rowCount() != Learners || !table->isVisible()) {
            if (!table->isVisible())
                window.findChild<QTabWidget*>("ProgressTabs")->setCurrentWidget(table->parentWidget());
            if (table->model()->rowCount() != Learners)
                application.processEvents(QEventLoop::WaitForMoreEvents);
        }
        window.repaint();
        page.push_back(clock.nsecsElapsed() / 1e6);
    }
    report("Class page: asked until its 300 rows are painted", page);
    // To look at the page: CLASS_PAGE_PICTURE names a PNG file.
    if (const QString picture = qEnvironmentVariable("CLASS_PAGE_PICTURE"); !picture.isEmpty())
        window.grab().save(picture);
    return 0;
}
