// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"
#include "coach/RecentStrokes.h"
#include "exercises/RandomExercises.h"
#include "game/CoachPace.h"
#include "game/GameLetters.h"
#include "history/NoHistory.h"
#include "history/WeakKeyWeights.h"

namespace clavora::test {
namespace {

// A day of 100 strokes for each of `letters`: the `weak` ones missed 40 times, the others 4
// times, each struck as the next character.
void addMistakes(FakeHistory& history, const QString& letters = QStringLiteral("abcdefghijklmnopqrstuvwxyz"),
                 const QString& weak = QStringLiteral("qp"))
{
    for (const QChar letter : letters)
        history.addStrokes(letter, 100, weak.contains(letter) ? 40 : 4, QChar(letter.unicode() + 1));
}

TEST(GameLettersTest, TheCoachsGameDrawsOnlyTheLettersItsCourseReached)
{
    FakeHistory history;
    addMistakes(history, QStringLiteral("fghj"), QStringLiteral("g"));
    AppSettings settings;
    settings.coach = true;
    EXPECT_EQ(gameLetters(settings, history).pool, keysAllowed(settings)); // the course has not begun
    settings.coachKeys = QStringLiteral("fghj");
    EXPECT_EQ(gameLetters(settings, history).pool, "fghj");
    settings.weakKeyGame = true;
    EXPECT_EQ(gameLetters(settings, history).pool, WeakKeyWeights::fromHistory(history, "fghj").pool());
}

TEST(GameLettersTest, TheCoachsLettersComeAtAPaceTheLearnersCourseSpeedCanMeet)
{
    RecentStrokes strokes;
    for (const QChar key : QStringLiteral("fghjdkslaz"))
        for (int stroke = 0; stroke < 5; ++stroke)
            strokes.add(key, true, key == u'z' ? 0.1 : 0.6); // z is not in the course yet
    struct Case {
        bool coach;
        QString keys;
        int speedTarget;
        double interval;
    };
    const Case cases[] = {
        {false, "fghjdksla", 10, 0.0},      // the levels' rates alone
        {true, "", 10, 2.4},                // no course yet: the speed target, 10 WPM
        {true, "", 20, 1.2},
        {true, "fghjdksla", 10, 1.2},       // 600 ms a key lately
    };
    for (const Case& c : cases) {
        AppSettings settings;
        settings.coach = c.coach;
        settings.coachKeys = c.keys;
        settings.coachSpeedTarget = std::int16_t(c.speedTarget);
        EXPECT_DOUBLE_EQ(coachSpawnInterval(settings, strokes), c.interval) << c.keys.toStdString();
    }
}

TEST(GameLettersTest, WeakKeysOnlyWhenTickedAndTheHistoryHasSome)
{
    FakeHistory history;
    addMistakes(history);
    const FakeHistory empty;
    FakeHistory upperCaseOnly;
    addMistakes(upperCaseOnly, QStringLiteral("ABCPQ"));
    FakeHistory unavailable;
    unavailable.readable = false;
    ASSERT_FALSE(unavailable.available());
    const NoHistory none;

    AppSettings settings; // lower case and the space bar
    const QString allowed = keysAllowed(settings);
    const QString weighted = WeakKeyWeights::fromHistory(history, allowed).pool();
    ASSERT_GT(weighted.count(u'q'), 3 * weighted.count(u'a'));
    struct Case {
        const char* name;
        bool ticked;
        const HistoryFigures& figures;
        QString pool;
        bool noWeakKeys;
    } cases[] = {
        {"unticked, a history is left alone", false, history, allowed, false},
        {"unticked without a store", false, none, allowed, false},
        {"ticked: the weights of the history", true, history, weighted, false},
        {"ticked without a store", true, none, allowed, true},
        {"ticked with a store set aside", true, unavailable, allowed, true},
        {"ticked with an empty history", true, empty, allowed, true},
        {"ticked, mistakes only outside the allowed keys", true, upperCaseOnly, allowed, true},
    };
    for (const Case& c : cases) {
        settings.weakKeyGame = c.ticked;
        const GameLetters letters = gameLetters(settings, c.figures);
        EXPECT_EQ(letters.pool, c.pool) << c.name;
        EXPECT_EQ(letters.noWeakKeys, c.noWeakKeys) << c.name;
    }
}

// The game window's logic with a history and the lower-case letters.
class WeakKeyGameTest : public GameTest {
protected:
    WeakKeyGameTest()
    {
        settings = AppSettings();
    }
    QString weighted() const { return WeakKeyWeights::fromHistory(history, keysAllowed(settings)).pool(); }

    FakeHistory history;
    GameControl weakGame{settings, clock, random, beep, ui, history, history, strokes};
};

TEST_F(WeakKeyGameTest, TickedTheLettersFollowTheMistakesReadOnceAGame)
{
    addMistakes(history);
    const QString before = weighted();
    settings.weakKeyGame = true;
    weakGame.startGame();
    EXPECT_EQ(weakGame.state().allowedKeys, before);
    EXPECT_EQ(weakGame.form().noticeText, gameText(PauseNotice));
    // Mistakes made meanwhile count from the next game on.
    addMistakes(history, QStringLiteral("a"), QStringLiteral("a"));
    ASSERT_NE(weighted(), before);
    weakGame.tick();
    EXPECT_EQ(weakGame.state().allowedKeys, before);
    weakGame.endGame();
    weakGame.startGame();
    EXPECT_EQ(weakGame.state().allowedKeys, weighted());
}

} // namespace
} // namespace clavora::test
