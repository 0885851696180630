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
    // The problem is the sender's own sentence; this one only adds when and what happens now.
    QString problem = reach.problem.trimmed();
    if (!problem.endsWith(u'.'))
        problem += u'.';
    if (reached)
        problem += u' ' + tr("It was last reached %1.").arg(when(reach.lastReached, now));
    return problem + u' ' + tr("Your attempts are kept here and sent once it can be reached.");
}

} // namespace clavora
