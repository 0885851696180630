// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <vector>

namespace clavora {

// Where an attempt's exercise came from.
enum class AttemptKind : int { Preset = 0, Random = 1 };

struct AttemptSource {
    AttemptKind kind = AttemptKind::Preset;
    bool quickRun = false;
    QString presetFile;     // empty for random exercises
    int exerciseNumber = 0; // 0 for random exercises
};

// The typed keys of one attempt: how often each expected character was met by each struck
// character, and the time between keys. A stroke's interval runs from the previous change of
// the typing line; the first key of an attempt has none and is counted without a time.
struct KeystrokePair {
    char16_t expected = 0; // 0 when the key was struck past the end of the exercise
    char16_t struck = 0;
    int count = 0;
    int timedCount = 0;
    double intervalSeconds = 0.0; // summed over the timed strokes
};

struct KeystrokeTally {
    std::vector<KeystrokePair> pairs;
    int midLineEdits = 0;
    int backspaces = 0;
    bool empty() const { return pairs.empty() && midLineEdits == 0 && backspaces == 0; }
};

// One finished attempt as it is kept.
struct AttemptRecord {
    QDateTime finished;
    AttemptSource source;
    QString exercise;
    QString typed;
    double seconds = 0.0;
    int correct = 0;
    int accuracy = 0;
    int speed = 0;
    int correctSpeed = 0;
    bool passed = false;
    KeystrokeTally keystrokes;
};

// One letter of a game: how often it was hit (and how long it stood before the hit), how
// often it exploded, and how often its key was struck with no such letter on screen.
struct GameLetter {
    char16_t letter = 0;
    int hits = 0;
    double hitSeconds = 0.0;
    int explosions = 0;
    int strayKeys = 0;
};

struct GameRecord {
    QDateTime started;
    QDateTime ended;
    int startLevel = 0;
    int levelReached = 0;
    std::int64_t score = 0;
    std::vector<GameLetter> letters;
};

} // namespace clavora
