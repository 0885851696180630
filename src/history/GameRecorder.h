// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryRecords.h"

namespace clavora {

// Collects one game in memory: one call per hit, explosion or stray key.
class GameRecorder {
public:
    void beginGame(const QDateTime& started, int startLevel);
    // `secondsOnScreen`: from the letter's appearance to the hit.
    void letterHit(QChar letter, double secondsOnScreen);
    void letterExploded(QChar letter);
    // A key struck while no letter of its character was on screen.
    void strayKey(QChar key);
    // Ends the game and hands over what it collected.
    GameRecord finishGame(const QDateTime& ended, int levelReached, std::int64_t score);

    bool recording() const { return recording_; }

private:
    GameLetter& letter(QChar character);

    bool recording_ = false;
    GameRecord game_;
};

} // namespace clavora
