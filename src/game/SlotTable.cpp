// SPDX-License-Identifier: GPL-3.0-or-later
#include "SlotTable.h"

#include <algorithm>

namespace clavora {

int SlotTable::lowestFree(int from)
{
    for (int i = std::max(from, 1); i <= size(); ++i)
        if (slots_[size_t(i)].isFree())
            return i;
    slots_.emplace_back();
    return size();
}

void SlotTable::raise(int i)
{
    slots_[size_t(i)].stacking = ++lastRaise_;
}

void SlotTable::clear()
{
    slots_.resize(1);
    lastRaise_ = 0;
}

} // namespace clavora
