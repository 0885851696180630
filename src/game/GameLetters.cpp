// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameLetters.h"

#include "exercises/RandomExercises.h"
#include "history/HistoryStore.h"
#include "history/WeakKeyWeights.h"
#include "settings/AppSettings.h"

namespace clavora {

GameLetters gameLetters(const AppSettings& settings, const HistoryStore* history, const Clock& clock)
{
    const QString allowed = keysAllowed(settings);
    if (!settings.weakKeyGame)
        return {allowed, false};
    if (history && history->available()) {
        const WeakKeyWeights weights = WeakKeyWeights::fromHistory(ProgressQueries(*history, clock), allowed);
        if (!weights.empty())
            return {weights.pool(), false};
    }
    return {allowed, true};
}

} // namespace clavora
