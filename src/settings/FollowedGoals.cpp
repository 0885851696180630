// SPDX-License-Identifier: GPL-3.0-or-later
#include "FollowedGoals.h"

#include <algorithm>

namespace clavora {

bool followClassGoals(AppSettings& settings, const ClassGoals& goals)
{
    settings.classAccuracyMark = std::int16_t(std::clamp(goals.accuracyMark.value_or(0), 0, 100));
    settings.classSpeedTarget = std::int16_t(std::clamp(goals.speedTarget.value_or(0), 0, HighestSpeedTarget));
    settings.classCoach = goals.coach;
    settings.coach = settings.coach || goals.coach;
    settings.coachSpeedTarget = std::max(settings.coachSpeedTarget, settings.classSpeedTarget);
    if (goals.layoutFile.isEmpty()
        || (settings.layoutFile == goals.layoutFile && settings.desktopLayout == goals.desktopLayout))
        return false;
    settings.layoutFile = goals.layoutFile;
    settings.desktopLayout = goals.desktopLayout;
    return true;
}

ClassGoals keptClassGoals(const AppSettings& settings)
{
    const auto set = [](int value) { return value ? std::optional(value) : std::nullopt; };
    return {set(settings.classAccuracyMark), set(settings.classSpeedTarget), settings.classCoach};
}

} // namespace clavora
