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
    // The status, or the mark it missed, and the most frequent mistakes on one line, for the
    // result strip.
    QString stripText;

    // `status` as the status box would show it.
    static CoachResult of(const QString& status, const QString& exercise, const QString& typed);
    // The mistakes the strip names at most: more would not fit its line.
    static constexpr int StripMistakes = 2;
};

} // namespace clavora
