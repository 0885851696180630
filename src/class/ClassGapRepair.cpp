// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassGapRepair.h"
#include "ClassStatement.h"
#include "history_store/Outbox.h"

#include <QSqlError>
#include <QUuid>

namespace clavora {
namespace {

QString errorOf(const QSqlQuery& query)
{
    return query.lastError().type() == QSqlError::NoError ? QString() : query.lastError().text();
}

} // namespace

QString ClassGapRepair::queueWhatWasLost(const QSqlDatabase& server, Outbox& outbox, const QUuid& machine)
{
    const QString id = machine.toString(QUuid::WithoutBraces);
    QSqlQuery totals = ClassStatement::run(server,
                                           QStringLiteral("SELECT attempts, games FROM clavora.machine_totals"
                                                          " WHERE learner = current_user AND machine = ?::uuid"),
                                           {id});
    // SQLSTATE 42P01, no such table: a server of the first migration keeps no counts.
    if (totals.lastError().nativeErrorCode() == QLatin1String("42P01"))
        return {};
    if (const QString error = errorOf(totals); !error.isEmpty())
        return error;
    const bool counted = totals.next();
    const Outbox::Confirmed there{counted ? totals.value(0).toLongLong() : 0, counted ? totals.value(1).toLongLong() : 0};
    const Outbox::Confirmed here = outbox.confirmed();
    if (there.attempts >= here.attempts && there.games >= here.games)
        return {};

    QSqlQuery days = ClassStatement::run(
        server,
        QStringLiteral("SELECT day, sum(attempts), sum(games) FROM ("
                       " SELECT day, count(*) AS attempts, 0 AS games FROM clavora.attempts"
                       " WHERE learner = current_user AND machine = ?::uuid GROUP BY day UNION ALL"
                       " SELECT day, 0, count(*) FROM clavora.games WHERE learner = current_user AND machine = ?::uuid"
                       " GROUP BY day) AS t GROUP BY day"),
        {id, id});
    std::map<QDate, Outbox::Confirmed> onServer;
    while (days.next())
        onServer[days.value(0).toDate()] = {days.value(1).toLongLong(), days.value(2).toLongLong()};
    if (const QString error = errorOf(days); !error.isEmpty())
        return error;
    std::vector<QDate> lost;
    for (const auto& [day, held] : outbox.perDay()) {
        const Outbox::Confirmed& sent = onServer[day];
        if (sent.attempts < held.attempts || sent.games < held.games)
            lost.push_back(day);
    }
    if (!outbox.queueAgain(lost))
        return QStringLiteral("the history cannot be written");
    return {};
}

} // namespace clavora
