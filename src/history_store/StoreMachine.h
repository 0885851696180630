// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

class QSqlDatabase;

namespace clavora {

// The machine a store sends to the class as: its UUID, kept with the place the store was last
// opened at (the computer's and the file's). A store opened elsewhere is a copy or has moved:
// it becomes a machine of its own, so that two copies of one history never send as one
// machine. What the server already confirmed stays the old machine's, as the server has it;
// what is still queued is sent by the new one, so that a store that moved loses nothing.
class StoreMachine {
public:
    // The place of the store file at `path` on this computer.
    static QString placeOf(const QString& path);
    // Keeps `place` and, when the store was last opened at another, takes a new UUID. False
    // when the store cannot be written.
    static bool settle(QSqlDatabase& store, const QString& place);
};

} // namespace clavora
