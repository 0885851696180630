// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

struct AppSettings;
class HistoryFigures;

// Seconds between two letters at the least while the Coach is on: one letter for every two
// of the learner's keys at the pace the history records for the course's letters over the
// last week (the speed target before there is any), so that a beginner's first game is not
// over before they can find a letter. 0 while the Coach is off: the level's rate alone.
double coachSpawnInterval(const AppSettings& settings, const HistoryFigures& figures);

} // namespace clavora
