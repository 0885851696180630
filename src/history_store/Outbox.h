// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassRecords.h"

#include <QSqlDatabase>
#include <map>
#include <vector>

namespace clavora {

// What this machine has not yet had confirmed by the class server: its attempts and games,
// and the days whose key figures changed, read from and cleared in the store through a
// connection of the sender's own. A day that changes again after it was read stays queued.
class Outbox {
public:
    explicit Outbox(QSqlDatabase store) : store_(std::move(store)) {}

    QUuid machine() const;
    // The oldest `limit` of each; empty also when the store cannot be read.
    std::vector<ClassAttempt> attempts(int limit) const;
    std::vector<ClassGame> games(int limit) const;
    std::vector<ClassDay> days(int limit) const;
    // Each false when the store could not be written; the rows then stay queued.
    bool confirm(const std::vector<ClassAttempt>& attempts);
    bool confirm(const std::vector<ClassGame>& games);
    bool confirm(const std::vector<ClassDay>& days);

    // This machine's attempts and games the server has confirmed.
    struct Confirmed {
        qint64 attempts = 0;
        qint64 games = 0;
    };
    Confirmed confirmed() const;
    // This machine's attempts and games per day.
    std::map<QDate, Confirmed> perDay() const;
    // Queues again the attempts, games and key figures of `days` (a server that lost them:
    // sending what it still has again changes nothing there).
    bool queueAgain(const std::vector<QDate>& days);

private:
    bool writeRows(const QString& sql, const std::vector<QVariantList>& rows);

    QSqlDatabase store_;
};

} // namespace clavora
