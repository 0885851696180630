// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassRosterLoader.h"
#include "ClassConnection.h"
#include "ClassRosterQuery.h"

#include <QPromise>
#include <QSqlError>
#include <QtConcurrent>
#include <atomic>

namespace clavora {
namespace {

void readRoster(QPromise<ClassRoster>& promise, const QString& server, QDate today)
{
    static std::atomic<int> loads = 0;
    const QString name = QStringLiteral("clavora-class-roster-%1").arg(++loads);
    {
        const QSqlDatabase connection = ClassConnection::open(name, server);
        ClassRoster roster;
        if (!connection.isOpen())
            roster.problem = connection.lastError().text();
        else
            roster.teacher = ClassRosterQuery::teaches(connection);
        roster.complete = !roster.teacher;
        promise.addResult(roster);
        if (roster.teacher)
            promise.addResult(ClassRosterQuery::read(connection, today));
    }
    QSqlDatabase::removeDatabase(name);
}

} // namespace

ClassRosterLoader::ClassRosterLoader(QObject* parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<ClassRoster>::resultReadyAt, this,
            [this](int index) { emit answered(watcher_.resultAt(index)); });
}

void ClassRosterLoader::load(const QString& server, QDate today)
{
    watcher_.setFuture(QtConcurrent::run(readRoster, server, today));
}

} // namespace clavora
