// SPDX-License-Identifier: GPL-3.0-or-later
// A learner of a teacher's class opened in the progress views from the class server's rows.
#include "FindControl.h"
#include "PostgresServer.h"
#include "app/LearnerProgress.h"
#include "common/Services.h"
#include "settings/AppSettings.h"
#include "windows/ProgressWindow.h"

#include <QApplication>
#include <QSignalSpy>
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

class TestLearnerProgress : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void aLearnerOpensInTheProgressViews();

private:
    PostgresServer server_;
};

void TestLearnerProgress::initTestCase()
{
    CLAVORA_START_POSTGRES(server_);
    QCOMPARE(server_.loadClassDatabase(CLAVORA_CLASS_SCHEMA), QString());
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QString output;
    const int exitCode = server_.psql({"-d", "clavora", "-v", "ON_ERROR_STOP=1", "-c",
        "CREATE ROLE tina LOGIN IN ROLE clavora_teacher;"
        " INSERT INTO clavora.learners (login, full_name) VALUES ('anna', 'Anna');"
        " INSERT INTO clavora.classes (name, teacher) VALUES ('5a', 'tina');"
        " INSERT INTO clavora.class_members (class_id, teacher, learner)"
        "  SELECT id, teacher, 'anna' FROM clavora.classes;"
        " INSERT INTO clavora.attempts (learner, id, machine, finished, day, kind, quick_run, preset_file,"
        "  exercise_number, exercise, typed, seconds, correct, accuracy, speed, correct_speed, passed)"
        "  SELECT 'anna', gen_random_uuid(), gen_random_uuid(), now(), '" + today + "', 0, false, 'English', n,"
        "  'asdf', 'asdf', 10, 4, 100, 30 + n, 30, true FROM generate_series(1, 3) n"}, &output);
    QVERIFY2(exitCode == 0, qPrintable(output));
}

void TestLearnerProgress::aLearnerOpensInTheProgressViews()
{
    FixedClock clock;
    AppSettings settings;
    auto* learner = new LearnerProgress(server_.connection("tina"), "anna", "Anna", clock, settings, KeyCapTable(), nullptr);
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

QTEST_MAIN(TestLearnerProgress)
#include "test_learner_progress.moc"
