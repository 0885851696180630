// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindControl.h"
#include "ModalAnswerer.h"
#include "ProgramFolder.h"
#include "history_store/HistoryStore.h"
#include "windows/GameWindow.h"
#include "windows/MainWindow.h"
#include "windows/ProgressWindow.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QFileInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

class ProgressOpeningTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ProgramFolder> dir;

private slots:
    void init()
    {
        dir = std::make_unique<ProgramFolder>();
        // Random exercises: the folder holds no exercise files.
        dir->writeSettings("[Exercises]\nExType=1\n[Display]\nWinColour=255\nTextColour=65280\n[KeyLayout]\nShowLayout=0\n");
    }

    void exerciseWindowOpensItWithCtrlPAndStopsTheExercise()
    {
        auto hub = dir->startHub();
        MainWindow& main = hub->mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        findControl<QPushButton>(main, "StartButton")->click();
        QVERIFY(main.control().running());
        QTest::keyClick(main.focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!main.control().running());
        ProgressWindow* progress = hub->progressWindow();
        QVERIFY(progress && progress->isVisible());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Orvella Clavora - Progress"));
        QCOMPARE(progress->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(progress->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        // Once only: a second request brings the same window forward.
        findControl<QPushButton>(main, "ProgressButton")->click();
        QCOMPARE(hub->progressWindow(), progress);
        QVERIFY(progress->form().historyAvailable);
        QVERIFY(QFileInfo::exists(dir->filePath("History.sqlite")));
        // Esc closes it, and a closed window is gone rather than kept hidden.
        QVERIFY(QTest::qWaitForWindowActive(progress));
        QTest::keyClick(progress, Qt::Key_Escape);
        QTRY_VERIFY(!hub->progressWindow());
    }

    void gameWindowOpensItWithCtrlPAndPausesTheGame()
    {
        auto hub = dir->startHub(QStringLiteral("/g"));
        GameWindow* game = hub->gameWindow();
        QVERIFY(game && QTest::qWaitForWindowActive(game));
        findControl<QPushButton>(*game, "StartButton")->click();
        QVERIFY(game->control().running());
        QTest::keyClick(game->focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(game->control().state().paused);
        QVERIFY(hub->progressWindow() && hub->progressWindow()->isVisible());
    }

    // A history in which q is missed half the time, kept before the program starts.
    void seedWeakQ()
    {
        HistoryStore store(dir->filePath("History.sqlite"));
        AttemptRecord record;
        record.finished = QDateTime::currentDateTime();
        record.exercise = record.typed = QStringLiteral("qa");
        record.keystrokes.pairs = {{u'q', u'q', 50, 0, 0}, {u'q', u'w', 50, 0, 0}, {u'a', u'a', 100, 0, 0}};
        QVERIFY(store.addAttempt(record));
    }

    void weakKeyDrillRunsInTheExerciseWindowAndKeepsTheSavedType()
    {
        seedWeakQ();
        dir->writeSettings("[Exercises]\nExType=0\n[KeyLayout]\nShowLayout=0\n");
        auto hub = dir->startHub();
        MainWindow& main = hub->mainWindow();
        hub->openProgress();
        findControl<QPushButton>(*hub->progressWindow(), "WeakKeysButton")->click();
        QVERIFY(main.control().running() && main.control().drilling());
        QVERIFY(findControl<QRadioButton>(main, "RandomExercises")->isChecked());
        const QString line = findControl<QLineEdit>(main, "TypeThis")->text();
        QVERIFY2(line.count(u'q') + line.count(u'w') > line.size() / 2, qPrintable(line));
        QVERIFY(QTest::qWaitForWindowActive(&main)); // brought over the progress window
        QTest::keyClick(main.focusWidget(), Qt::Key_Escape);
        QVERIFY(!main.control().running());
        QVERIFY(findControl<QRadioButton>(main, "PresetExercises")->isChecked());
        QCOMPARE(hub->session().settings().exerciseType, ExerciseType::Preset);
    }

    void weakKeyDrillFromTheGameSwitchesToTheExercises()
    {
        seedWeakQ();
        auto hub = dir->startHub(QStringLiteral("/g"));
        QVERIFY(hub->gameWindow());
        hub->openProgress();
        findControl<QPushButton>(*hub->progressWindow(), "WeakKeysButton")->click();
        QCOMPARE(hub->session().windowInUse(), AppWindow::Main);
        QVERIFY(hub->mainWindow().isVisible() && hub->mainWindow().control().drilling());
    }

    void nothingToDrillSaysSoAndLeavesTheGame()
    {
        auto hub = dir->startHub(QStringLiteral("/g"));
        hub->openProgress();
        ModalAnswerer answerer;
        findControl<QPushButton>(*hub->progressWindow(), "WeakKeysButton")->click();
        QCOMPARE(answerer.seen().size(), std::size_t(1));
        QCOMPARE(answerer.seen()[0].title, QStringLiteral("No Weak Keys Yet"));
        QCOMPARE(hub->session().windowInUse(), AppWindow::Game);
        QVERIFY(hub->gameWindow() && !hub->mainWindow().control().running());
    }

    void recordMyProgressIsSavedInItsOwnSection()
    {
        auto hub = dir->startHub();
        QVERIFY(hub->session().settings().recordProgress); // a file without [History]
        hub->openProgress();
        findControl<QCheckBox>(*hub->progressWindow(), "RecordCheck")->click();
        QVERIFY(!hub->session().settings().recordProgress);
        hub->save();
        QFile file(dir->filePath("Clavora.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString(file.readAll()).remove(u'\r').contains("[History]\nRecord=0\n"));
    }
};

QTEST_MAIN(ProgressOpeningTest)
#include "test_progress_opening.moc"
