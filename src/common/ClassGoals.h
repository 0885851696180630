// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

namespace clavora {

// What a teacher sets for a class: the Coach's marks, the Coach on, the layout and a weekly
// practice goal. A goal left unset (no value, an empty layout) is the learner's own choice.
struct ClassGoals {
    std::optional<int> accuracyMark = {}; // %, the Coach's accuracy mark
    std::optional<int> speedTarget = {};  // words per minute
    bool coach = false;                   // the Coach on
    QString layoutFile = {};              // as the settings keep the layout: its file or the desktop's name
    QString desktopLayout = {};           // as the settings keep a desktop layout; empty: a file
    std::optional<int> weeklyMinutes = {};

    bool operator==(const ClassGoals&) const = default;
    bool empty() const { return *this == ClassGoals(); }
};

// A learner in two classes follows the stricter of their goals: the higher marks and weekly
// minutes, the Coach on if either has it, the first class's layout if it sets one.
ClassGoals stricter(const ClassGoals& first, const ClassGoals& second);

} // namespace clavora
