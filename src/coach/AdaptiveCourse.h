// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "CourseKeys.h"
#include "exercises/Evaluation.h"

#include <vector>

namespace clavora {

// A key's figures over its recent strokes, as the history gives them.
struct KeyPractice {
    QChar key;
    int strokes = 0;
    double accuracy = 0; // percent of the strokes that were right
    double speed = 0;    // words per minute at this key's pace
};

// The adaptive course: the home row's letters first, then one more letter each time every
// letter unlocked so far is learnt. A letter never locks again: a weak one is drilled more
// and holds the next one back.
class AdaptiveCourse {
public:
    // Fewer strokes than this say too little for a key to count as learnt.
    static constexpr int MinimumStrokes = 20;
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

private:
    CourseKeys keys_;
    int unlocked_;
    PassMarks marks_;
};

} // namespace clavora
