// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window against a real class server: the Class page only for a teacher, and a
// learner of the class opened in the progress views from the server's rows.
#include "FindControl.h"
#include "PostgresServer.h"
#include "app/LearnerProgress.h"
#include "common/Services.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"
#include "windows/ProgressWindow.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

namespace {

class FixedClock final : public Clock {
public:
    double secondsSinceMidnight() const override { return 43200; }
    QDateTime localDateTime() const override { return QDateTime(QDate::currentDate(), QTime(12, 0)); }
};

} // namespace

class TestClassPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void onlyATeacherHasTheClassPage_data();
    void onlyATeacherHasTheClassPage();
    void aLearnerOpensInTheProgressViews();

private:
    PostgresServer server_;
};

void TestClassPage::initTestCase()
{
    bool missing = false;
    const QString problem = server_.start(&missing);
    if (missing)
        QSKIP(qPrintable(problem));
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    QCOMPARE(server_.loadClassDatabase(CLAVORA_CLASS_SCHEMA), QString());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QString output;
    const int exitCode = server_.psql({"-d", "clavora", "-v", "ON_ERROR_STOP=1", "-c",
        "CREATE ROLE anna LOGIN IN ROLE clavora_learner; CREATE ROLE tina LOGIN IN ROLE clavora_teacher;"
        " INSERT INTO clavora.learners (login, full_name) VALUES ('anna', 'Anna'), ('bruno', '');"
        " INSERT INTO clavora.classes (name, teacher) VALUES ('5a', 'tina');"
        " INSERT INTO clavora.class_members (class_id, teacher, learner)"
        "  SELECT id, teacher, unnest(ARRAY['anna', 'bruno']) FROM clavora.classes;"
        " INSERT INTO clavora.attempts (learner, id, machine, finished, day, kind, quick_run, preset_file,"
        "  exercise_number, exercise, typed, seconds, correct, accuracy, speed, correct_speed, passed)"
        "  SELECT 'anna', gen_random_uuid(), gen_random_uuid(), now(), '" + today + "', 0, false, 'English', n,"
        "  'asdf', 'asdf', 10, 4, 100, 30 + n, 30, true FROM generate_series(1, 3) n"}, &output);
    QVERIFY2(exitCode == 0, qPrintable(output));
}

void TestClassPage::onlyATeacherHasTheClassPage_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<int>("learners"); // -1: no Class page
    QTest::newRow("teacher") << "tina" << 2;
    QTest::newRow("learner") << "anna" << -1;
}

void TestClassPage::onlyATeacherHasTheClassPage()
{
    QFETCH(QString, role);
    QFETCH(int, learners);
    NoHistory history;
    ProgressWindow window(history, history, true, QString());
    window.show();
    auto* tabs = findControl<QTabWidget>(window, "ProgressTabs");
    const int pages = tabs->count();
    window.setClassServer(server_.connection(role));
    auto* table = findControl<QTableWidget>(window, "ClassTable");
    QTRY_VERIFY(!window.classPageForm().loading);
    if (learners < 0) {
        QCOMPARE(tabs->count(), pages);
        return;
    }
    QCOMPARE(tabs->count(), pages + 1);
    QCOMPARE(table->rowCount(), learners);
    QCOMPARE(table->item(0, 0)->text(), "Anna");
    QCOMPARE(table->item(0, 4)->data(Qt::DisplayRole).toInt(), 3); // attempts this week
    window.setClassServer(QString()); // leaving the class
    QCOMPARE(tabs->count(), pages);
}

void TestClassPage::aLearnerOpensInTheProgressViews()
{
    FixedClock clock;
    AppSettings settings;
    auto* learner = new LearnerProgress(server_.connection("tina"), "anna", "Anna", clock, settings, QString(), nullptr);
    QSignalSpy opened(learner, &LearnerProgress::opened);
    QTRY_COMPARE(opened.count(), 1);
    QCOMPARE(opened[0][1].toString(), QString());
    ProgressWindow* window = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        window = window ? window : qobject_cast<ProgressWindow*>(widget);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), "Progress of Anna");
    QCOMPARE(window->form().days.size(), 1u);
    QCOMPARE(window->form().days[0].attempts, 3);
    QVERIFY(!findControl<QWidget>(*window, "RecordCheck")->isVisible());
    QSignalSpy ended(learner, &QObject::destroyed);
    window->close();
    QTRY_COMPARE(ended.count(), 1);
}

QTEST_MAIN(TestClassPage)
#include "test_class_page.moc"
