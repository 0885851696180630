// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SlotTable.h"

#include <QString>
#include <cstdint>

namespace clavora {

class Random;

// What one game keeps between ticks and key presses. Times are clock readings in seconds
// since local midnight.
struct GameState {
    double gameStartTime = 0.0;  // also times the game-over fade
    double levelStartTime = 0.0;
    double lastSpawnTime = 0.0;
    double pauseStartTime = 0.0;
    double lastKeyTime = 0.0;    // the game's start until a key is struck
    double spawnCarry = 0.0;     // the fraction of a letter due but not yet spawned
    bool paused = false;
    bool gameOver = false;
    std::int16_t level = 0;      // 0 until the first game in the window
    std::int32_t score = 0;
    QString allowedKeys;
    double slowestInterval = 0.0; // letters come no faster than this while the Coach is on
    SlotTable letterSlots;

    // Moves every stored time, the letters' included: forward by a pause, back a day at midnight.
    void moveTimes(double seconds);
    // Spawns every letter due by `now` at the level's rate (or the Coach's, when slower), so a
    // late tick misses none.
    void spawnDue(Random& random, double now);
    // Burns the letters' fuses; returns the lowest slot whose fuse has run out, else 0.
    int burnFuses(double now);
};

// Puts a new letter into the lowest free slot at or above `fromSlot` and returns that
// slot. Its fill has at least one component of `colourFloor` or more, so no shell is
// near-black.
int spawnLetter(GameState& game, Random& random, double now, int colourFloor, int fromSlot = 1);

} // namespace clavora
