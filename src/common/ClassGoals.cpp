// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassGoals.h"

#include <algorithm>

namespace clavora {
namespace {

std::optional<int> higher(std::optional<int> first, std::optional<int> second)
{
    if (!first || !second)
        return first ? first : second;
    return std::max(*first, *second);
}

} // namespace

ClassGoals stricter(const ClassGoals& first, const ClassGoals& second)
{
    const ClassGoals& layout = first.layoutFile.isEmpty() ? second : first;
    return {higher(first.accuracyMark, second.accuracyMark), higher(first.speedTarget, second.speedTarget),
        first.coach || second.coach, layout.layoutFile, layout.desktopLayout,
        higher(first.weeklyMinutes, second.weeklyMinutes)};
}

} // namespace clavora
