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

QString ClassReachSentence::reason(const QString& sqlState, const QString& serverText)
{
    static const char* const refused =
        QT_TR_NOOP("it did not let you in. Ask your teacher to check your login, and keep your password in ~/.pgpass.");
    static const char* const unanswered = QT_TR_NOOP("it did not answer in time.");
    static const char* const down = QT_TR_NOOP("it is not running, or this computer cannot reach it.");
    static const char* const noClass = QT_TR_NOOP("it has no class of that name. Check the setting.");
    static const char* const busy =
        QT_TR_NOOP("it is short of connections, memory or disk just now. Clavora tries again by itself.");
    struct Reason {
        const char* pattern;
        const char* words;
    };
    // SQLSTATEs and their classes, the most precise first.
    static const Reason states[] = {
        {"28", refused}, // invalid authorization
        {"42501", refused}, // insufficient privilege: no CONNECT on the database, or not a learner
        {"3D000", noClass}, // no such database
        {"57014", unanswered}, // canceled: the statement's time limit
        {"57", down}, // the server is shutting down or starting
        {"08", down}, // the connection failed or broke
        {"53", busy},
    };
    for (const Reason& state : states) {
        if (!sqlState.isEmpty() && sqlState.startsWith(QLatin1String(state.pattern)))
            return tr(state.words);
    }
    // libpq's messages, most telling first: a refused login also mentions the server.
    static const Reason texts[] = {
        {"password authentication failed|no password supplied|no pg_hba\\.conf entry|role .* does not exist|"
         "permission denied for database",
            refused},
        {"too many clients|too many connections|remaining connection slots",
            busy},
        {"definition of service .* not found|service file .* not found",
            QT_TR_NOOP("the service named in the setting is not in your service file.")},
        {"certificate|SSL|GSSAPI", QT_TR_NOOP("its secure connection could not be checked. Ask your teacher.")},
        {"database .* does not exist", noClass},
        {"could not translate host name|Name or service not known|Temporary failure in name resolution",
            QT_TR_NOOP("its name is not known on this network. Check the setting and the network.")},
        {"timeout expired|timed out", unanswered},
        {"Connection refused|No such file or directory|Network is unreachable|No route to host|"
         "server closed the connection|terminating connection|could not connect|the database system is",
            down},
    };
    for (const Reason& text : texts) {
        const QRegularExpression pattern(QLatin1String(text.pattern), QRegularExpression::CaseInsensitiveOption);
        if (serverText.contains(pattern))
            return tr(text.words);
    }
    return serverText.simplified();
}

QString ClassReachSentence::unreachable(const QString& sqlState, const QString& serverText)
{
    return tr("The class server could not be reached: %1").arg(reason(sqlState, serverText));
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
