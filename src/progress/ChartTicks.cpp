// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartTicks.h"

#include <algorithm>
#include <cmath>

namespace clavora {
namespace {

constexpr double LowestTop = 10;

// A step between ticks: so many days, months or years.
struct DateStep {
    enum Unit { Days, Months, Years } unit;
    int count;
};

constexpr DateStep DateSteps[] = {{DateStep::Days, 1},    {DateStep::Days, 2},    {DateStep::Days, 7},
                                  {DateStep::Days, 14},   {DateStep::Months, 1},  {DateStep::Months, 2},
                                  {DateStep::Months, 3},  {DateStep::Months, 6},  {DateStep::Years, 1},
                                  {DateStep::Years, 2},   {DateStep::Years, 5},   {DateStep::Years, 10},
                                  {DateStep::Years, 20},  {DateStep::Years, 50},  {DateStep::Years, 100}};

// The first round day of the step at or after `first`.
QDate firstTick(QDate first, DateStep step)
{
    switch (step.unit) {
    case DateStep::Days:
        // Julian day 0 is a Monday: steps of 7 and 14 days fall on Mondays.
        return first.addDays((step.count - first.toJulianDay() % step.count) % step.count);
    case DateStep::Months: {
        QDate day(first.year(), first.month(), 1);
        if (day < first)
            day = day.addMonths(1);
        while ((day.month() - 1) % step.count != 0)
            day = day.addMonths(1);
        return day;
    }
    case DateStep::Years: {
        int year = first.month() == 1 && first.day() == 1 ? first.year() : first.year() + 1;
        while (year % step.count != 0)
            ++year;
        return QDate(year, 1, 1);
    }
    }
    return first;
}

QDate nextTick(QDate day, DateStep step)
{
    switch (step.unit) {
    case DateStep::Days: return day.addDays(step.count);
    case DateStep::Months: return day.addMonths(step.count);
    case DateStep::Years: return day.addYears(step.count);
    }
    return day;
}

QString formatOf(DateStep step, QDate first, QDate last)
{
    switch (step.unit) {
    case DateStep::Days: return first.year() == last.year() ? QStringLiteral("d MMM") : QStringLiteral("d MMM yy");
    case DateStep::Months: return QStringLiteral("MMM yyyy");
    case DateStep::Years: return QStringLiteral("yyyy");
    }
    return {};
}

int intervalsOf(double top, double step)
{
    return int(std::ceil(top / step - 1e-9));
}

} // namespace

std::vector<double> valueTicks(double highest, int maxIntervals)
{
    const double top = std::max(highest, LowestTop);
    maxIntervals = std::max(maxIntervals, 1);
    // Whole steps only: the figures are whole numbers or halves.
    const auto fits = [&](double step) { return step >= 1 && step == std::round(step) && intervalsOf(top, step) <= maxIntervals; };
    double step = 0;
    for (double power = std::pow(10.0, std::floor(std::log10(top / maxIntervals))); step == 0; power *= 10) {
        for (const double candidate : {power, 2 * power, 2.5 * power, 5 * power}) {
            if (fits(candidate)) {
                step = candidate;
                break;
            }
        }
    }
    std::vector<double> ticks;
    const int intervals = intervalsOf(top, step);
    for (int i = 0; i <= intervals; ++i)
        ticks.push_back(i * step);
    return ticks;
}

DateTicks dateTicks(QDate first, QDate last, int maxTicks)
{
    for (const DateStep step : DateSteps) {
        DateTicks ticks{{}, formatOf(step, first, last)};
        for (QDate day = firstTick(first, step); day <= last; day = nextTick(day, step)) {
            ticks.days.push_back(day);
            if (int(ticks.days.size()) > maxTicks)
                break;
        }
        if (int(ticks.days.size()) <= maxTicks && !ticks.days.empty())
            return ticks;
    }
    return {};
}

} // namespace clavora
