// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "HistoryRecords.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

class QSqlError;
class QSqlQuery;

namespace clavora {

// The learner's history in one SQLite file. Each finished attempt or game is written in one
// transaction. A store that cannot be opened, is corrupt, or fails a write is set aside: the
// program goes on without history, and `problem()` tells why.
class HistoryStore {
public:
    static inline const QString FileName = QStringLiteral("History.sqlite");
    // An in-memory store, for tests and benchmarks.
    static inline const QString InMemory = QStringLiteral(":memory:");

    explicit HistoryStore(const QString& path);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    bool available() const { return available_; }
    const QString& problem() const { return problem_; }

    bool addAttempt(const AttemptRecord& attempt);
    bool addGame(const GameRecord& game);
    // Empties the store, leaving no trace of the old rows in the file.
    bool forget();

    // The open connection, for the queries; invalid when the store is not available.
    QSqlDatabase database() const;

private:
    bool open(const QString& path);
    bool fail(const QString& what, const QSqlError& error);
    // Stops using the store for good; returns false for the caller to pass on.
    bool setAside(const QString& reason);
    // Runs `work` in one transaction; a failure rolls it back and sets the store aside.
    bool inTransaction(const QString& what, const std::function<bool(QSqlQuery&)>& work);

    QString connectionName_;
    bool available_ = false;
    QString problem_;
};

} // namespace clavora
