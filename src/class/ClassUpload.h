// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history/HistoryRecords.h"

#include <QDate>
#include <QSqlQuery>
#include <QUuid>

class QSqlDatabase;

namespace clavora {

// Sends a learner's records to the class server over an open connection (made anew for each
// connection: it prepares its statements there), each so that sending it again changes
// nothing: attempts and games by the id the store gave them, a day's key figures as this
// machine's running totals for the day, which only ever rise. The rows belong to the
// connection's login; the server takes no other. Each method returns the server's error
// text, empty once the record is there.
class ClassUpload {
public:
    explicit ClassUpload(const QSqlDatabase& connection);

    QString sendAttempt(const QUuid& id, const AttemptRecord& attempt);
    // A game and its letters; a game cut short by a lost connection is completed by
    // sending it again.
    QString sendGame(const QUuid& id, const GameRecord& game);
    QString sendDay(const QUuid& machine, QDate day, const KeystrokeTally& totals);

private:
    QString run(QSqlQuery& query, const QVariantList& values) const;

    QString error_; // of preparing the statements
    QSqlQuery attempt_;
    QSqlQuery game_;
    QSqlQuery gameLetter_;
    QSqlQuery keystrokes_;
    QSqlQuery lineEdits_;
};

} // namespace clavora
