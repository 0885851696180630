// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDate>
#include <QString>
#include <vector>

namespace clavora {

// Where the axes of a chart of figures per day put their ticks: at round numbers and on round
// dates, as many as the chart has room for.

// From 0 to the first tick at or above `highest` (10 at least), in whole steps of 1, 2, 2.5
// or 5 times a power of ten, with at most `maxIntervals` steps.
std::vector<double> valueTicks(double highest, int maxIntervals);

struct DateTicks {
    std::vector<QDate> days;
    QString format; // for QLocale::toString
};

// Days from `first` to `last` on a round step (every day or two, Mondays, the first of a
// month, of a quarter, of a year...), at most `maxTicks` of them; none when none fits.
DateTicks dateTicks(QDate first, QDate last, int maxTicks);

} // namespace clavora
