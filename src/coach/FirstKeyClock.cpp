// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstKeyClock.h"

#include "common/Services.h"

namespace clavora {

void FirstKeyClock::typingLineChanged(const QString& text)
{
    if (started_ || text.isEmpty())
        return;
    started_ = true;
    startTime_ = clock_.secondsSinceMidnight();
}

double FirstKeyClock::elapsed()
{
    if (!started_)
        return 0.0;
    const double now = clock_.secondsSinceMidnight();
    if (now < startTime_)
        startTime_ -= DaySeconds;
    return now - startTime_;
}

} // namespace clavora
