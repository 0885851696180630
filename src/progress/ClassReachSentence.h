// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassReach.h"

#include <QCoreApplication>

namespace clavora {

// The one line the progress window shows about the class: when this machine last reached
// the class server, or why it cannot, in words a learner understands.
class ClassReachSentence {
    Q_DECLARE_TR_FUNCTIONS(ClassReachSentence)

public:
    static QString of(const ClassReach& reach, const QDateTime& now);
    // Why the server failed, as a learner can act on it: from the SQLSTATE, which the server
    // sends the same whatever language it answers in; without one (libpq's own failures, and
    // the server's at login, which libpq gives no SQLSTATE of), from the driver's text, whose
    // libpq part the class's threads read in English. The text itself where neither says
    // anything known.
    static QString reason(const QString& sqlState, const QString& serverText);
    // "The class server could not be reached: " and the reason.
    static QString unreachable(const QString& sqlState, const QString& serverText);

private:
    // "today at 14:05", "yesterday at 09:10", "on 2026-03-02 at 09:10".
    static QString when(const QDateTime& moment, const QDateTime& now);
};

} // namespace clavora
