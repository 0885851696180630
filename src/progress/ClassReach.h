// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDateTime>
#include <QString>

namespace clavora {

// How the class server was last found: when it last took or gave records, and, while it
// cannot be reached, why not in words a learner understands (empty while all is well).
struct ClassReach {
    QDateTime lastReached; // invalid: never reached from this machine
    QString problem;

    bool operator==(const ClassReach&) const = default;
};

} // namespace clavora
