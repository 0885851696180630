// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "game/GameState.h"

#include <gtest/gtest.h>

namespace clavora::test {
namespace {

TEST(SpawnLetter, DrawsCharacterPositionThenColoursUntilOneReachesTheFloor)
{
    const struct {
        int floor;
        std::deque<double> colourDraws;
        Rgb fill;
    } cases[] = {
        {60, {59.5 / 256, 0.0, 0.0, 0.0, 60.5 / 256, 0.0}, rgb(0, 60, 0)}, // 59 is too dark: drawn again
        {50, {0.0, 0.0, 50.5 / 256}, rgb(0, 0, 50)},                       // a penalty letter's floor
    };
    for (const auto& c : cases) {
        GameState game;
        game.allowedKeys = QStringLiteral("abcd");
        FakeRandom random;
        random.queued = {0.5, 0.25, 0.999999};
        random.queued.insert(random.queued.end(), c.colourDraws.begin(), c.colourDraws.end());
        const LetterSlot& s = game.letterSlots[spawnLetter(game, random, 123.5, c.floor)];
        EXPECT_EQ(s.character, u'c');
        EXPECT_EQ(s.shellLeft, 1965);
        EXPECT_EQ(s.shellTop, 3929);
        EXPECT_EQ(s.spawnTime, 123.5);
        EXPECT_EQ(s.fill, c.fill) << "floor " << c.floor;
        EXPECT_EQ(s.rim, PureGreen);
        EXPECT_TRUE(random.queued.empty());
    }
}

TEST(SpawnLetter, ReusesTheLowestFreeSlotAndPutsTheNewestInFront)
{
    GameState game;
    game.allowedKeys = QStringLiteral("a");
    FakeRandom random;
    random.fallback = 0.5;
    for (int i = 0; i < 5; ++i)
        spawnLetter(game, random, 1.0, 60);
    game.letterSlots[1].character = QChar();
    game.letterSlots[3].character = QChar();
    EXPECT_EQ(spawnLetter(game, random, 2.0, 60), 1);
    EXPECT_EQ(spawnLetter(game, random, 2.0, 60, 2), 3);
    EXPECT_EQ(spawnLetter(game, random, 2.0, 60), 6);
    EXPECT_GT(game.letterSlots[6].stacking, game.letterSlots[3].stacking);
    EXPECT_GT(game.letterSlots[3].stacking, game.letterSlots[1].stacking);
    EXPECT_GT(game.letterSlots[1].stacking, game.letterSlots[5].stacking);
}

} // namespace
} // namespace clavora::test
