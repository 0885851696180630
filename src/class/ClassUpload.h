// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history_store/ClassRecords.h"

#include <QSqlQuery>
#include <vector>

class QSqlDatabase;

namespace clavora {

// Sends a learner's records to the class server over an open connection (made anew for each
// connection: it prepares its statements there), each so that sending it again changes
// nothing: attempts and games by the id the store gave them, a day's key figures as the
// machine's running totals for the day, which only ever rise. Each call sends its records in
// one statement per table, so that a long queue costs few round trips. The rows belong to
// the connection's login; the server takes no other. Each method returns the server's error
// text, empty once the records are there.
class ClassUpload {
public:
    explicit ClassUpload(const QSqlDatabase& connection);

    QString sendAttempts(const QUuid& machine, const std::vector<ClassAttempt>& attempts);
    // Games and their letters; a game cut short by a lost connection is completed by
    // sending it again.
    QString sendGames(const QUuid& machine, const std::vector<ClassGame>& games);
    // Each day at most once in a call.
    QString sendDays(const QUuid& machine, const std::vector<ClassDay>& days);

private:
    QString run(QSqlQuery& query, const QVariantList& values) const;

    QString error_; // of preparing the statements
    QSqlQuery attempts_;
    QSqlQuery games_;
    QSqlQuery gameLetters_;
    QSqlQuery keystrokes_;
    QSqlQuery lineEdits_;
};

} // namespace clavora
