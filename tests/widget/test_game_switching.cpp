// SPDX-License-Identifier: GPL-3.0-or-later
#include "FindControl.h"
#include "ProgramFolder.h"
#include "app/AppWiring.h"
#include "settings/ProfileFile.h"
#include "windows/GameWindow.h"
#include "windows/KeyboardWindow.h"
#include "windows/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

// The app wiring carries out the switches between the exercise window and the game window.
class GameSwitchingTest : public QObject {
    Q_OBJECT
    ProgramFolder dir;

private slots:
    void keyboardRightBelowFollowsAndTheStartLevelIsKept()
    {
        dir.writeSettings("[Game]\nStartLevel=9\n[KeyLayout]\nShowLayout=1\n");
        auto wiring = dir.startWiring();
        MainWindow& main = wiring->mainWindow();
        QTRY_VERIFY(wiring->keyboardWindow()); // built once Main has been painted
        QWidget* keyboard = wiring->keyboardWindow();
        keyboard->move(keyboard->x(), main.frameGeometry().bottom() + 1);
        QTest::mouseClick(findControl<QPushButton>(main, "GameButton"), Qt::LeftButton);
        GameWindow* game = wiring->gameWindow();
        QVERIFY(game->showLayoutChecked());
        QCOMPARE(findControl<QLineEdit>(*game, "StartLevel")->text(), QString("9"));
        QCOMPARE(keyboard->y(), game->frameGeometry().bottom() + 1);

        keyboard->move(keyboard->x(), keyboard->y() + 7); // dragged away: it stays
        const int dragged = keyboard->y();
        findControl<QLineEdit>(*game, "StartLevel")->setText("17");
        QTest::mouseClick(findControl<QPushButton>(*game, "GameButton"), Qt::LeftButton);
        QCOMPARE(keyboard->y(), dragged);
        QVERIFY(main.isVisible() && wiring->session().windowInUse() == AppWindow::Main);
        QCOMPARE(wiring->session().settings().gameStartLevel, std::int16_t(17));
        QTRY_VERIFY(!wiring->gameWindow());
    }

    void gameFirstTakesTheSavedKeyboardBoxAndItsCloseSavesItsPlace()
    {
        dir.writeSettings("[KeyLayout]\nShowLayout=1\n");
        auto wiring = dir.startWiring("/G");
        GameWindow* game = wiring->gameWindow();
        QVERIFY(game && game->isVisible() && !wiring->mainWindow().isVisible());
        QVERIFY(game->showLayoutChecked());
        QTRY_VERIFY(wiring->keyboardWindow());

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
