// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"
#include "game/GameRules.h"

namespace clavora::test {
namespace {

using GameLoop = GameTest;

TEST_F(GameLoop, FirstLetterAtLevelOneComesAfterOnePointZeroNineSeconds)
{
    start();
    tickAt(1001.09);
    EXPECT_EQ(letters(), 0);
    tickAt(1001.1);
    EXPECT_EQ(letters(), 1);
}

TEST_F(GameLoop, WithTheCoachTheFirstLetterWaitsForTheLearnersPace)
{
    settings.coach = true; // no history: the speed target of 10 WPM, one letter in 2.4 s
    start();
    tickAt(1002.39);
    EXPECT_EQ(letters(), 0);
    tickAt(1002.41);
    EXPECT_EQ(letters(), 1);
}

TEST_F(GameLoop, LateTickSpawnsEveryLetterDueAndCarriesTheFraction)
{
    start(QStringLiteral("200"));
    tickAt(1000.3);
    EXPECT_EQ(letters(), 5);
    EXPECT_NEAR(game.state().spawnCarry, 0.25, 1e-9);
    tickAt(1000.3 + 1.8 * 60 / 1050); // with the carried quarter: two more
    EXPECT_EQ(letters(), 7);
}

TEST_F(GameLoop, RimBurnsInStepsAndTheLetterExplodesAtFiveSeconds)
{
    start();
    const double born = 1001.125;
    tickAt(born);
    tickAt(born + 0.29);
    EXPECT_EQ(table()[1].rim, PureGreen); // red would rise by less than 15
    tickAt(born + 0.3);
    EXPECT_EQ(table()[1].rim, rgb(15, 240, 0));
    tickAt(born + 4.999);
    EXPECT_FALSE(game.state().gameOver);
    tickAt(born + 5.0);
    EXPECT_TRUE(game.state().gameOver);
    EXPECT_EQ(table()[1].fill, PureRed);
    EXPECT_TRUE(form().gameOverVisible);
    EXPECT_TRUE(form().startEnabled);
    EXPECT_TRUE(form().timerEnabled); // for the fade

    tickAt(born + 5.19);
    EXPECT_EQ(form().gameOverColour, PureGreen);
    tickAt(born + 5.2);
    EXPECT_EQ(form().gameOverColour, rgb(10, 245, 0));
    tickAt(born + 10.0);
    EXPECT_EQ(form().gameOverColour, PureRed);
    EXPECT_FALSE(form().timerEnabled);
}

TEST_F(GameLoop, OnlyTheLowerOfTwoOverdueSlotsExplodes)
{
    start();
    tickAt(1001.125);
    tickAt(1002.25);
    typeAt(1002.25, u'a'); // frees slot 1, refilled next: slot 2 holds the older letter
    tickAt(1003.375);
    ASSERT_EQ(table()[1].spawnTime, 1003.375);
    tickAt(1009.0);
    EXPECT_EQ(table()[1].fill, PureRed);
    EXPECT_NE(table()[2].fill, PureRed);
    EXPECT_NE(table()[2].rim, PureRed);
}

// Also with a text colour of pure green, which the notice must not be mistaken for.
TEST_F(GameLoop, AdvanceNoticeComesOnceWithOneBeep)
{
    for (const Rgb textColour : {DefaultTextColour, PureGreen}) {
        settings.textColour = textColour;
        game.load();
        clock.now = 1000.0;
        beep.beeps = 0;
        start();
        game.pauseGame();
        EXPECT_EQ(form().noticeText, PausedNotice);
        game.resumeGame();
        playUntil(1029.9);
        EXPECT_EQ(form().noticeText, PauseNotice);
        playUntil(1040.0);
        EXPECT_EQ(form().noticeText, AdvanceNotice);
        EXPECT_EQ(form().noticeColour, PureGreen);
        EXPECT_EQ(beep.beeps, 1);
        game.endGame();
    }
}

TEST_F(GameLoop, PauseMovesEveryStoredTimeByItsLength)
{
    start();
    tickAt(1001.125);
    clock.now = 1002.0;
    game.pauseGame();
    const GameState before = game.state();
    clock.now = 1012.0;
    game.resumeGame();
    const GameState& after = game.state();
    EXPECT_EQ(after.gameStartTime, before.gameStartTime + 10);
    EXPECT_EQ(after.levelStartTime, before.levelStartTime + 10);
    EXPECT_EQ(after.lastSpawnTime, before.lastSpawnTime + 10);
    EXPECT_EQ(after.letterSlots[1].spawnTime, before.letterSlots[1].spawnTime + 10);
    tickAt(1012.01);
    EXPECT_EQ(form().timeText, QStringLiteral("Time elapsed: 0:02"));
}

TEST_F(GameLoop, MidnightKeepsAgesElapsedTimeAndRhythm)
{
    clock.now = DaySeconds - 2.0;
    start();
    tickAt(DaySeconds - 0.9); // the first letter
    tickAt(0.1);
    EXPECT_DOUBLE_EQ(game.state().gameStartTime, -2.0);
    EXPECT_EQ(form().timeText, QStringLiteral("Time elapsed: 0:02"));
    tickAt(0.2); // 1.1 s after the first letter
    EXPECT_EQ(letters(), 2);
    tickAt(4.0);
    EXPECT_FALSE(game.state().gameOver); // 4.9 s old
    tickAt(4.2);
    EXPECT_TRUE(game.state().gameOver);
}

TEST_F(GameLoop, MidnightDuringAPause)
{
    clock.now = DaySeconds - 5.5;
    start();
    clock.now = DaySeconds - 5.0;
    game.pauseGame();
    clock.now = 5.0;
    game.resumeGame();
    EXPECT_EQ(game.state().gameStartTime, DaySeconds - 5.5 + 10.0);
    tickAt(5.5);
    EXPECT_EQ(form().timeText, QStringLiteral("Time elapsed: 0:01"));
    EXPECT_TRUE(game.running());
}

} // namespace
} // namespace clavora::test
