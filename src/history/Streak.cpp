// SPDX-License-Identifier: GPL-3.0-or-later
#include "Streak.h"

namespace clavora {

int streakLength(const std::vector<qint64>& activeDays, qint64 today)
{
    auto day = activeDays.rbegin();
    while (day != activeDays.rend() && *day > today)
        ++day; // a clock set back leaves days "after" today: they are no part of the run
    if (day == activeDays.rend() || *day < today - 1)
        return 0;
    int length = 1;
    for (qint64 previous = *day++; day != activeDays.rend() && *day == previous - 1; previous = *day++)
        ++length;
    return length;
}

} // namespace clavora
