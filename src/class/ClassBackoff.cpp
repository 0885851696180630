// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassBackoff.h"

#include <QRandomGenerator>
#include <algorithm>

namespace clavora {

int ClassBackoff::nextWaitMilliseconds(QRandomGenerator& random)
{
    const int wait = int(random.bounded(pauseSeconds_ * 500, pauseSeconds_ * 1000 + 1));
    pauseSeconds_ = std::min(2 * pauseSeconds_, longestPauseSeconds);
    return wait;
}

} // namespace clavora
