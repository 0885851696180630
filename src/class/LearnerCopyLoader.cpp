// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearnerCopyLoader.h"
#include "ClassConnection.h"
#include "ClassDownload.h"
#include "history_store/HistoryStore.h"

#include <QSqlError>
#include <QtConcurrent>

namespace clavora {
namespace {

QString copyLearner(const QString& server, const QString& login, const QString& storePath)
{
    QString problem;
    ClassConnection::use(server, [&](const QSqlDatabase& connection) {
        const HistoryStore store(storePath);
        if (!store.available())
            problem = store.problem();
        else if (!connection.isOpen())
            problem = connection.lastError().text();
        else
            problem = ClassDownload(connection, login).copyInto(store.database());
    });
    return problem;
}

} // namespace

LearnerCopyLoader::LearnerCopyLoader(QObject* parent) : QObject(parent)
{
    connect(&watcher_, &QFutureWatcher<QString>::finished, this, [this] { emit finished(watcher_.result()); });
}

void LearnerCopyLoader::load(const QString& server, const QString& login, const QString& storePath)
{
    watcher_.setFuture(QtConcurrent::run(ClassConnection::threads(), copyLearner, server, login, storePath));
}

} // namespace clavora
