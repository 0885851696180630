// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

namespace clavora {

// What the Coach says after a line, in place of the status box.
struct CoachResult {
    Q_DECLARE_TR_FUNCTIONS(CoachResult)

public:
    // The status and every mistake, for the log.
    QString logText;
    // The same for the result strip: the figures and any missed mark on one line, the
    // mistakes on the next.
    QString stripText;

    // `status` as the status box would show it.
    static CoachResult of(const QString& status, const QString& exercise, const QString& typed);
};

} // namespace clavora
