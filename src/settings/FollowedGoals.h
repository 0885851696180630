// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "AppSettings.h"
#include "common/ClassGoals.h"

namespace clavora {

// Keeps `goals` as the settings' copy of the class's goals and brings the learner's own
// settings up to them: the Coach on, its speed target no lower than the class's, the class's
// layout. Nothing the goals leave unset changes, and the learner's own higher target stays.
// Returns whether the layout changed.
bool followClassGoals(AppSettings& settings, const ClassGoals& goals);

// The goals kept in the settings; their layout is already the layout's own setting.
ClassGoals keptClassGoals(const AppSettings& settings);

} // namespace clavora
