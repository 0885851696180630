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
#include <QTabWidget>
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
        auto wiring = dir->startWiring();
        MainWindow& main = wiring->mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        findControl<QPushButton>(main, "StartButton")->click();
        QVERIFY(main.control().running());
        QTest::keyClick(main.focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(!main.control().running());
        ProgressWindow* progress = wiring->progressWindow();
        QVERIFY(progress && progress->isVisible());
        QCOMPARE(progress->windowTitle(), QStringLiteral("Orvella Clavora - Progress"));
        QCOMPARE(progress->palette().color(QPalette::Window), QColor(255, 0, 0));
        QCOMPARE(progress->palette().color(QPalette::WindowText), QColor(0, 255, 0));
        // Once only: a second request brings the same window forward.
        findControl<QPushButton>(main, "ProgressButton")->click();
        QCOMPARE(wiring->progressWindow(), progress);
        QVERIFY(progress->form().historyAvailable);
        // Nothing recorded yet: shown without making the file.
        QVERIFY(!QFileInfo::exists(dir->filePath("History.sqlite")));
        // Esc closes it; opened again, it is the same window shown afresh.
        QVERIFY(QTest::qWaitForWindowActive(progress));
        QTest::keyClick(progress, Qt::Key_Escape);
        QTRY_VERIFY(!progress->isVisible());
        findControl<QTabWidget>(*progress, "ProgressTabs")->setCurrentIndex(2);
        findControl<QPushButton>(main, "ProgressButton")->click();
        QVERIFY(wiring->progressWindow() == progress && progress->isVisible());
        QCOMPARE(findControl<QTabWidget>(*progress, "ProgressTabs")->currentIndex(), 0);
    }

    void gameWindowOpensItWithCtrlPAndPausesTheGame()
    {
        auto wiring = dir->startWiring(QStringLiteral("/g"));
        GameWindow* game = wiring->gameWindow();
        QVERIFY(game && QTest::qWaitForWindowActive(game));
        findControl<QPushButton>(*game, "StartButton")->click();
        QVERIFY(game->control().running());
        QTest::keyClick(game->focusWidget(), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(game->control().state().paused);
        QVERIFY(wiring->progressWindow() && wiring->progressWindow()->isVisible());
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
        auto wiring = dir->startWiring();
        MainWindow& main = wiring->mainWindow();
        wiring->openProgress();
        findControl<QPushButton>(*wiring->progressWindow(), "WeakKeysButton")->click();
        QVERIFY(main.control().running() && main.control().drilling());
        QVERIFY(findControl<QRadioButton>(main, "RandomExercises")->isChecked());
        const QString line = findControl<QLineEdit>(main, "TypeThis")->text();
        QVERIFY2(line.count(u'q') + line.count(u'w') > line.size() / 2, qPrintable(line));
        QVERIFY(QTest::qWaitForWindowActive(&main)); // brought over the progress window
        QTest::keyClick(main.focusWidget(), Qt::Key_Escape);
        QVERIFY(!main.control().running());
        QVERIFY(findControl<QRadioButton>(main, "PresetExercises")->isChecked());
        QCOMPARE(wiring->session().settings().exerciseType, ExerciseType::Preset);
    }

    void weakKeyDrillFromTheGameSwitchesToTheExercises()
    {
        seedWeakQ();
        auto wiring = dir->startWiring(QStringLiteral("/g"));
        QVERIFY(wiring->gameWindow());
        wiring->openProgress();
        findControl<QPushButton>(*wiring->progressWindow(), "WeakKeysButton")->click();
        QCOMPARE(wiring->session().windowInUse(), AppWindow::Main);
        QVERIFY(wiring->mainWindow().isVisible() && wiring->mainWindow().control().drilling());
    }

    void nothingToDrillSaysSoAndLeavesTheGame()
    {
        auto wiring = dir->startWiring(QStringLiteral("/g"));
        wiring->openProgress();
        ModalAnswerer answerer;
        findControl<QPushButton>(*wiring->progressWindow(), "WeakKeysButton")->click();
        QCOMPARE(answerer.seen().size(), std::size_t(1));
        QCOMPARE(answerer.seen()[0].title, QStringLiteral("No Weak Keys Yet"));
        QCOMPARE(wiring->session().windowInUse(), AppWindow::Game);
        QVERIFY(wiring->gameWindow() && !wiring->mainWindow().control().running());
    }

    void recordMyProgressIsSavedInItsOwnSection()
    {
        auto wiring = dir->startWiring();
        QVERIFY(wiring->session().settings().recordProgress); // a file without [History]
        wiring->openProgress();
        findControl<QCheckBox>(*wiring->progressWindow(), "RecordCheck")->click();
        QVERIFY(!wiring->session().settings().recordProgress);
        wiring->save(FailureNotice::Box);
        QFile file(dir->filePath("Clavora.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString(file.readAll()).remove(u'\r').contains("[History]\nRecord=0\n"));
    }
};

QTEST_MAIN(ProgressOpeningTest)
#include "test_progress_opening.moc"
