// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdaptiveCourse.h"

#include "CoachMarks.h"

#include <algorithm>

namespace clavora {

namespace {
KeyPractice practiceOf(QChar key, const std::vector<KeyPractice>& figures)
{
    const auto found = std::find_if(figures.begin(), figures.end(), [&](const KeyPractice& p) { return p.key == key; });
    return found == figures.end() ? KeyPractice{key} : *found;
}
} // namespace

AdaptiveCourse::AdaptiveCourse(CourseKeys keys, int unlocked, PassMarks marks)
    : keys_(std::move(keys))
    , unlocked_(int(std::clamp<qsizetype>(std::max(unlocked, keys_.homeCount), 0, keys_.letters.size())))
    , marks_(marks)
{
}

QChar AdaptiveCourse::nextKey() const
{
    return unlocked_ < keys_.letters.size() ? keys_.letters[unlocked_] : QChar();
}

bool AdaptiveCourse::update(const std::vector<KeyPractice>& figures)
{
    if (nextKey().isNull())
        return false;
    for (const QChar key : unlockedKeys()) {
        const KeyPractice p = practiceOf(key, figures);
        if (p.strokes < MinimumStrokes || !meetsMarks(marks_, p.accuracy, p.speed))
            return false;
    }
    ++unlocked_;
    return true;
}

std::vector<double> AdaptiveCourse::weights(const std::vector<KeyPractice>& figures) const
{
    std::vector<double> weights;
    for (const QChar key : unlockedKeys()) {
        const KeyPractice p = practiceOf(key, figures);
        if (p.strokes < MinimumStrokes) {
            weights.push_back(MaximumWeight);
            continue;
        }
        // Each five points of accuracy short of the mark add one; a speed at half the target
        // adds one.
        const double accuracyShort = std::max(0.0, marks_.minAccuracy - p.accuracy) / 5;
        const double speedShort = marks_.minSpeed > 0 ? std::max(0.0, 1 - p.speed / marks_.minSpeed) * 2 : 0.0;
        weights.push_back(std::min(MaximumWeight, 1 + accuracyShort + speedShort));
    }
    return weights;
}

} // namespace clavora
