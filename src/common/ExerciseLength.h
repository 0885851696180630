// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

// The characters an exercise line and the typing line hold at most.
constexpr int MaxExerciseLength = 40;

} // namespace clavora
