#include "GameState.h"

#include "common/Services.h"

namespace clavora {

namespace {
constexpr int LeftRange = 7620, LeftMin = 60;
constexpr int TopRange = 3810, TopMin = 120;
} // namespace

void GameState::moveTimes(double seconds)
{
    GameStartTime += seconds;
    LevelStartTime += seconds;
    LastSpawnTime += seconds;
    Slots.forEach([seconds](LetterSlot& s) { s.SpawnTime += seconds; });
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
