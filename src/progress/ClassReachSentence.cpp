// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassReachSentence.h"

#include <QRegularExpression>

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

QString ClassReachSentence::unreachable(const QString& serverText)
{
    struct Reason {
        const char* pattern;
        const char* words;
    };
    // libpq's messages, most telling first: a refused login also mentions the server.
    static const Reason reasons[] = {
        {"password authentication failed|no password supplied|no pg_hba\\.conf entry|role .* does not exist|"
         "permission denied for database",
            QT_TR_NOOP("it did not let you in. Ask your teacher to check your login, and keep your password "
                       "in ~/.pgpass.")},
        {"definition of service .* not found|service file .* not found",
            QT_TR_NOOP("the service named in the setting is not in your service file.")},
        {"certificate|SSL|GSSAPI", QT_TR_NOOP("its secure connection could not be checked. Ask your teacher.")},
        {"database .* does not exist", QT_TR_NOOP("it has no class of that name. Check the setting.")},
        {"could not translate host name|Name or service not known|Temporary failure in name resolution",
            QT_TR_NOOP("its name is not known on this network. Check the setting and the network.")},
        {"timeout expired|timed out", QT_TR_NOOP("it did not answer in time.")},
        {"Connection refused|No such file or directory|Network is unreachable|No route to host|"
         "server closed the connection|terminating connection|could not connect",
            QT_TR_NOOP("it is not running, or this computer cannot reach it.")},
    };
    for (const Reason& reason : reasons) {
        const QRegularExpression pattern(QLatin1String(reason.pattern), QRegularExpression::CaseInsensitiveOption);
        if (serverText.contains(pattern))
            return tr("The class server could not be reached: %1").arg(tr(reason.words));
    }
    return tr("The class server could not be reached: %1").arg(serverText.simplified());
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
