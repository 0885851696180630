#include "Evaluation.h"

#include "common/Numbers.h"

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
    Status s;
    s.text = title;
    if (requiredPasses > 1)
        s.text += QStringLiteral(" (%1 of %2)").arg(attempt).arg(requiredPasses);
    s.text += QStringLiteral(": %1/%2 (%3%) correct, ").arg(r.correct).arg(r.length).arg(r.accuracy);
    s.text += formatTenths(elapsedSeconds, locale);
    s.text += QStringLiteral(" seconds, %1 WPM, %2 correct WPM.").arg(r.speed).arg(r.correctSpeed);
    if (r.accuracy < marks.minAccuracy) {
        s.counted = false;
        s.text += QStringLiteral("\r\nLess than %1% correct - try again.").arg(marks.minAccuracy);
    } else if (r.speed < marks.minSpeed) {
        s.counted = false;
        s.text += QStringLiteral("\r\nSlower than %1 WPM - try again.").arg(marks.minSpeed);
    }
    return s;
}

} // namespace clavora
