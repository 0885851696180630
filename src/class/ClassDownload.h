// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QSqlDatabase>
#include <QString>
#include <QUuid>

namespace clavora {

// Copies one learner's rows from the class server into a store as records of other machines
// (OtherMachineRecords): on the learner's machine, their rows from their other machines; on
// a teacher's, all of one learner's rows into an in-memory store, to show that learner's
// charts. The learner is named by their login on the server, which shows a learner only
// their own rows and a teacher only their classes'. Only the machines whose rows differ from
// what the store holds are fetched, and nothing is counted twice however often it runs.
class ClassDownload {
public:
    ClassDownload(QSqlDatabase server, QString learner) : server_(std::move(server)), learner_(std::move(learner)) {}

    // Leaves out the rows of `exceptMachine` (null: none). Returns the error text of the
    // server or the store, empty once the store holds everything.
    QString copyInto(const QSqlDatabase& store, const QUuid& exceptMachine = {}) const;

private:
    QString copyMachines(const QSqlDatabase& store, const QUuid& exceptMachine) const;

    QSqlDatabase server_;
    QString learner_;
};

} // namespace clavora
