// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachPace.h"

#include "history/HistoryFigures.h"
#include "settings/AppSettings.h"

#include <algorithm>

namespace clavora {

namespace {
// A word is five keys; a letter is found and struck in the time of two.
constexpr double KeysPerLetter = 2;
constexpr double KeysPerWord = 5;
} // namespace

double coachSpawnInterval(const AppSettings& settings, const HistoryFigures& figures)
{
    if (!settings.coach)
        return 0.0;
    std::vector<double> intervals;
    if (!settings.coachKeys.isEmpty() && figures.available())
        for (const KeyFigures& key : figures.keyFigures(HistoryPeriod::Week))
            if (settings.coachKeys.contains(key.key) && key.medianIntervalMilliseconds)
                intervals.push_back(*key.medianIntervalMilliseconds / 1000);
    double keySeconds = 60 / (KeysPerWord * std::max<int>(settings.coachSpeedTarget, 1));
    if (!intervals.empty()) {
        const auto middle = intervals.begin() + qsizetype(intervals.size() / 2);
        std::nth_element(intervals.begin(), middle, intervals.end());
        keySeconds = *middle;
    }
    return keySeconds * KeysPerLetter;
}

} // namespace clavora
