// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "history/HistoryRecorder.h"

#include <QSqlDatabase>
#include <QString>
#include <functional>

class QSqlError;
class QSqlQuery;

namespace clavora {

// The learner's history in one SQLite file. Each finished attempt or game is written in one
// transaction. A store that cannot be opened, is corrupt, or fails a write is set aside: the
// program goes on without history, and `problem()` tells why. The file is opened when the
// store is first used: until then the SQLite driver is not even loaded, which spares a
// session that records nothing its memory.
class HistoryStore final : public HistoryRecorder {
public:
    // An in-memory store, for tests and benchmarks.
    static inline const QString InMemory = QStringLiteral(":memory:");

    explicit HistoryStore(QString path);
    ~HistoryStore() override;
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    bool available() const
    {
        open();
        return available_;
    }
    const QString& problem() const
    {
        open();
        return problem_;
    }
    // Set aside already, told without opening the file to find out.
    bool knownUnavailable() const { return opened_ && !available_; }
    // Nothing was ever kept: the store is not open and has no file yet, in a folder that can
    // take one. Told without loading the SQLite driver, so that a learner's first look at an
    // empty history costs none of it.
    bool neverWritten() const;
    // Opens the file, creating it and its folder if need be; only the first call does anything.
    void open() const;

    // A store set aside drops what it is given by itself.
    bool recording() const override { return true; }
    bool addAttempt(const AttemptRecord& attempt) override;
    bool addGame(const GameRecord& game) override;
    // Leaves no trace of the old rows in the file.
    bool forget() override;

    // The open connection, for the queries; invalid when the store is not available.
    QSqlDatabase database() const;
    // Called after each attempt or game is kept (the class sends it then).
    void setAfterWrite(std::function<void()> afterWrite) { afterWrite_ = std::move(afterWrite); }

private:
    bool openFile() const;
    bool fail(const QString& what, const QSqlError& error) const;
    // Stops using the store for good; returns false for the caller to pass on.
    bool setAside(const QString& reason) const;
    // Runs `work` in one transaction; a failure rolls it back and sets the store aside.
    bool inTransaction(const QString& what, const std::function<bool(QSqlQuery&)>& work);

    QString path_;
    QString connectionName_;
    std::function<void()> afterWrite_;
    // Set by the first use, whichever it is.
    mutable bool opened_ = false;
    mutable bool available_ = false;
    mutable QString problem_;
};

} // namespace clavora
