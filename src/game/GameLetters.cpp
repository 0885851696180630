// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameLetters.h"

#include "exercises/RandomExercises.h"
#include "history/WeakKeyWeights.h"
#include "settings/AppSettings.h"

namespace clavora {

GameLetters gameLetters(const AppSettings& settings, const HistoryFigures& figures)
{
    const QString allowed = keysAllowed(settings);
    if (!settings.weakKeyGame)
        return {allowed, false};
    if (figures.available()) {
        const WeakKeyWeights weights = WeakKeyWeights::fromHistory(figures, allowed);
        if (!weights.empty())
            return {weights.pool(), false};
    }
    return {allowed, true};
}

} // namespace clavora
