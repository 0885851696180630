// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/PassMarks.h"

namespace clavora {

// The Coach's marks: a line passes, and a key counts as learnt, only at this accuracy and
// the learner's speed target together.
constexpr int CoachAccuracy = 95;
constexpr int DefaultSpeedTarget = 10;

// A class's accuracy mark above the Coach's own takes its place.
PassMarks coachMarks(int speedTarget = DefaultSpeedTarget, int classAccuracyMark = 0);

// Both marks met: accuracy in percent, speed in words per minute.
bool meetsMarks(const PassMarks& marks, double accuracy, double speed);

} // namespace clavora
