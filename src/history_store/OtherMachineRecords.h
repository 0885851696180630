// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassRecords.h"

#include <QSqlDatabase>
#include <map>
#include <vector>

class QSqlQuery;

namespace clavora {

// The learner's records from their other machines, as the class server gave them, kept in
// the store so that the figures count them: attempts and games by their UUID (a record
// already there is left as it is, so nothing counts twice), and each machine's day key
// figures apart from this machine's own running totals, raised to the larger figure.
class OtherMachineRecords {
public:
    // What the store holds of one machine, to fetch again only what differs.
    struct Held {
        qint64 attempts = 0;
        qint64 games = 0;
        qint64 keyRows = 0;
        qint64 strokes = 0;
        bool operator==(const Held&) const = default;
    };

    explicit OtherMachineRecords(QSqlDatabase store) : store_(std::move(store)) {}

    // By machine UUID.
    std::map<QUuid, Held> held() const;
    // When the history was last forgotten: nothing from before is stored again. Invalid: never.
    QDateTime forgottenAt() const;
    // Each returns the store's error text, empty once the records are there.
    QString addAttempts(const QUuid& machine, const std::vector<ClassAttempt>& attempts);
    QString addGames(const QUuid& machine, const std::vector<ClassGame>& games);
    QString raiseDays(const QUuid& machine, const std::vector<ClassDay>& days);

private:
    enum class Kind { Attempt, Game };
    // Notes a record the store cannot hold (said once, in the program's log) in `query`'s
    // transaction; false when even that fails.
    static bool setAside(QSqlQuery& query, const QUuid& machine, const QUuid& id, Kind kind, const QString& why);

    QSqlDatabase store_;
};

} // namespace clavora
