// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/PassMarks.h"

#include <QLocale>
#include <QString>

namespace clavora {

// The measures of one attempt.
struct AttemptResult {
    int correct = 0;      // positions where the typed text matches the exercise text
    int length = 0;       // length of the exercise text
    int accuracy = 0;     // percent of the exercise text typed right
    int speed = 0;        // words per minute, a word being any 5 typed characters
    int correctSpeed = 0; // the same for the correct characters alone
};

// An attempt that took no measurable time has a speed of 0 (no division by zero), and an
// empty exercise text an accuracy of 0.
AttemptResult measureAttempt(const QString& exercise, const QString& typed, double elapsedSeconds);

// The status text of an attempt, with the try-again line after CR LF when a mark is
// missed; `counted` tells whether the attempt counts as a pass.
struct Status {
    QString text;
    bool counted = true;
};
Status statusText(const QString& title, int attempt, int requiredPasses, const AttemptResult& result,
                  double elapsedSeconds, const PassMarks& marks, const QLocale& locale = QLocale());

} // namespace clavora
