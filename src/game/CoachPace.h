// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

struct AppSettings;
class RecentStrokes;

// Seconds between two letters at the least while the Coach is on: one letter for every two
// of the learner's keys at the pace of the course's letters' recent strokes (the speed target
// before there are any), so that a beginner's first game is not over before they can find a
// letter, and the game quickens as they do. 0 while the Coach is off: the level's rate alone.
double coachSpawnInterval(const AppSettings& settings, const RecentStrokes& strokes);

} // namespace clavora
