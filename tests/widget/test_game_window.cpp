// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "FindControl.h"
#include "game/GameControl.h"
#include "game/GameForm.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"
#include "windows/GameWindow.h"
#include "windows/KeyCapture.h"
#include "windows/PlayArea.h"

#include <QCheckBox>
#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace clavora;
using namespace clavora::test;

// The game window on a fake clock, with "a" as the only allowed key.
class GameWindowTest : public QObject {
    Q_OBJECT
    AppSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeBeep beep;
    NoHistory history;
    std::unique_ptr<GameWindow> window;

    QLineEdit* startLevel() { return findControl<QLineEdit>(*window, "StartLevel"); }
    KeyCapture* keyCapture() { return findControl<KeyCapture>(*window, "KeyCapture"); }
    PlayArea* playArea() { return findControl<PlayArea>(*window, "Frame"); }
    QString label(const char* name) { return findControl<QLabel>(*window, name)->text(); }
    QPushButton* button(const char* name) { return findControl<QPushButton>(*window, name); }
    // Lets the game's timer tick at the fake clock's new time.
    void tickAt(double now)
    {
        clock.now = now;
        QSignalSpy ticks(findControl<QTimer>(*window, "GameTimer"), &QTimer::timeout);
        QTRY_VERIFY(!ticks.isEmpty());
    }

private slots:
    void init()
    {
        settings = {};
        settings.lowerCase = false;
        settings.space = false;
        settings.custom = true;
        settings.customKeys = QStringLiteral("a");
        settings.gameStartLevel = 5000;
        settings.textColour = rgb(0, 0, 255);
        clock.now = 1000.0;
        random.fallback = 0.5;
        window = std::make_unique<GameWindow>(settings, clock, random, beep, history, history);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void altSValidatesTheBoxAndTheTypedKeysScore()
    {
        QCOMPARE(QApplication::focusWidget(), startLevel());
        QCOMPARE(startLevel()->text(), QString("5000"));
        QTest::keyClick(startLevel(), Qt::Key_S, Qt::AltModifier); // leaves the box, then clicks Start
        QVERIFY(window->control().running());
        QCOMPARE(startLevel()->text(), QString("1"));
        QCOMPARE(label("LevelLabel"), QString("Level: 1"));
        QCOMPARE(QApplication::focusWidget(), keyCapture());

        tickAt(1001.125);
        QTest::keyClick(keyCapture(), 'a');
        QCOMPARE(label("ScoreLabel"), QString("Score: 10"));
        QTest::keyClick(keyCapture(), Qt::Key_Tab); // a typed character that no letter carries
        QCOMPARE(label("ScoreLabel"), QString("Score: 0"));
        QCOMPARE(QApplication::focusWidget(), keyCapture());
        QCOMPARE(window->control().state().letterSlots[1].character, QChar(u'a'));
    }

    void weakKeysIsTheSettingAndIsSetBetweenGames()
    {
        auto* weakKeys = findControl<QCheckBox>(*window, "WeakKeys");
        QVERIFY(!weakKeys->isChecked());
        QTest::keyClick(window.get(), Qt::Key_W, Qt::AltModifier);
        QTRY_VERIFY(settings.weakKeyGame);
        QVERIFY(weakKeys->isChecked());
        QTest::keyClick(startLevel(), Qt::Key_S, Qt::AltModifier);
        QVERIFY(!weakKeys->isEnabled());
        // This window has no history: the usual keys, and the notice says why.
        QCOMPARE(label("AdvanceLabel"), gameText(NoWeakKeysNotice));
        QCOMPARE(window->control().state().allowedKeys, QString("a"));
        button("StopButton")->click();
        QVERIFY(weakKeys->isEnabled());
        QTest::mouseClick(weakKeys, Qt::LeftButton);
        QVERIFY(!settings.weakKeyGame);

        settings.weakKeyGame = true;
        GameWindow reopened(settings, clock, random, beep, history, history);
        QVERIFY(findControl<QCheckBox>(reopened, "WeakKeys")->isChecked());
    }

    void enterOnTheFocusedStartButtonStartsAgain()
    {
        QTest::mouseClick(button("StartButton"), Qt::LeftButton);
        button("StopButton")->click();
        QVERIFY(!window->control().running());
        QCOMPARE(QApplication::focusWidget(), button("StartButton"));
        QTest::keyClick(button("StartButton"), Qt::Key_Return);
        QVERIFY(window->control().running());
    }

    void shiftTabIsAMissAndDeleteIsNoKey()
    {
        QTest::mouseClick(button("StartButton"), Qt::LeftButton);
        tickAt(1001.125);
        QTest::keyClick(keyCapture(), 'a');
        QCOMPARE(label("ScoreLabel"), QString("Score: 10"));
        QKeyEvent deletePress(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(keyCapture(), &deletePress);
        QCOMPARE(label("ScoreLabel"), QString("Score: 10"));
        QTest::keyClick(keyCapture(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(label("ScoreLabel"), QString("Score: 0"));
        QCOMPARE(QApplication::focusWidget(), keyCapture());
    }

    void focusReturnsToTheGameWhileItRuns()
    {
        QTest::mouseClick(button("StartButton"), Qt::LeftButton);
        QTest::mouseClick(startLevel(), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), keyCapture());
        QTest::mouseClick(playArea(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), keyCapture());

        QTest::keyClick(keyCapture(), Qt::Key_Escape);
        QVERIFY(window->control().state().paused);
        QCOMPARE(label("AdvanceLabel"), QString("Game paused.  Press ALT and P to unpause the game."));
        QTest::mouseClick(startLevel(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), startLevel()); // read-only while paused
        QVERIFY(startLevel()->isReadOnly());
        QTest::keyClick(startLevel(), Qt::Key_Escape);
        QVERIFY(window->control().running());
        QCOMPARE(QApplication::focusWidget(), keyCapture());
    }
};

QTEST_MAIN(GameWindowTest)
#include "test_game_window.moc"
