// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "game/GameControl.h"
#include "settings/AppSettings.h"
#include "windows/GameWindow.h"
#include "windows/KeyCapture.h"
#include "windows/PlayArea.h"

#include <QLabel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace clavora;
using namespace clavora::test;

// The game window on a fake clock, with "a" as the only allowed key.
class GameWindowTest : public QObject {
    Q_OBJECT
    AppSettings settings;
    FakeClock clock;
    FakeRandom random;
    FakeBeep beep;
    std::unique_ptr<GameWindow> window;

    QLineEdit* startLevel() { return window->findChild<QLineEdit*>(); }
    KeyCapture* keyCapture() { return window->findChild<KeyCapture*>(); }
    PlayArea* playArea() { return window->findChild<PlayArea*>(); }
    QString labelStarting(const QString& start)
    {
        for (auto* label : window->findChildren<QLabel*>())
            if (label->text().startsWith(start))
                return label->text();
        return {};
    }
    QPushButton* button(const QString& caption)
    {
        for (auto* b : window->findChildren<QPushButton*>())
            if (b->text() == caption)
                return b;
        return nullptr;
    }
    // Lets the game's timer run at the fake clock's new time.
    void tickAt(double now)
    {
        clock.now = now;
        QTest::qWait(60);
    }

private slots:
    void init()
    {
        settings = {};
        settings.Custom = true;
        settings.CustomKeys = QStringLiteral("a");
        settings.GameStartLevel = 5000;
        settings.TextColour = rgb(0, 0, 255);
        clock.now = 1000.0;
        random.fallback = 0.5;
        window = std::make_unique<GameWindow>(settings, clock, random, beep);
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
        QCOMPARE(labelStarting("Level:"), QString("Level: 1"));
        QCOMPARE(QApplication::focusWidget(), keyCapture());

        tickAt(1001.125);
        QTest::keyClick(keyCapture(), 'a');
        QCOMPARE(labelStarting("Score:"), QString("Score: 10"));
        QTest::keyClick(keyCapture(), Qt::Key_Tab); // a typed character that no letter carries
        QCOMPARE(labelStarting("Score:"), QString("Score: 0"));
        QCOMPARE(QApplication::focusWidget(), keyCapture());
        QCOMPARE(window->control().state().Slots[1].Char, QChar(u'a'));
    }

    void enterOnTheFocusedStartButtonStartsAgain()
    {
        QTest::mouseClick(button("&Start Game"), Qt::LeftButton);
        button("&End Game")->click();
        QVERIFY(!window->control().running());
        QCOMPARE(QApplication::focusWidget(), button("&Start Game"));
        QTest::keyClick(button("&Start Game"), Qt::Key_Return);
        QVERIFY(window->control().running());
    }

    void shiftTabIsAMissAndDeleteIsNoKey()
    {
        QTest::mouseClick(button("&Start Game"), Qt::LeftButton);
        tickAt(1001.125);
        QTest::keyClick(keyCapture(), 'a');
        QCOMPARE(labelStarting("Score:"), QString("Score: 10"));
        QKeyEvent deletePress(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(keyCapture(), &deletePress);
        QCOMPARE(labelStarting("Score:"), QString("Score: 10"));
        QTest::keyClick(keyCapture(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(labelStarting("Score:"), QString("Score: 0"));
        QCOMPARE(QApplication::focusWidget(), keyCapture());
    }

    void focusReturnsToTheGameWhileItRuns()
    {
        QTest::mouseClick(button("&Start Game"), Qt::LeftButton);
        QTest::mouseClick(startLevel(), Qt::LeftButton);
        QTRY_COMPARE(QApplication::focusWidget(), keyCapture());
        QTest::mouseClick(playArea(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), keyCapture());

        QTest::keyClick(keyCapture(), Qt::Key_Escape);
        QVERIFY(window->control().state().Paused);
        QCOMPARE(labelStarting("Game paused."), QString("Game paused.  Press ALT and P to unpause the game."));
        QTest::mouseClick(startLevel(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), startLevel()); // read-only while paused
        QVERIFY(startLevel()->isReadOnly());
        QTest::keyClick(startLevel(), Qt::Key_Escape);
        QVERIFY(window->control().running());
        QCOMPARE(QApplication::focusWidget(), keyCapture());
    }
};

QTEST_MAIN(GameWindowTest)
#include "tst_game_window.moc"
