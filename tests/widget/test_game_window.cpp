// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "FindControl.h"
#include "coach/CoachStrokes.h"
#include "game/GameControl.h"
#include "game/GameForm.h"
#include "history/NoHistory.h"
#include "settings/AppSettings.h"
#include "windows/GameWindow.h"
#include "windows/Geometry.h"
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
    CoachStrokes strokes{settings, QString()};
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
        window = std::make_unique<GameWindow>(settings, clock, random, beep, history, history, strokes);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void controlsStandAtTheirPlaces_data()
    {
        QTest::addColumn<QRect>("twips"); // in the window, or in the play area for the game-over label
        const std::pair<const char*, QRect> rows[] = {
            {"StartLevelLabel", {60, 420, 1095, 255}},   {"StartLevel", {420, 660, 375, 285}},
            {"StartButton", {120, 1140, 975, 435}},      {"PauseButton", {120, 1740, 975, 435}},
            {"StopButton", {120, 2340, 975, 435}},       {"GameButton", {120, 2940, 975, 435}},
            {"SettingsButton", {120, 3540, 975, 435}},   {"HelpButton", {120, 4140, 975, 435}},
            {"ShowLayout", {120, 4740, 1035, 585}},      {"LevelLabel", {1320, 120, 1635, 255}},
            {"KeyLevelLabel", {3000, 120, 2175, 255}},   {"TimeLabel", {5220, 120, 2835, 315}},
            {"ScoreLabel", {8100, 120, 1635, 255}},      {"Frame", {1200, 360, 8475, 4767}},
            {"GameOverLabel", {1680, 1920, 5115, 885}},  {"AdvanceLabel", {1200, 5160, 8475, 315}},
            {"KeyCapture", {4800, 7200, 255, 285}},
        };
        for (const auto& [name, twips] : rows)
            QTest::newRow(name) << twips;
    }
    void controlsStandAtTheirPlaces()
    {
        QFETCH(QRect, twips);
        const QWidget* control = findControl(*window, QTest::currentDataTag());
        QCOMPARE(control->geometry(), twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    }

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
        QTest::keyClick(keyCapture(), 'b'); // a typed character that no letter carries
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
        GameWindow reopened(settings, clock, random, beep, history, history, strokes);
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

    void tabShiftTabAndDeleteAreNoKeysOfTheGame()
    {
        QTest::mouseClick(button("StartButton"), Qt::LeftButton);
        tickAt(1001.125);
        QTest::keyClick(keyCapture(), 'a');
        QCOMPARE(label("ScoreLabel"), QString("Score: 10"));
        QKeyEvent deletePress(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(keyCapture(), &deletePress);
        // Tab and Shift+Tab move the focus, which comes straight back to the game.
        QTest::keyClick(keyCapture(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), keyCapture());
        QTest::keyClick(keyCapture(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), keyCapture());
        QCOMPARE(label("ScoreLabel"), QString("Score: 10"));
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
