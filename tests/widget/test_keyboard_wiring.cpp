// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"
#include "app/AppWiring.h"
#include "windows/GameWindow.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"

#include <QAction>
#include <QPointer>
#include <QTest>

using namespace clavora;

class KeyboardWiringTest : public QObject {
    Q_OBJECT
    test::ProgramFolder dir;

    static QPoint belowOf(const QWidget& owner, int offsetPixels)
    {
        return {owner.x() + offsetPixels, owner.y() + owner.frameGeometry().height() + 8}; // 120 twips
    }

private slots:
    void initTestCase()
    {
        QDir().mkpath(dir.filePath("Layouts"));
        QFile::copy(qEnvironmentVariable("CLAVORA_DATA") + "/Layouts/QWERTY - United States.kbl",
                    dir.filePath("Layouts/QWERTY - United States.kbl"));
    }

    void mainsBoxOpensTheKeyboardBelowMainAndItsCloseUnticksTheBox()
    {
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\nWinColour=255\nTextColour=65280\n[KeyLayout]\nShowLayout=0\n");
        auto wiring = dir.startWiring({});
        MainWindow& main = wiring->mainWindow();
        QVERIFY(!wiring->keyboardWindow());
        main.setShowLayoutChecked(true);
        QTRY_VERIFY(wiring->keyboardWindow()); // built once Main has been painted
        QPointer<KeyboardWindow> keyboard = wiring->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        QTRY_COMPARE(keyboard->pos(), belowOf(main, 33)); // 495 twips
        QCOMPARE(keyboard->control().form().windowColour, Rgb(255));
        QCOMPARE(keyboard->control().form().textColour, Rgb(65280));

        keyboard->close(); // unticks the box, whose handling asks for a close again: no effect
        QVERIFY(!main.showLayoutChecked());
        QVERIFY(!wiring->keyboardWindow());
        QTRY_VERIFY(!keyboard);

        main.setShowLayoutChecked(true);
        QTRY_VERIFY(wiring->keyboardWindow());
        keyboard = wiring->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        main.setShowLayoutChecked(false);
        QVERIFY(!wiring->keyboardWindow());
        QTRY_VERIFY(!keyboard);
    }

    void besideTheGameItStandsBelowTheGameAndUnticksItsBox()
    {
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=0\n");
        auto wiring = dir.startWiring("/g");
        GameWindow* game = wiring->gameWindow();
        QVERIFY(game);
        game->setShowLayoutChecked(true);
        QTRY_VERIFY(wiring->keyboardWindow());
        QWidget* keyboard = wiring->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        QTRY_COMPARE(keyboard->pos(), belowOf(*game, 23)); // 345 twips
        keyboard->close();
        QVERIFY(!game->showLayoutChecked());
        QVERIFY(!wiring->keyboardWindow());
    }

    void anotherModeWithKStillTreatsTheKeyboardAsAHelperWindow()
    {
        // "/k /q" runs quick exercises: closing the keyboard must not end that run unsaved.
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=1\n[QuickEx]\nExType=1\n");
        auto wiring = dir.startWiring("/k /q");
        QVERIFY(wiring->mainWindow().isVisible());
        QTRY_VERIFY(wiring->keyboardWindow());
        QWidget* keyboard = wiring->keyboardWindow();
        QTRY_COMPARE(keyboard->pos(), belowOf(wiring->mainWindow(), 33));
        keyboard->close();
        QVERIFY(!wiring->mainWindow().showLayoutChecked());
        QVERIFY(wiring->mainWindow().control().quickRun());
    }

    void weakKeysShownAreSavedAndAKeyboardAloneHasNoHistoryToShow()
    {
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=1\n");
        auto wiring = dir.startWiring({});
        QTRY_VERIFY(wiring->keyboardWindow());
        auto* entry = wiring->keyboardWindow()->findChild<QAction*>("ShowWeakKeys");
        QVERIFY(entry && entry->isEnabled() && !entry->isChecked());
        entry->trigger();
        wiring->save(FailureNotice::Box);
        QFile file(dir.filePath("Clavora.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString(file.readAll()).remove(u'\r').contains("[History]\nRecord=1\nShowWeakKeys=1\n"));
        wiring.reset();

        wiring = dir.startWiring("/k"); // the saved choice, without a store to show it from
        QVERIFY(wiring->keyboardWindow());
        entry = wiring->keyboardWindow()->findChild<QAction*>("ShowWeakKeys");
        QVERIFY(!entry->isEnabled() && !entry->isChecked());
        QVERIFY(wiring->session().settings().showWeakKeys);
    }
};

QTEST_MAIN(KeyboardWiringTest)
#include "test_keyboard_wiring.moc"
