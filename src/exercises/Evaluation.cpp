// SPDX-License-Identifier: GPL-3.0-or-later
#include "Evaluation.h"

#include "common/Numbers.h"

#include <QCoreApplication>

namespace clavora {

namespace {
int wordsPerMinute(int characters, float minutes)
{
    if (!(minutes > 0.0f))
        return 0;
    return saturateToInt16(roundHalfEven(characters / 5.0 / double(minutes)));
}
} // namespace

AttemptResult measureAttempt(const QString& exercise, const QString& typed, double elapsedSeconds)
{
    AttemptResult r;
    r.length = int(exercise.size());
    const qsizetype compared = std::min(exercise.size(), typed.size());
    for (qsizetype i = 0; i < compared; ++i)
        if (exercise[i] == typed[i])
            ++r.correct;
    r.accuracy = r.length > 0 ? int(roundHalfEven(double(r.correct) / r.length * 100)) : 0;
    const float minutes = float(elapsedSeconds / 60);
    r.speed = wordsPerMinute(int(typed.size()), minutes);
    r.correctSpeed = wordsPerMinute(r.correct, minutes);
    return r;
}

Status statusText(const QString& title, int attempt, int requiredPasses, const AttemptResult& r,
                  double elapsedSeconds, const PassMarks& marks, const QLocale& locale)
{
    const auto number = [](int n) { return QString::number(n); };
    const QString heading =
        requiredPasses > 1
            ? QCoreApplication::translate("Evaluation", "%1 (%2 of %3)").arg(title, number(attempt), number(requiredPasses))
            : title;
    Status s;
    s.text = QCoreApplication::translate("Evaluation", "%1: %2/%3 (%4%) correct, %5 seconds, %6 WPM, %7 correct WPM.")
                 .arg(heading, number(r.correct), number(r.length), number(r.accuracy),
                      formatTenths(elapsedSeconds, locale), number(r.speed), number(r.correctSpeed));
    if (r.accuracy < marks.minAccuracy) {
        s.counted = false;
        s.text += QStringLiteral("\r\n") +
                  QCoreApplication::translate("Evaluation", "Less than %1% correct - try again.").arg(marks.minAccuracy);
    } else if (r.speed < marks.minSpeed) {
        s.counted = false;
        s.text += QStringLiteral("\r\n") +
                  QCoreApplication::translate("Evaluation", "Slower than %1 WPM - try again.").arg(marks.minSpeed);
    }
    return s;
}

} // namespace clavora
