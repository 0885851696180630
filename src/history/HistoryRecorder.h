// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryRecords.h"

namespace clavora {

// Where finished attempts and games go. A history that fails a write is set aside and
// says why in its figures; the exercises and the game go on regardless.
class HistoryRecorder {
public:
    virtual ~HistoryRecorder() = default;

    // False while records handed in are dropped: there is no point in collecting them.
    virtual bool recording() const = 0;
    // Each returns false when the record was not kept.
    virtual bool addAttempt(const AttemptRecord& attempt) = 0;
    virtual bool addGame(const GameRecord& game) = 0;
    // Empties the history, whether recording or not; false when it could not be emptied.
    virtual bool forget() = 0;
};

} // namespace clavora
