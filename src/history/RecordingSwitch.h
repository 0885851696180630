// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryRecorder.h"

namespace clavora {

struct AppSettings;

// "Record my progress": passes records on to the history while it is ticked and drops them
// while it is not, whenever it was switched. The one place that reads the setting.
class RecordingSwitch final : public HistoryRecorder {
public:
    RecordingSwitch(const AppSettings& settings, HistoryRecorder& history) : settings_(settings), history_(history) {}

    bool recording() const override;
    bool addAttempt(const AttemptRecord& attempt) override { return recording() && history_.addAttempt(attempt); }
    bool addGame(const GameRecord& game) override { return recording() && history_.addGame(game); }
    bool forget() override { return history_.forget(); }

private:
    const AppSettings& settings_;
    HistoryRecorder& history_;
};

} // namespace clavora
