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
    double GameStartTime = 0.0;  // also times the game-over fade
    double LevelStartTime = 0.0;
    double LastSpawnTime = 0.0;
    double PauseStartTime = 0.0;
    double SpawnCarry = 0.0;     // the fraction of a letter due but not yet spawned
    bool Paused = false;
    bool GameOver = false;
    std::int16_t Level = 0;      // 0 until the first game in the window
    std::int32_t Score = 0;
    QString AllowedKeys;
    SlotTable Slots;

    // Moves every stored time, the letters' included: forward by a pause, back a day at midnight.
    void moveTimes(double seconds);
    // Spawns every letter due by `now` at the level's rate, so a late tick misses none.
    void spawnDue(Random& random, double now);
    // Burns the letters' fuses; returns the lowest slot whose fuse has run out, else 0.
    int burnFuses(double now);
};

// Puts a new letter into the lowest free slot at or above `fromSlot` and returns that
// slot. Its fill has at least one component of `colourFloor` or more, so no shell is
// near-black.
int SpawnLetter(GameState& game, Random& random, double now, int colourFloor, int fromSlot = 1);

} // namespace clavora
