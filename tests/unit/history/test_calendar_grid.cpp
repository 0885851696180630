// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/CalendarGrid.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(CalendarGridTest, ShadesByMinutes)
{
    const std::pair<double, int> cases[] = {{0, 0},  {-1, 0},  {0.1, 1}, {4.9, 1},  {5, 2},
                                            {14.9, 2}, {15, 3}, {29.9, 3}, {30, 4}, {600, 4}};
    for (const auto& [minutes, shade] : cases)
        EXPECT_EQ(CalendarGrid::shadeOf(minutes), shade) << minutes;
    // Each shade its own colour.
    for (int shade = 1; shade < CalendarGrid::Shades; ++shade)
        EXPECT_NE(CalendarGrid::shadeColour(shade), CalendarGrid::shadeColour(shade - 1)) << shade;
}

TEST(CalendarGridTest, AColumnPerWeekMondayOnTopUpToToday)
{
    // Today is Wednesday 2024-03-13: the last column holds Monday to Wednesday.
    const QDate today(2024, 3, 13);
    TypingCalendar calendar;
    calendar.firstDay = QDate(2023, 3, 20);
    calendar.minutes.assign(std::size_t(calendar.firstDay.daysTo(today) + 1), 0.0);
    calendar.minutes.back() = 12.4;
    calendar.minutes[1] = 0.3;
    calendar.minutes[7] = 1;
    const CalendarGrid grid(calendar);
    struct Case {
        int column, row;
        std::optional<QDate> day;
        int shade;
        QString toolTip;
    } cases[] = {
        {0, 0, QDate(2023, 3, 20), 0, "Mon 20 Mar 2023: 0 minutes"},
        {0, 1, QDate(2023, 3, 21), 1, "Tue 21 Mar 2023: under a minute"},
        {1, 0, QDate(2023, 3, 27), 1, "Mon 27 Mar 2023: 1 minute"},
        {51, 2, today, 2, "Wed 13 Mar 2024: 12 minutes"},
        {51, 3, std::nullopt, 0, ""}, // tomorrow
        {52, 0, std::nullopt, 0, ""},
        {-1, 0, std::nullopt, 0, ""},
        {0, 7, std::nullopt, 0, ""},
    };
    QLocale::setDefault(QLocale::c());
    for (const Case& c : cases) {
        EXPECT_EQ(grid.day(c.column, c.row), c.day) << c.column << "," << c.row;
        EXPECT_EQ(grid.shade(c.column, c.row), c.shade) << c.column << "," << c.row;
        EXPECT_EQ(grid.toolTip(c.column, c.row).toStdString(), c.toolTip.toStdString());
    }
    EXPECT_EQ(grid.day(0, 0)->dayOfWeek(), Qt::Monday);
}

} // namespace
} // namespace clavora
