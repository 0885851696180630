// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameState.h"

#include "GameRules.h"
#include "common/Services.h"

#include <algorithm>
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
    gameStartTime += seconds;
    levelStartTime += seconds;
    lastSpawnTime += seconds;
    lastKeyTime += seconds;
    letterSlots.forEach([seconds](LetterSlot& s) { s.spawnTime += seconds; });
}

void GameState::spawnDue(Random& random, double now)
{
    const double interval = std::max(spawnInterval(level), slowestInterval);
    if (lastSpawnTime + interval > now)
        return;
    const double due = (now - lastSpawnTime) / interval + spawnCarry;
    const double count = std::floor(due);
    spawnCarry = due - count;
    lastSpawnTime = now;
    int from = 1;
    for (double n = 0; n < count; ++n)
        from = spawnLetter(*this, random, now, LoopColourFloor, from) + 1;
}

int GameState::burnFuses(double now)
{
    for (int i = 1; i <= letterSlots.size(); ++i) {
        LetterSlot& slot = letterSlots[i];
        if (slot.isFree())
            continue;
        const double age = now - slot.spawnTime;
        if (age >= FuseSeconds)
            return i; // the game is over: later letters are not looked at
        const double red = age * (FullRed / FuseSeconds);
        if (red - RimStep > redOf(slot.rim))
            slot.rim = burnColour(red);
    }
    return 0;
}

int spawnLetter(GameState& game, Random& random, double now, int colourFloor, int fromSlot)
{
    const int i = game.letterSlots.lowestFree(fromSlot);
    LetterSlot& slot = game.letterSlots[i];
    const int keys = int(game.allowedKeys.size());
    const int pick = random.below(keys);
    // An empty pool still gives a letter: a blank one, hit by the space bar.
    slot.character = keys > 0 ? game.allowedKeys[pick] : QChar(u' ');
    slot.shellLeft = std::int16_t(random.next() * LeftRange + LeftMin);
    slot.shellTop = std::int16_t(random.next() * TopRange + TopMin);
    slot.spawnTime = now;
    int red, green, blue;
    do {
        red = random.below(256);
        green = random.below(256);
        blue = random.below(256);
    } while (red < colourFloor && green < colourFloor && blue < colourFloor);
    slot.fill = rgb(red, green, blue);
    slot.rim = PureGreen;
    game.letterSlots.raise(i);
    return i;
}

} // namespace clavora
