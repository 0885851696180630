// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "RecentStrokes.h"

#include <QString>
#include <optional>

namespace clavora {

struct AppSettings;

// The learner's recent strokes as the whole program keeps them: read once, added to by the
// exercises and the game alike, and saved after a line or a game while the Coach is on.
// Without the Coach nothing more goes to the disk than before; what was typed meanwhile is
// saved with the next line or game the Coach sees.
class CoachStrokes {
public:
    // Reads what earlier runs kept in `path`.
    CoachStrokes(const AppSettings& settings, QString path);

    const RecentStrokes& recent() const { return recent_; }

    // A key struck where `expected` was asked for; the interval since it could be struck.
    void add(QChar expected, bool right, std::optional<double> intervalSeconds = std::nullopt);
    // After a line or a game: saves what was added since the last save, while the Coach is on.
    void keep();

private:
    const AppSettings& settings_;
    QString path_;
    RecentStrokes recent_;
    bool unsaved_ = false;
};

} // namespace clavora
