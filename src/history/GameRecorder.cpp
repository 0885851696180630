// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameRecorder.h"

namespace clavora {

void GameRecorder::beginGame(const QDateTime& started, int startLevel)
{
    recording_ = true;
    game_ = {};
    game_.started = started;
    game_.startLevel = startLevel;
}

GameLetter& GameRecorder::letter(QChar character)
{
    for (GameLetter& entry : game_.letters) {
        if (entry.letter == character.unicode())
            return entry;
    }
    game_.letters.push_back({character.unicode()});
    return game_.letters.back();
}

void GameRecorder::letterHit(QChar character, double secondsOnScreen)
{
    if (!recording_)
        return;
    GameLetter& entry = letter(character);
    ++entry.hits;
    entry.hitSeconds += secondsOnScreen;
}

void GameRecorder::letterExploded(QChar character)
{
    if (recording_)
        ++letter(character).explosions;
}

void GameRecorder::strayKey(QChar key)
{
    if (recording_)
        ++letter(key).strayKeys;
}

GameRecord GameRecorder::finishGame(const QDateTime& ended, int levelReached, std::int64_t score)
{
    recording_ = false;
    game_.ended = ended;
    game_.levelReached = levelReached;
    game_.score = score;
    return std::exchange(game_, {});
}

} // namespace clavora
