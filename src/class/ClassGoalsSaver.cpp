// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassGoalsSaver.h"
#include "ClassConnection.h"
#include "ClassGoalsQuery.h"
#include "ClassSchemaVersion.h"

#include <QSqlError>
#include <QtConcurrent>

namespace clavora {
namespace {

QString writeGoals(const QString& server, const QString& className, const ClassGoals& goals)
{
    QString problem;
    ClassConnection::use(server, [&](const QSqlDatabase& connection) {
        if (!connection.isOpen())
            problem = connection.lastError().text();
        else if (!ClassSchemaVersion::holds(connection, ClassSchemaVersion::Goals))
            problem = QCoreApplication::translate("ClassGoalsSaver", "The class server keeps no goals yet: ask whoever "
                                                                     "runs it to update its tables.");
        else
            problem = ClassGoalsQuery::write(connection, className, goals);
    });
    return problem;
}

} // namespace

ClassGoalsSaver::ClassGoalsSaver(QObject* parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<QString>::finished, this, [this] {
        if (written_ && !watcher_.isCanceled())
            written_(watcher_.result());
    });
}

void ClassGoalsSaver::write(const QString& server, const QString& className, const ClassGoals& goals,
                            std::function<void(const QString& problem)> written)
{
    written_ = std::move(written);
    watcher_.setFuture(QtConcurrent::run(ClassConnection::threads(), writeGoals, server, className, goals));
}

} // namespace clavora
