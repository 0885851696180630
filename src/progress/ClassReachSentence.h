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
    // Why the server could not be reached, from the driver's text (libpq's English), as a
    // learner can act on it; the text itself where it says nothing known.
    static QString unreachable(const QString& serverText);

private:
    // "today at 14:05", "yesterday at 09:10", "on 2026-03-02 at 09:10".
    static QString when(const QDateTime& moment, const QDateTime& now);
};

} // namespace clavora
