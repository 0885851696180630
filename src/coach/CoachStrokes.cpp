// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachStrokes.h"

#include "settings/AppSettings.h"

namespace clavora {

CoachStrokes::CoachStrokes(const AppSettings& settings, QString path)
    : settings_(settings), path_(std::move(path)), recent_(RecentStrokes::read(path_))
{
}

void CoachStrokes::add(QChar expected, bool right, std::optional<double> intervalSeconds)
{
    unsaved_ = recent_.add(expected, right, intervalSeconds) || unsaved_;
}

void CoachStrokes::keep()
{
    if (!unsaved_ || !settings_.coach)
        return;
    // A save that fails costs only the strokes of this run: the course goes on from memory.
    unsaved_ = !recent_.save(path_).ok;
}

} // namespace clavora
