// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ClassRoster.h"

#include <QDate>
#include <functional>

namespace clavora {

// Where the teacher's Class page gets its figures: the class server, read off the window's
// thread, or a fake in tests.
class ClassRosterSource {
public:
    virtual ~ClassRosterSource() = default;
    // Asks `server` for the class as of the teacher's `today`. `answered` comes on the asking
    // thread: twice for a teacher (the role, then the rows: `complete`), once for anyone
    // else. An earlier request still under way is no longer answered.
    virtual void load(const QString& server, QDate today, std::function<void(const ClassRoster&)> answered) = 0;
};

} // namespace clavora
