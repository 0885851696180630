// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"
#include "app/Hub.h"
#include "windows/GameWindow.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"

#include <QAction>
#include <QPointer>
#include <QTest>

using namespace clavora;

class KeyboardHubTest : public QObject {
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
        auto hub = dir.startHub({});
        MainWindow& main = hub->mainWindow();
        QVERIFY(!hub->keyboardWindow());
        main.setShowLayoutChecked(true);
        QTRY_VERIFY(hub->keyboardWindow()); // built once Main has been painted
        QPointer<KeyboardWindow> keyboard = hub->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        QTRY_COMPARE(keyboard->pos(), belowOf(main, 33)); // 495 twips
        QCOMPARE(keyboard->control().form().backColour, Rgb(255));
        QCOMPARE(keyboard->control().form().foreColour, Rgb(65280));

        keyboard->close(); // unticks the box, whose handling asks for a close again: no effect
        QVERIFY(!main.showLayoutChecked());
        QVERIFY(!hub->keyboardWindow());
        QTRY_VERIFY(!keyboard);

        main.setShowLayoutChecked(true);
        QTRY_VERIFY(hub->keyboardWindow());
        keyboard = hub->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        main.setShowLayoutChecked(false);
        QVERIFY(!hub->keyboardWindow());
        QTRY_VERIFY(!keyboard);
    }

    void besideTheGameItStandsBelowTheGameAndUnticksItsBox()
    {
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=0\n");
        auto hub = dir.startHub("/g");
        GameWindow* game = hub->gameWindow();
        QVERIFY(game);
        game->setShowLayoutChecked(true);
        QTRY_VERIFY(hub->keyboardWindow());
        QWidget* keyboard = hub->keyboardWindow();
        QTRY_VERIFY(keyboard->isVisible());
        QTRY_COMPARE(keyboard->pos(), belowOf(*game, 23)); // 345 twips
        keyboard->close();
        QVERIFY(!game->showLayoutChecked());
        QVERIFY(!hub->keyboardWindow());
    }

    void anotherModeWithKStillTreatsTheKeyboardAsAHelperWindow()
    {
        // "/k /q" runs quick exercises: closing the keyboard must not end that run unsaved.
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=1\n[QuickEx]\nExType=1\n");
        auto hub = dir.startHub("/k /q");
        QVERIFY(hub->mainWindow().isVisible());
        QTRY_VERIFY(hub->keyboardWindow());
        QWidget* keyboard = hub->keyboardWindow();
        QTRY_COMPARE(keyboard->pos(), belowOf(hub->mainWindow(), 33));
        keyboard->close();
        QVERIFY(!hub->mainWindow().showLayoutChecked());
        QVERIFY(hub->mainWindow().control().quickRun());
    }

    void weakKeysShownAreSavedAndAKeyboardAloneHasNoHistoryToShow()
    {
        dir.writeSettings("[Display]\nWinX=1500\nWinY=1500\n[KeyLayout]\nShowLayout=1\n");
        auto hub = dir.startHub({});
        QTRY_VERIFY(hub->keyboardWindow());
        auto* entry = hub->keyboardWindow()->findChild<QAction*>("ShowWeakKeys");
        QVERIFY(entry && entry->isEnabled() && !entry->isChecked());
        entry->trigger();
        hub->save();
        QFile file(dir.filePath("Clavora.ini"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(QString(file.readAll()).remove(u'\r').contains("[History]\nRecord=1\nShowWeakKeys=1\n"));
        hub.reset();

        hub = dir.startHub("/k"); // the saved choice, without a store to show it from
        QVERIFY(hub->keyboardWindow());
        entry = hub->keyboardWindow()->findChild<QAction*>("ShowWeakKeys");
        QVERIFY(!entry->isEnabled() && !entry->isChecked());
        QVERIFY(hub->session().settings().showWeakKeys);
    }
};

QTEST_MAIN(KeyboardHubTest)
#include "test_keyboard_hub.moc"
