// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalAnswerer.h"
#include "ProgramFolder.h"
#include "app/Hub.h"
#include "history_store/HistoryStore.h"
#include "windows/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace clavora;

class HubTest : public QObject {
    Q_OBJECT
    test::ProgramFolder dir;

    QByteArray settingsFile() const
    {
        QFile file(dir.filePath("Clavora.ini"));
        file.open(QIODevice::ReadOnly);
        return file.readAll();
    }

private slots:
    void startUpColoursTheControlsFromTheSettings()
    {
        dir.writeSettings("[Display]\nWinColour=255\nTextColour=65280\n[KeyLayout]\nShowLayout=0\n");
        Hub hub(dir.paths(), QString());
        hub.start();
        MainWindow& main = hub.mainWindow();
        QCOMPARE(main.palette().color(QPalette::Window), QColor(255, 0, 0));
        for (auto* label : main.findChildren<QLabel*>())
            QCOMPARE(label->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 255, 0));
        for (auto* option : main.findChildren<QRadioButton*>()) {
            QCOMPARE(option->palette().color(QPalette::Window), QColor(255, 0, 0));
            QCOMPARE(option->palette().color(QPalette::Active, QPalette::WindowText), QColor(0, 255, 0));
        }
        QVERIFY(!main.showLayoutChecked());
    }

    void showLayoutIsAppliedLastAndQuickModeSetsTheCaption()
    {
        dir.writeSettings("[KeyLayout]\nShowLayout=1\n[QuickEx]\nExType=1\n");
        Hub hub(dir.paths(), QStringLiteral("/Q"));
        hub.start();
        QVERIFY(hub.mainWindow().showLayoutChecked());
        QTRY_VERIFY(hub.keyboardWindow()); // built once Main has been painted
        QCOMPARE(hub.mainWindow().windowTitle(), QString("Orvella Clavora - Quick Exercises"));
        QVERIFY(hub.mainWindow().control().quickRun());
        QCOMPARE(hub.session().settings().exerciseType, ExerciseType::Random);
    }

    void theEndOfAQuickRunSavesThenShowsTheStreakUntilItClosesItself()
    {
        dir.writeSettings("[KeyLayout]\nShowLayout=0\n[QuickEx]\nExType=1\n");
        {
            HistoryStore store(dir.paths().historyFile());
            for (const int daysBack : {0, 1, 2}) {
                AttemptRecord attempt;
                attempt.finished = QDateTime::currentDateTime().addDays(-daysBack);
                attempt.seconds = 60;
                QVERIFY(store.addAttempt(attempt));
            }
        }
        Hub hub(dir.paths(), QStringLiteral("/q"));
        hub.start();
        QByteArray savedWhileShown;
        test::ModalAnswerer watcher([&](QWidget*) { savedWhileShown = settingsFile(); });
        emit hub.mainWindow().quickRunEnded(); // returns once the box has gone by itself
        QVERIFY(!watcher.seen().empty());
        QCOMPARE(watcher.seen().front().title, QString("Streak"));
        QCOMPARE(watcher.seen().front().text, QString("You have practised 3 days in a row."));
        QVERIFY(savedWhileShown.contains("WeakKeyGame=0")); // only a save writes it: the save came first
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(HubTest)
#include "test_hub.moc"
