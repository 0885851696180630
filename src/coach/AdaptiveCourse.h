// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CourseKeys.h"
#include "common/PassMarks.h"

#include <vector>

namespace clavora {

// A key's figures over its recent strokes, as the history gives them.
struct KeyPractice {
    QChar key;
    int strokes = 0;
    double accuracy = 0; // percent of the strokes that were right
    double speed = 0;    // words per minute at this key's pace
};

// What an unlocked key lacks to count as learnt, the first of these it misses.
enum class KeyNeed { Nothing, Strokes, Accuracy, Speed };

// The adaptive course: the home row's letters first, then one more letter each time every
// letter unlocked so far is learnt. A letter never locks again: a weak one is drilled more
// and holds the next one back.
class AdaptiveCourse {
public:
    // A key is judged over its last this many strokes, and not before it has them. Twenty lets
    // one slip in twenty still meet 95 %, lets a beginner's early mistakes leave after a few
    // clean lines, and a learner at 15 % wrong keys almost never shows a clean twenty on
    // every key at once.
    static constexpr int MinimumStrokes = 20;
    // The letters of a line that go to the letters not yet learnt, shared among them.
    static constexpr int ShortLettersShare = 24;
    static constexpr int LargestShare = 6;
    static constexpr int SmallestShare = 2;
    // The weight of a key with too few strokes to judge: the newest key comes up most.
    static constexpr double MaximumWeight = 4.0;

    // `unlocked`: how many of the course's letters the learner has reached; never fewer than
    // the home row's.
    AdaptiveCourse(CourseKeys keys, int unlocked, PassMarks marks);

    int unlockedCount() const { return unlocked_; }
    QString unlockedKeys() const { return keys_.letters.left(unlocked_); }
    // Null once every letter is unlocked.
    QChar nextKey() const;
    // After a line: unlocks the next letter when every unlocked one meets both marks over at
    // least MinimumStrokes recent strokes. True when it did.
    bool update(const std::vector<KeyPractice>& figures);
    // How strongly each unlocked key is drilled, in unlock order: 1 for a learnt key, more the
    // further it falls short of the marks.
    std::vector<double> weights(const std::vector<KeyPractice>& figures) const;
    // How often the next line should hold each unlocked key, in unlock order: a fair share for
    // each key not yet learnt, none for the others.
    std::vector<int> shares(const std::vector<KeyPractice>& figures) const;
    bool learnt(const KeyPractice& practice) const { return need(practice) == KeyNeed::Nothing; }
    KeyNeed need(const KeyPractice& practice) const;
    // How close a key is to learnt, from 0 to 1, which it is only when learnt: the share of
    // the strokes it needs, times how near its accuracy and speed are to the marks.
    double readiness(const KeyPractice& practice) const;

private:
    // The weight of a key judged over the strokes it has: 1 at both marks, up to MaximumWeight.
    double shortfallWeight(const KeyPractice& practice) const;

    CourseKeys keys_;
    int unlocked_;
    PassMarks marks_;
};

} // namespace clavora
