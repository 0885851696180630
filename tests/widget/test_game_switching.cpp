// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindControl.h"
#include "ProgramFolder.h"
#include "app/Hub.h"
#include "settings/ProfileFile.h"
#include "windows/GameWindow.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

// The hub carries out the switches between the exercise window and the game window.
class GameSwitchingTest : public QObject {
    Q_OBJECT
    ProgramFolder dir;

private slots:
    void keyboardRightBelowFollowsAndTheStartLevelIsKept()
    {
        dir.writeSettings("[Game]\nStartLevel=9\n[KeyLayout]\nShowLayout=1\n");
        auto hub = dir.startHub();
        MainWindow& main = hub->mainWindow();
        QTRY_VERIFY(hub->keyboardWindow()); // built once Main has been painted
        QWidget* keyboard = hub->keyboardWindow();
        keyboard->move(keyboard->x(), main.frameGeometry().bottom() + 1);
        QTest::mouseClick(findControl<QPushButton>(main, "GameButton"), Qt::LeftButton);
        GameWindow* game = hub->gameWindow();
        QVERIFY(game->showLayoutChecked());
        QCOMPARE(findControl<QLineEdit>(*game, "StartLevel")->text(), QString("9"));
        QCOMPARE(keyboard->y(), game->frameGeometry().bottom() + 1);

        keyboard->move(keyboard->x(), keyboard->y() + 7); // dragged away: it stays
        const int dragged = keyboard->y();
        findControl<QLineEdit>(*game, "StartLevel")->setText("17");
        QTest::mouseClick(findControl<QPushButton>(*game, "GameButton"), Qt::LeftButton);
        QCOMPARE(keyboard->y(), dragged);
        QVERIFY(main.isVisible() && hub->session().windowInUse() == AppWindow::Main);
        QCOMPARE(hub->session().settings().gameStartLevel, std::int16_t(17));
        QTRY_VERIFY(!hub->gameWindow());
    }

    void gameFirstTakesTheSavedKeyboardBoxAndItsCloseSavesItsPlace()
    {
        dir.writeSettings("[KeyLayout]\nShowLayout=1\n");
        auto hub = dir.startHub("/G");
        GameWindow* game = hub->gameWindow();
        QVERIFY(game && game->isVisible() && !hub->mainWindow().isVisible());
        QVERIFY(game->showLayoutChecked());
        QTRY_VERIFY(hub->keyboardWindow());

        game->move(90, 120);
        game->close();
        const ProfileFile saved(dir.filePath("Clavora.ini"));
        QCOMPARE(saved.readString("Display", "WinX", ""), QString("1350"));
        QCOMPARE(saved.readString("Display", "WinY", ""), QString("1800"));
        QCOMPARE(saved.readString("KeyLayout", "ShowLayout", ""), QString("1"));
    }
};

QTEST_MAIN(GameSwitchingTest)
#include "test_game_switching.moc"
