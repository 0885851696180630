#include "GameFixture.h"

namespace clavora::test {
namespace {

using GameKeys = GameTest;

TEST_F(GameKeys, HitScoresByTheLettersAge)
{
    const struct {
        double age;
        int points;
    } cases[] = {{0.2, 10}, {0.5, 10}, {0.75, 9}};
    for (const auto& c : cases) {
        start();
        tickAt(1001.125);
        typeAt(1001.125 + c.age, u'a');
        EXPECT_EQ(game.state().Score, c.points) << "age " << c.age;
        EXPECT_EQ(form().scoreText, QStringLiteral("Score: %1").arg(c.points));
        EXPECT_EQ(letters(), 0);
        game.EndGame();
        clock.now = 1000.0;
    }
}

TEST_F(GameKeys, OldestCandidateWinsAndTheLowestSlotAmongEquals)
{
    settings.CustomKeys = QStringLiteral("ka");
    start(QStringLiteral("200"));
    random.queued = {0.0, 0.5, 0.5, 0.5, 0.5, 0.5,  // slot 1: k
                     0.0, 0.5, 0.5, 0.5, 0.5, 0.5,  // slot 2: k, same tick
                     0.5, 0.5, 0.5, 0.5, 0.5, 0.5}; // slot 3: a
    tickAt(1000.15);
    ASSERT_EQ(letters(), 2);
    tickAt(1000.21);
    ASSERT_EQ(table()[3].Char, u'a');
    typeAt(1000.21, u'k');
    EXPECT_TRUE(table()[1].isFree());
    EXPECT_FALSE(table()[2].isFree());
    // Slot 1 comes back newer, so slot 2 holds the older k now.
    random.queued = {0.0, 0.5, 0.5, 0.5, 0.5, 0.5};
    tickAt(1000.3);
    ASSERT_EQ(table()[1].Char, u'k');
    typeAt(1000.3, u'k');
    EXPECT_TRUE(table()[2].isFree());
    EXPECT_FALSE(table()[1].isFree());
}

TEST_F(GameKeys, MissCostsTenPointsNotBelowZeroAndAddsAPenaltyLetter)
{
    start();
    tickAt(1001.125);
    typeAt(1001.2, u'a'); // 10 points
    tickAt(1002.25);
    random.queued = {0.5, 0.5, 0.5, 0.0, 0.0, 50.5 / 256}; // the penalty letter needs 50 only
    typeAt(1002.3, u'A');
    EXPECT_EQ(game.state().Score, 0);
    EXPECT_EQ(form().scoreText, QStringLiteral("Score: 0"));
    EXPECT_EQ(letters(), 2);
    EXPECT_EQ(table()[2].SpawnTime, 1002.3);
    EXPECT_EQ(table()[2].fill, rgb(0, 0, 50));
    typeAt(1002.4, u'\b'); // control characters miss too
    EXPECT_EQ(letters(), 3);
}

TEST_F(GameKeys, EnterAdvancesOnlyThirtySecondsIntoALevel)
{
    start();
    playUntil(1029.0);
    typeAt(1029.0, u'\r');
    EXPECT_EQ(game.state().Level, 1);
    EXPECT_EQ(letters(), 0); // an early ENTER is no miss
    playUntil(1030.0);
    typeAt(1030.0, u'\r');
    typeAt(1030.1, u'\r');
    EXPECT_EQ(game.state().Level, 2);
    EXPECT_EQ(game.state().LevelStartTime, 1030.0);
    EXPECT_EQ(form().levelText, QStringLiteral("Level: 2"));
    EXPECT_EQ(form().noticeText, PauseNotice);
    EXPECT_EQ(form().noticeColour, settings.TextColour);
}

TEST_F(GameKeys, KeysOutsideARunningGameChangeNothing)
{
    typeAt(1000.5, u'x'); // before the first game
    EXPECT_EQ(game.state().Slots.size(), 0);
    clock.now = 1000.0;
    start();
    tickAt(1001.125);
    game.PauseGame();
    typeAt(1001.5, u'x');
    typeAt(1001.5, u'a');
    EXPECT_EQ(letters(), 1);
    game.ResumeGame();
    tickAt(1007.0); // game over
    ASSERT_TRUE(game.state().GameOver);
    const int shown = letters();
    typeAt(1007.0, u'a');
    typeAt(1007.0, u'x');
    EXPECT_EQ(game.state().Score, 0);
    EXPECT_EQ(letters(), shown);
}

} // namespace
} // namespace clavora::test
