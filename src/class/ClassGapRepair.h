// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QSqlDatabase;
class QUuid;

namespace clavora {

class Outbox;

// What the class server lost of this machine's records (restored from an older dump, or
// failed over to a standby that lagged), found when the machine connects from the one row
// the server keeps of each machine's counts, and queued again: the days whose counts fall
// short are sent anew, which changes nothing of what the server still has.
class ClassGapRepair {
public:
    // The server's or the store's error text; empty when nothing was lost or what was is
    // queued again.
    static QString queueWhatWasLost(const QSqlDatabase& server, Outbox& outbox, const QUuid& machine);
};

} // namespace clavora
