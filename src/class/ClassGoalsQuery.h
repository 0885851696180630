// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassRoster.h"

#include <optional>

class QSqlDatabase;

namespace clavora {

// The classes' goals on the class server (from migration ClassSchemaVersion::Goals on),
// and the letters each learner's Coach has unlocked. The server's row-level security
// decides who reads and writes what; these statements only say whose rows they mean.
class ClassGoalsQuery {
public:
    // The classes the login teaches, by name, with their goals and learners; `problem` gets
    // the server's text when it cannot be read.
    static std::vector<TaughtClass> taught(const QSqlDatabase& connection, QString* problem);
    // The stricter of the goals of the classes the login learns in: empty goals for a learner
    // in no class or in classes without goals; nothing when the server cannot be read.
    static std::optional<ClassGoals> followed(const QSqlDatabase& connection, QString* problem);
    // Sets the goals of the login's class `className`; returns the problem, empty once stored.
    static QString write(const QSqlDatabase& connection, const QString& className, const ClassGoals& goals);
    // Keeps the login's unlocked letters; returns the problem, empty once stored.
    static QString sendLetters(const QSqlDatabase& connection, const QString& letters);
};

} // namespace clavora
