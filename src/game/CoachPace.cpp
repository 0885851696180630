// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachPace.h"

#include "coach/RecentStrokes.h"
#include "settings/AppSettings.h"

#include <algorithm>

namespace clavora {

namespace {
// A word is five keys; a letter is found and struck in the time of two.
constexpr double KeysPerLetter = 2;
constexpr double KeysPerWord = 5;

double secondsPerKey(double wordsPerMinute)
{
    return 60 / (KeysPerWord * wordsPerMinute);
}

} // namespace

double coachSpawnInterval(const AppSettings& settings, const RecentStrokes& strokes)
{
    if (!settings.coach)
        return 0.0;
    std::vector<double> intervals;
    for (const KeyPractice& key : strokes.practice(settings.coachKeys))
        if (key.speed > 0)
            intervals.push_back(secondsPerKey(key.speed));
    double keySeconds = secondsPerKey(std::max<int>(settings.coachSpeedTarget, 1));
    if (!intervals.empty()) {
        const auto middle = intervals.begin() + qsizetype(intervals.size() / 2);
        std::nth_element(intervals.begin(), middle, intervals.end());
        keySeconds = *middle;
    }
    return keySeconds * KeysPerLetter;
}

} // namespace clavora
