// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>
#include <vector>

namespace clavora {

// The days in a row, up to today, with at least one finished attempt or game. A streak that
// reached yesterday still stands today until the day is over. `activeDays` are Julian day
// numbers in ascending order.
int streakLength(const std::vector<qint64>& activeDays, qint64 today);

} // namespace clavora
