// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameState.h"

#include "GameRules.h"
#include "common/Services.h"

#include <cmath>

namespace clavora {

namespace {
constexpr int LeftRange = 7620, LeftMin = 60;
constexpr int TopRange = 3810, TopMin = 120;
constexpr int LoopColourFloor = 60;
// The rim changes colour only in visible steps.
constexpr double RimStep = 15.0;
} // namespace

void GameState::moveTimes(double seconds)
{
    GameStartTime += seconds;
    LevelStartTime += seconds;
    LastSpawnTime += seconds;
    Slots.forEach([seconds](LetterSlot& s) { s.SpawnTime += seconds; });
}

void GameState::spawnDue(Random& random, double now)
{
    const double interval = spawnInterval(Level);
    if (LastSpawnTime + interval > now)
        return;
    const double due = (now - LastSpawnTime) / interval + SpawnCarry;
    const double count = std::floor(due);
    SpawnCarry = due - count;
    LastSpawnTime = now;
    int from = 1;
    for (double n = 0; n < count; ++n)
        from = SpawnLetter(*this, random, now, LoopColourFloor, from) + 1;
}

int GameState::burnFuses(double now)
{
    for (int i = 1; i <= Slots.size(); ++i) {
        LetterSlot& slot = Slots[i];
        if (slot.isFree())
            continue;
        const double age = now - slot.SpawnTime;
        if (age >= FuseSeconds)
            return i; // the game is over: later letters are not looked at
        const double red = age * (FullRed / FuseSeconds);
        if (red - RimStep > redOf(slot.rim))
            slot.rim = burnColour(red);
    }
    return 0;
}

int SpawnLetter(GameState& game, Random& random, double now, int colourFloor, int fromSlot)
{
    const int i = game.Slots.lowestFree(fromSlot);
    LetterSlot& slot = game.Slots[i];
    const int keys = int(game.AllowedKeys.size());
    const int pick = random.below(keys);
    // An empty pool still gives a letter: a blank one, hit by the space bar.
    slot.Char = keys > 0 ? game.AllowedKeys[pick] : QChar(u' ');
    slot.ShellLeft = std::int16_t(random.next() * LeftRange + LeftMin);
    slot.ShellTop = std::int16_t(random.next() * TopRange + TopMin);
    slot.SpawnTime = now;
    int red, green, blue;
    do {
        red = random.below(256);
        green = random.below(256);
        blue = random.below(256);
    } while (red < colourFloor && green < colourFloor && blue < colourFloor);
    slot.fill = rgb(red, green, blue);
    slot.rim = PureGreen;
    game.Slots.raise(i);
    return i;
}

} // namespace clavora
