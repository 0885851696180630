// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramFolder.h"
#include "app/Hub.h"
#include "settings/ProfileFile.h"
#include "windows/GameWindow.h"
#include "windows/MainWindow.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace clavora;

// Switching between the exercise window and the game window through the hub.
class GameSwitchingTest : public QObject {
    Q_OBJECT
    test::ProgramFolder dir;

    static QPushButton* button(QWidget* window, const QString& caption)
    {
        for (auto* b : window->findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

private slots:
    void keyboardRightBelowFollowsAndTheStartLevelIsKept()
    {
        dir.writeSettings("[Game]\nStartLevel=9\n[KeyLayout]\nShowLayout=1\n");
        Hub hub(dir.paths(), QString());
        hub.start();
        MainWindow& main = hub.mainWindow();
        QWidget* keyboard = hub.keyboardWindow();
        QVERIFY(keyboard);
        keyboard->move(keyboard->x(), main.frameGeometry().bottom() + 1);
        QTest::mouseClick(button(&main, "&Game"), Qt::LeftButton);
        GameWindow* game = hub.gameWindow();
        QVERIFY(game->showLayoutChecked());
        QCOMPARE(game->findChild<QLineEdit*>()->text(), QString("9"));
        QCOMPARE(keyboard->y(), game->frameGeometry().bottom() + 1);

        keyboard->move(keyboard->x(), keyboard->y() + 7); // dragged away: it stays
        const int dragged = keyboard->y();
        game->findChild<QLineEdit*>()->setText("17");
        QTest::mouseClick(button(game, "E&xercises"), Qt::LeftButton);
        QCOMPARE(keyboard->y(), dragged);
        QVERIFY(main.isVisible() && !hub.settings().GameLoaded);
        QCOMPARE(hub.settings().GameStartLevel, std::int16_t(17));
        QTRY_VERIFY(!hub.gameWindow());
    }

    void gameFirstTakesTheSavedKeyboardBoxAndItsCloseSavesItsPlace()
    {
        dir.writeSettings("[KeyLayout]\nShowLayout=1\n");
        Hub hub(dir.paths(), QStringLiteral("/G"));
        hub.start();
        GameWindow* game = hub.gameWindow();
        QVERIFY(game && game->isVisible() && !hub.mainWindow().isVisible());
        QVERIFY(game->showLayoutChecked() && hub.mainWindow().showLayoutChecked());
        QVERIFY(hub.keyboardWindow());

        game->move(90, 120);
        game->close();
        const ProfileFile saved(dir.filePath("Clavora.ini"));
        QCOMPARE(saved.readString("Display", "WinX", ""), QString("1350"));
        QCOMPARE(saved.readString("Display", "WinY", ""), QString("1800"));
    }
};

QTEST_MAIN(GameSwitchingTest)
#include "tst_game_switching.moc"
