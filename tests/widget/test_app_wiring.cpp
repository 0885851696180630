// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"
#include "app/AppWiring.h"
#include "history_store/HistoryStore.h"
#include "windows/MainWindow.h"

#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

using namespace clavora;

class AppWiringTest : public QObject {
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
        AppWiring wiring(dir.paths(), QString());
        wiring.start();
        MainWindow& main = wiring.mainWindow();
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
        AppWiring wiring(dir.paths(), QStringLiteral("/Q"));
        wiring.start();
        QVERIFY(wiring.mainWindow().showLayoutChecked());
        QTRY_VERIFY(wiring.keyboardWindow()); // built once Main has been painted
        QCOMPARE(wiring.mainWindow().windowTitle(), QString("Orvella Clavora - Quick Exercises"));
        QVERIFY(wiring.mainWindow().control().quickRun());
        QCOMPARE(wiring.session().settings().exerciseType, ExerciseType::Random);
    }

    void theEndOfAQuickRunSavesAndCountsTheStreakInTheStore()
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
        AppWiring wiring(dir.paths(), QStringLiteral("/q"));
        wiring.start();
        QCOMPARE(wiring.streak(), 3);
        emit wiring.mainWindow().quickRunEnded(); // ends at once, with no box
        QVERIFY(settingsFile().contains("WeakKeyGame=0")); // only a save writes it
        QVERIFY(!QApplication::activeModalWidget());
    }
};

QTEST_MAIN(AppWiringTest)
#include "test_app_wiring.moc"
