// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassRosterLoader.h"
#include "ClassConnection.h"
#include "ClassRosterQuery.h"

#include <QPromise>
#include <QSqlError>
#include <QtConcurrent>

namespace clavora {
namespace {

void readRoster(QPromise<ClassRoster>& promise, const QString& server, QDate today)
{
    ClassConnection::use(server, [&](const QSqlDatabase& connection) {
        ClassRoster roster;
        if (!connection.isOpen())
            roster.problem = connection.lastError().text();
        else
            roster.teacher = ClassRosterQuery::teaches(connection);
        roster.complete = !roster.teacher;
        promise.addResult(roster);
        if (roster.teacher)
            promise.addResult(ClassRosterQuery::read(connection, today));
    });
}

} // namespace

ClassRosterLoader::ClassRosterLoader(QObject* parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<ClassRoster>::resultReadyAt, this, [this](int index) {
        if (answered_)
            answered_(watcher_.resultAt(index));
    });
}

void ClassRosterLoader::load(const QString& server, QDate today, std::function<void(const ClassRoster&)> answered)
{
    answered_ = std::move(answered);
    watcher_.setFuture(QtConcurrent::run(ClassConnection::threads(), readRoster, server, today));
}

} // namespace clavora
