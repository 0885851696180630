// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/ClassGoals.h"

#include <QString>
#include <functional>

namespace clavora {

// Where the teacher's Class page sets a class's goals: the class server, written off the
// window's thread, or a fake in tests.
class ClassGoalsWriter {
public:
    virtual ~ClassGoalsWriter() = default;
    // Sets the goals of the teacher's class `className` on `server`. `written` comes on the
    // asking thread with the problem, empty once the server stored them; an earlier request
    // still under way is no longer answered.
    virtual void write(const QString& server, const QString& className, const ClassGoals& goals,
                       std::function<void(const QString& problem)> written) = 0;
};

} // namespace clavora
