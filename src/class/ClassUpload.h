// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history_store/ClassRecords.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <vector>

namespace clavora {

// Sends a learner's records to the class server over an open connection, each so that
// sending it again changes nothing: attempts and games by the id the store gave them, a
// day's key figures as the machine's running totals for the day, which only ever rise. Each
// call sends its records in one transaction of one statement per table, so that a long
// queue costs few round trips, and prepares nothing, so that a pooler in transaction mode
// serves it. The rows belong to the connection's login; the server takes no other. Each
// method returns the server's error text, empty once the records are there.
class ClassUpload {
public:
    explicit ClassUpload(QSqlDatabase connection) : connection_(std::move(connection)) {}

    QString sendAttempts(const QUuid& machine, const std::vector<ClassAttempt>& attempts);
    // Games and their letters.
    QString sendGames(const QUuid& machine, const std::vector<ClassGame>& games);
    // Each day at most once in a call.
    QString sendDays(const QUuid& machine, const std::vector<ClassDay>& days);
    // Whether the last send failed because the server refused what a row holds (a check, a
    // value out of range), which sending again never mends.
    bool refusedARow() const;
    // Why the last send failed, with its SQLSTATE; no error once it succeeded.
    const QSqlError& lastError() const { return error_; }

private:
    QString run(const std::vector<std::pair<const char*, QVariantList>>& statements);

    QSqlDatabase connection_;
    QSqlError error_;
};

} // namespace clavora
