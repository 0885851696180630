// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassSender.h"
#include "ClassConnection.h"
#include "ClassDownload.h"
#include "ClassGapRepair.h"
#include "ClassGoalsQuery.h"
#include "ClassSchemaVersion.h"
#include "ClassUpload.h"
#include "history_store/HistoryStore.h"
#include "history_store/Outbox.h"
#include "progress/ClassReachSentence.h"
#include "settings/ClassServerCheck.h"

#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace clavora {
namespace {

constexpr int idleMilliseconds = 30 * 1000;
// The learner's other machines may be in use at the same time.
constexpr qint64 fetchIntervalMilliseconds = 5 * 60 * 1000;
// Records sent in one statement: a long queue goes in few round trips, and a stop waits
// for one statement at most.
constexpr int batch = 500;

// The server's text without its line breaks: libpq ends lines with them.
QString serverText(const QSqlError& error)
{
    return error.text().simplified();
}

} // namespace

ClassSender::ClassSender(QString storePath, std::shared_ptr<const std::atomic_bool> stopping)
    : storePath_(std::move(storePath)), stopping_(std::move(stopping)), retry_(this), idle_(this)
{
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &ClassSender::sendNow);
    // A school's server serves every running program: none holds a connection it does not use.
    idle_.setSingleShot(true);
    idle_.setInterval(idleMilliseconds);
    connect(&idle_, &QTimer::timeout, this, &ClassSender::closeServer);
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
    fetched_.invalidate();
    retry_.stop();
    backoff_.reset();
    report({});
    sendNow();
}

void ClassSender::closeServer()
{
    upload_.reset();
    gapsChecked_ = false; // the next connection may meet a server restored or failed over
    if (connectionName_.isEmpty())
        return;
    QSqlDatabase::database(connectionName_, false).close();
    QSqlDatabase::removeDatabase(connectionName_);
    connectionName_.clear();
}

QString ClassSender::openServer()
{
    if (upload_)
        return {};
    // A file edited by hand may hold what the dialog refuses, a password above all.
    if (const QString refusal = ClassServerCheck::refusal(server_); !refusal.isEmpty())
        return refusal;
    QSqlDatabase server = ClassConnection::open(server_);
    connectionName_ = server.connectionName();
    if (!server.isOpen())
        return ClassReachSentence::unreachable(server.lastError().nativeErrorCode(), server.lastError().text());
    QString error;
    switch (ClassSchemaVersion::check(server, &error)) {
    case ClassSchemaVersion::State::Usable: {
        // A teacher who practises keeps their records on their own machine.
        QSqlQuery learner(server);
        learner_ = learner.exec(QStringLiteral("SELECT pg_has_role('clavora_learner', 'MEMBER')")) && learner.next()
                   && learner.value(0).toBool();
        goals_ = learner_ && ClassSchemaVersion::holds(server, ClassSchemaVersion::Goals);
        if (goals_) {
            const std::optional<ClassGoals> goals = ClassGoalsQuery::followed(server, &error);
            if (!goals)
                return tr("The class server did not give your class's goals: %1").arg(error.simplified());
            emit goalsRead(*goals);
        }
        upload_ = std::make_unique<ClassUpload>(server);
        return {};
    }
    case ClassSchemaVersion::State::Newer:
        return tr("The class server is newer than this version of Clavora, which sends nothing to it until it is "
                  "updated.");
    case ClassSchemaVersion::State::Older:
        return tr("The class server is older than this version of Clavora: ask whoever runs it to update its tables.");
    case ClassSchemaVersion::State::Unreadable: break;
    }
    return tr("The class server has no class tables of Clavora: %1").arg(error.simplified());
}

QString ClassSender::sendQueued()
{
    if (!learner_)
        return {};
    if (!store_)
        store_ = std::make_unique<HistoryStore>(storePath_);
    if (!store_->available())
        return store_->problem();
    QSqlDatabase server = QSqlDatabase::database(connectionName_, false);
    Outbox outbox(store_->database());
    const QUuid machine = outbox.machine();
    // A batch the server refuses for what one of its rows holds goes again a row at a time,
    // so that the row it refuses, said once in the program's log, stops nothing after it.
    const auto sendEach = [&](auto records, const auto& sendRecords) -> QString {
        QString error = sendRecords(records);
        if (error.isEmpty() || !upload_->refusedARow())
            return error;
        for (auto& record : records) {
            error = sendRecords(std::vector{record});
            if (!error.isEmpty() && !upload_->refusedARow())
                return error;
            if (!error.isEmpty())
                qWarning("The class server refused a record for good: %s", qPrintable(error.simplified()));
        }
        return QString();
    };
    const auto send = [&](const auto& read, const auto& sendRecords) -> QString {
        for (auto records = read(); !records.empty() && !*stopping_; records = read()) {
            const QString error = sendEach(records, sendRecords);
            if (!error.isEmpty())
                return tr("The class server did not take your records: %1")
                    .arg(ClassReachSentence::reason(upload_->lastError().nativeErrorCode(), error));
            if (!outbox.confirm(records))
                return tr("Your history cannot be written: %1").arg(serverText(store_->database().lastError()));
        }
        return QString();
    };
    if (!gapsChecked_) {
        if (const QString error = ClassGapRepair::queueWhatWasLost(server, outbox, machine); !error.isEmpty())
            return tr("The class server did not say what it holds of your records: %1")
                .arg(ClassReachSentence::reason({}, error));
        gapsChecked_ = true;
    }
    // Sent before anything is fetched, so that whatever the fetch meets never holds them up.
    QString error = send([&] { return outbox.attempts(batch); },
                         [&](const auto& attempts) { return upload_->sendAttempts(machine, attempts); });
    if (error.isEmpty())
        error = send([&] { return outbox.games(batch); },
                     [&](const auto& games) { return upload_->sendGames(machine, games); });
    if (error.isEmpty())
        error = send([&] { return outbox.days(batch); },
                     [&](const auto& days) { return upload_->sendDays(machine, days); });
    // Letters the server refuses stop nothing: the teacher's page misses them until they change.
    if (error.isEmpty() && goals_ && letters_ != lettersSent_) {
        if (const QString refusal = ClassGoalsQuery::sendLetters(server, letters_); !refusal.isEmpty())
            qWarning("The class server did not take the course's letters: %s", qPrintable(refusal.simplified()));
        lettersSent_ = letters_;
    }
    if (error.isEmpty() && (!fetched_.isValid() || fetched_.hasExpired(fetchIntervalMilliseconds))) {
        QSqlQuery login(server);
        if (!login.exec(QStringLiteral("SELECT current_user")) || !login.next())
            return tr("The class server did not give your records: %1")
                .arg(ClassReachSentence::reason(login.lastError().nativeErrorCode(), login.lastError().text()));
        error = ClassDownload(server, login.value(0).toString()).copyInto(store_->database(), machine);
        if (!error.isEmpty())
            return tr("The class server did not give your records: %1").arg(ClassReachSentence::reason({}, error));
        fetched_.start();
    }
    return error;
}

void ClassSender::sendNow()
{
    if (server_.isEmpty() || retry_.isActive() || *stopping_)
        return;
    idle_.stop();
    QString problem = openServer();
    if (problem.isEmpty())
        problem = sendQueued();
    if (problem.isEmpty()) {
        backoff_.reset();
        idle_.start();
        report({QDateTime::currentDateTime(), QString()});
        return;
    }
    // A connection that failed once is made anew, after a pause.
    closeServer();
    retry_.start(backoff_.nextWaitMilliseconds(*QRandomGenerator::global()));
    // Said once: the first problem stands until the server is reached again.
    report({reach_.lastReached, reach_.problem.isEmpty() ? problem : reach_.problem});
}

void ClassSender::setCourseLetters(const QString& letters)
{
    letters_ = letters;
}

void ClassSender::report(const ClassReach& reach)
{
    if (reach == reach_)
        return;
    reach_ = reach;
    emit reachChanged(reach_);
}

} // namespace clavora
