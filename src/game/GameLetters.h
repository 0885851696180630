// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

struct AppSettings;
class HistoryFigures;

// The letters one game draws from, read when it starts.
struct GameLetters {
    QString pool;
    // Weak keys were asked for, but the history holds no mistakes among the allowed keys:
    // the game falls back to the allowed keys and says so.
    bool noWeakKeys = false;
};

// The allowed keys; with the game's "Weak keys" ticked, the same keys weighted by the last
// month's mistakes, as the weak-key drills weigh them.
GameLetters gameLetters(const AppSettings& settings, const HistoryFigures& figures);

} // namespace clavora
