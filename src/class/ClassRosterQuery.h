// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "progress/ClassRoster.h"

class QSqlDatabase;

namespace clavora {

// The Class page's figures, read in one statement on the server: the connection's login is
// the teacher, and the server's row-level security alone decides whom they see.
class ClassRosterQuery {
public:
    // Keys need this many strokes this week before their error rate counts, as in the
    // learner's own key table.
    static constexpr int StrokesForRate = 20;
    static constexpr int WeakestKeys = 3;

    // Whether the login is a member of clavora_teacher.
    static bool teaches(const QSqlDatabase& connection);
    // The learners of the login's classes, by login; `today` is the teacher's day.
    static ClassRoster read(const QSqlDatabase& connection, QDate today);
};

} // namespace clavora
