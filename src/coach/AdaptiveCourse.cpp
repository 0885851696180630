// SPDX-License-Identifier: GPL-3.0-or-later
#include "AdaptiveCourse.h"

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
    for (const QChar key : unlockedKeys())
        if (!learnt(practiceOf(key, figures)))
            return false;
    ++unlocked_;
    return true;
}

KeyNeed AdaptiveCourse::need(const KeyPractice& practice) const
{
    if (practice.strokes < MinimumStrokes)
        return KeyNeed::Strokes;
    if (practice.accuracy < marks_.minAccuracy)
        return KeyNeed::Accuracy;
    return practice.speed < marks_.minSpeed ? KeyNeed::Speed : KeyNeed::Nothing;
}

std::vector<int> AdaptiveCourse::shares(const std::vector<KeyPractice>& figures) const
{
    std::vector<bool> notLearnt;
    for (const QChar key : unlockedKeys())
        notLearnt.push_back(!learnt(practiceOf(key, figures)));
    const auto count = std::count(notLearnt.begin(), notLearnt.end(), true);
    const int share = count == 0 ? 0 : std::clamp(int(ShortLettersShare / count), SmallestShare, LargestShare);
    std::vector<int> shares;
    for (const bool wanted : notLearnt)
        shares.push_back(wanted ? share : 0);
    return shares;
}

std::vector<double> AdaptiveCourse::weights(const std::vector<KeyPractice>& figures) const
{
    std::vector<double> weights;
    for (const QChar key : unlockedKeys()) {
        const KeyPractice p = practiceOf(key, figures);
        weights.push_back(p.strokes < MinimumStrokes ? MaximumWeight : shortfallWeight(p));
    }
    return weights;
}

double AdaptiveCourse::shortfallWeight(const KeyPractice& p) const
{
    // Each five points of accuracy short of the mark add one; a speed at half the target
    // adds one.
    const double accuracyShort = std::max(0.0, marks_.minAccuracy - p.accuracy) / 5;
    const double speedShort = marks_.minSpeed > 0 ? std::max(0.0, 1 - p.speed / marks_.minSpeed) * 2 : 0.0;
    return std::min(MaximumWeight, 1 + accuracyShort + speedShort);
}

double AdaptiveCourse::readiness(const KeyPractice& p) const
{
    const double strokesShare = std::min(1.0, double(p.strokes) / MinimumStrokes);
    return strokesShare * (MaximumWeight - shortfallWeight(p)) / (MaximumWeight - 1);
}

} // namespace clavora
