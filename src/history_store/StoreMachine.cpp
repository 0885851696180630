// SPDX-License-Identifier: GPL-3.0-or-later
#include "StoreMachine.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUuid>

namespace clavora {

QString StoreMachine::placeOf(const QString& path)
{
    // The computer's own id (empty where the system keeps none) and the file's real path,
    // the same through any link to it.
    return QString::fromLatin1(QSysInfo::machineUniqueId()) + u'\n' + QFileInfo(path).canonicalFilePath();
}

bool StoreMachine::settle(QSqlDatabase& store, const QString& place)
{
    if (!store.transaction())
        return false;
    QSqlQuery query(store);
    const auto run = [&](const QString& sql, const QVariant& value) {
        query.prepare(sql);
        query.addBindValue(value);
        return query.exec();
    };
    bool settled = query.exec(QStringLiteral("SELECT place FROM machine"));
    const QVariant kept = settled && query.next() ? query.value(0) : QVariant(place);
    if (settled && kept.toString() != place) {
        settled = run(QStringLiteral("UPDATE machine SET place = ?"), place);
        // A store kept before its place was is where it was.
        if (!kept.isNull())
            settled = settled
                      && query.exec(QStringLiteral("UPDATE attempts SET machine = (SELECT uuid FROM machine) WHERE"
                                                   " machine IS NULL AND id NOT IN (SELECT attempt FROM outbox_attempts)"))
                      && query.exec(QStringLiteral("UPDATE games SET machine = (SELECT uuid FROM machine) WHERE"
                                                   " machine IS NULL AND id NOT IN (SELECT game FROM outbox_games)"))
                      && run(QStringLiteral("UPDATE machine SET uuid = ?"),
                             QUuid::createUuid().toString(QUuid::WithoutBraces));
    }
    if (settled && store.commit())
        return true;
    store.rollback();
    return false;
}

} // namespace clavora
