// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

namespace clavora::test {
namespace {

using GameKeys = GameTest;

TEST_F(GameKeys, HitScoresByTheLettersAge)
{
    for (const auto& [age, points] : {std::pair(0.5, 10), std::pair(0.75, 9)}) {
        clock.now = 1000.0;
        start();
        tickAt(1001.125);
        typeAt(1001.125 + age, u'a');
        EXPECT_EQ(form().scoreText, QStringLiteral("Score: %1").arg(points)) << age;
        EXPECT_EQ(letters(), 0);
        game.endGame();
    }
}

TEST_F(GameKeys, OldestCandidateWinsAndTheLowestSlotAmongEquals)
{
    settings.customKeys = QStringLiteral("ka");
    start(QStringLiteral("200"));
    const std::deque<double> k = {0.0, 0.5, 0.5, 0.5, 0.5, 0.5};
    random.queued = k;
    random.queued.insert(random.queued.end(), k.begin(), k.end());
    tickAt(1000.15); // two k in one tick
    typeAt(1000.15, u'k');
    EXPECT_TRUE(table()[1].isFree());
    random.queued = k;
    tickAt(1000.21); // slot 1 is a newer k now
    typeAt(1000.21, u'k');
    EXPECT_TRUE(table()[2].isFree());
    EXPECT_FALSE(table()[1].isFree());
}

TEST_F(GameKeys, MissCostsTenPointsNotBelowZeroAndAddsAPenaltyLetter)
{
    start();
    tickAt(1001.125);
    typeAt(1001.2, u'a');
    typeAt(1001.3, u'b');
    typeAt(1001.4, u'A'); // upper case is another character
    EXPECT_EQ(form().scoreText, QStringLiteral("Score: 0"));
    EXPECT_EQ(letters(), 2);
    EXPECT_EQ(table()[2].spawnTime, 1001.4);
}

TEST_F(GameKeys, EachHitAndEachMissCountsAmongTheCoachsStrokes)
{
    start();
    tickAt(1001.125);     // an "a" comes
    typeAt(1001.3, u'b'); // a miss of the "a" on screen, which brings another
    typeAt(1001.5, u'a'); // 0.2 s after the previous key
    typeAt(1002.0, u'a'); // 0.5 s after the previous key
    typeAt(1002.1, u'b'); // a miss with no letter on screen counts against none
    const KeyPractice a = strokes.recent().practice(u'a');
    EXPECT_EQ(a.strokes, 3);
    EXPECT_DOUBLE_EQ(a.accuracy, 200.0 / 3);
    EXPECT_DOUBLE_EQ(a.speed, 60.0 / (0.5 * 5)); // the median interval
    EXPECT_EQ(strokes.recent().practice(u'b').strokes, 0);
}

TEST_F(GameKeys, EnterAdvancesOnlyThirtySecondsIntoALevelAndOnlyOnce)
{
    start();
    playUntil(1029.0);
    typeAt(1029.0, u'\r');
    EXPECT_EQ(letters(), 0); // neither an advance nor a miss
    playUntil(1030.0);
    typeAt(1030.0, u'\r');
    typeAt(1030.1, u'\r');
    EXPECT_EQ(game.state().level, 2);
    EXPECT_EQ(form().levelText, QStringLiteral("Level: 2"));
    EXPECT_EQ(form().noticeText, PauseNotice);
}

} // namespace
} // namespace clavora::test
