// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history/HistoryRecords.h"

#include <QDate>
#include <QUuid>

namespace clavora {

// Records as they travel between the store and the class server: each attempt and game by
// the UUID it has in both, on the local day of the machine that made it; a day's key
// figures as that machine's running totals for the day.
struct ClassAttempt {
    qint64 row = 0; // in this store, for the outbox
    QUuid id;
    QDate day;
    AttemptRecord record;
};

struct ClassGame {
    qint64 row = 0;
    QUuid id;
    QDate day;
    GameRecord record;
};

struct ClassDay {
    QDate day;
    qint64 changes = 0; // how often the outbox saw the day change, to confirm what was read
    KeystrokeTally totals;
};

} // namespace clavora
