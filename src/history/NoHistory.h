// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryFigures.h"
#include "HistoryRecorder.h"

namespace clavora {

// No history at all, as when the keyboard is the whole program: nothing is recorded and
// there are no figures, with nothing to report about it either.
class NoHistory final : public HistoryRecorder, public HistoryFigures {
public:
    bool recording() const override { return false; }
    bool addAttempt(const AttemptRecord&) override { return false; }
    bool addGame(const GameRecord&) override { return false; }
    bool forget() override { return false; }

    bool available() const override { return false; }
    QString problem() const override { return {}; }
    bool knownUnavailable() const override { return true; }
    std::vector<DayFigures> dailyFigures(HistoryPeriod) const override { return {}; }
    std::vector<KeyFigures> keyFigures(HistoryPeriod) const override { return {}; }
    std::vector<ConfusionPair> confusionPairs(HistoryPeriod, int = ListedRows) const override { return {}; }
    std::vector<GameFigures> bestGames(int = ListedRows) const override { return {}; }
    std::vector<DayMinutes> minutesPerDay(HistoryPeriod) const override { return {}; }
    int streak() const override { return 0; }
    TypingCalendar calendar() const override { return {}; }
    bool forEachAttempt(const std::function<void(const AttemptRecord&)>&) const override { return false; }
};

} // namespace clavora
