// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassReachSentence.h"

namespace clavora {

QString ClassReachSentence::when(const QDateTime& moment, const QDateTime& now)
{
    const QDateTime local = moment.toLocalTime();
    const QString time = local.toString(QStringLiteral("HH:mm"));
    const qint64 daysAgo = local.date().daysTo(now.toLocalTime().date());
    if (daysAgo == 0)
        return tr("today at %1").arg(time);
    if (daysAgo == 1)
        return tr("yesterday at %1").arg(time);
    return tr("on %1 at %2").arg(local.date().toString(Qt::ISODate), time);
}

QString ClassReachSentence::of(const ClassReach& reach, const QDateTime& now)
{
    const bool reached = reach.lastReached.isValid();
    if (reach.problem.isEmpty())
        return reached ? tr("Your class was last reached %1.").arg(when(reach.lastReached, now))
                       : tr("Your class has not been reached yet.");
    QString problem = reach.problem.trimmed();
    if (!problem.endsWith(u'.'))
        problem += u'.';
    const QString kept = tr("Your attempts are kept here and sent once it can be reached.");
    return reached ? tr("Your class cannot be reached: %1 It was last reached %2. %3")
                         .arg(problem, when(reach.lastReached, now), kept)
                   : tr("Your class cannot be reached: %1 %2").arg(problem, kept);
}

} // namespace clavora
