// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassSender.h"
#include "ClassDownload.h"
#include "ClassSchemaVersion.h"
#include "ClassUpload.h"
#include "history_store/HistoryStore.h"
#include "history_store/Outbox.h"

#include <QAtomicInt>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace clavora {
namespace {

constexpr int longestPauseSeconds = 300;
// Records sent in one statement: a long queue goes in few round trips, and a stop waits
// for one statement at most.
constexpr int batch = 500;

QString newConnectionName()
{
    static QAtomicInt counter;
    return QStringLiteral("clavora-class-%1").arg(counter.fetchAndAddRelaxed(1));
}

// A password belongs in libpq's own files: one in the setting would sit in Clavora.ini.
bool holdsPassword(const QString& connection)
{
    static const QRegularExpression password(QStringLiteral("(^|\\s)password\\s*="),
                                             QRegularExpression::CaseInsensitiveOption);
    return connection.contains(password);
}

// The server's text without its line breaks: libpq ends lines with them.
QString serverText(const QSqlError& error)
{
    return error.text().simplified();
}

} // namespace

ClassSender::ClassSender(QString storePath, std::shared_ptr<const std::atomic_bool> stopping)
    : storePath_(std::move(storePath)), stopping_(std::move(stopping)), connectionName_(newConnectionName()),
      retry_(this)
{
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &ClassSender::sendNow);
}

ClassSender::~ClassSender()
{
    closeServer();
}

void ClassSender::setServer(const QString& connection)
{
    if (connection == server_)
        return;
    closeServer();
    server_ = connection;
    retry_.stop();
    pauseSeconds_ = 1;
    report({});
    sendNow();
}

void ClassSender::closeServer()
{
    if (!QSqlDatabase::contains(connectionName_))
        return;
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
}

QString ClassSender::openServer()
{
    if (QSqlDatabase::database(connectionName_, false).isOpen())
        return {};
    if (holdsPassword(server_))
        return tr("The class server's setting holds a password, which Clavora does not use: keep it in "
                  "~/.pgpass instead.");
    fetched_ = false;
    {
        QSqlDatabase server = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
        // The driver passes the options to libpq as a connection string; the setting's own
        // connect_timeout, later in it, wins.
        server.setConnectOptions(QStringLiteral("connect_timeout=10 ") + server_);
        if (!server.open())
            return tr("The class server could not be reached: %1").arg(serverText(server.lastError()));
        QString error;
        switch (ClassSchemaVersion::check(server, &error)) {
        case ClassSchemaVersion::State::Usable: return {};
        case ClassSchemaVersion::State::Newer:
            return tr("The class server is newer than this version of Clavora, which sends nothing to it until it "
                      "is updated.");
        case ClassSchemaVersion::State::Older:
            return tr("The class server is older than this version of Clavora: ask whoever runs it to update its "
                      "tables.");
        case ClassSchemaVersion::State::Unreadable: break;
        }
        server.close();
        return tr("The class server has no class tables of Clavora: %1").arg(error.simplified());
    }
}

QString ClassSender::sendQueued()
{
    if (!store_)
        store_ = std::make_unique<HistoryStore>(storePath_);
    if (!store_->available())
        return store_->problem();
    QSqlDatabase server = QSqlDatabase::database(connectionName_, false);
    Outbox outbox(store_->database());
    const QUuid machine = outbox.machine();
    if (!fetched_) {
        QSqlQuery login(server);
        if (!login.exec(QStringLiteral("SELECT current_user")) || !login.next())
            return tr("The class server did not give your records: %1").arg(serverText(login.lastError()));
        const QString error = ClassDownload(server, login.value(0).toString()).copyInto(store_->database(), machine);
        if (!error.isEmpty())
            return tr("The class server did not give your records: %1").arg(error.simplified());
        fetched_ = true;
    }
    ClassUpload upload(server);
    const auto send = [&](const auto& read, const auto& sendRecords) -> QString {
        for (auto records = read(); !records.empty() && !*stopping_; records = read()) {
            const QString error = sendRecords(records);
            if (!error.isEmpty())
                return tr("The class server did not take your records: %1").arg(error.simplified());
            if (!outbox.confirm(records))
                return tr("Your history cannot be written: %1").arg(serverText(store_->database().lastError()));
        }
        return QString();
    };
    QString error = send([&] { return outbox.attempts(batch); },
                         [&](const auto& attempts) { return upload.sendAttempts(machine, attempts); });
    if (error.isEmpty())
        error = send([&] { return outbox.games(batch); }, [&](const auto& games) { return upload.sendGames(machine, games); });
    if (error.isEmpty())
        error = send([&] { return outbox.days(batch); }, [&](const auto& days) { return upload.sendDays(machine, days); });
    return error;
}

void ClassSender::sendNow()
{
    if (server_.isEmpty() || retry_.isActive() || *stopping_)
        return;
    QString problem = openServer();
    if (problem.isEmpty())
        problem = sendQueued();
    if (problem.isEmpty()) {
        pauseSeconds_ = 1;
        report({QDateTime::currentDateTime(), QString()});
        return;
    }
    // A connection that failed once is made anew.
    closeServer();
    retry_.start(pauseSeconds_ * 1000);
    pauseSeconds_ = std::min(2 * pauseSeconds_, longestPauseSeconds);
    // Said once: the first problem stands until the server is reached again.
    report({reach_.lastReached, reach_.problem.isEmpty() ? problem : reach_.problem});
}

void ClassSender::report(const ClassReach& reach)
{
    if (reach == reach_)
        return;
    reach_ = reach;
    emit reachChanged(reach_);
}

} // namespace clavora
