// SPDX-License-Identifier: GPL-3.0-or-later
#include "progress/ChartTicks.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(ChartTicksTest, ValuesRiseInRoundWholeStepsToTheTop)
{
    const struct {
        double highest;
        int maxIntervals;
        std::vector<double> ticks;
    } cases[] = {
        {0, 5, {0, 2, 4, 6, 8, 10}}, // an empty chart still has a scale
        {100, 5, {0, 20, 40, 60, 80, 100}},
        {100, 4, {0, 25, 50, 75, 100}},
        {73, 5, {0, 20, 40, 60, 80}},
        {100, 1, {0, 100}},
        {7.5, 3, {0, 5, 10}}, // 2.5 would label in fractions
    };
    for (const auto& c : cases)
        EXPECT_EQ(valueTicks(c.highest, c.maxIntervals), c.ticks) << c.highest << " " << c.maxIntervals;
}

TEST(ChartTicksTest, DatesFallOnRoundDaysAsManyAsFit)
{
    const struct {
        QDate first, last;
        int maxTicks;
        std::vector<QDate> days;
        QString format;
    } cases[] = {
        {{2024, 3, 10}, {2024, 3, 10}, 5, {{2024, 3, 10}}, "d MMM"},
        // Thirty days: the Mondays.
        {{2024, 2, 10}, {2024, 3, 10}, 5, {{2024, 2, 12}, {2024, 2, 19}, {2024, 2, 26}, {2024, 3, 4}}, "d MMM"},
        {{2023, 12, 28}, {2024, 1, 1}, 5,
         {{2023, 12, 28}, {2023, 12, 29}, {2023, 12, 30}, {2023, 12, 31}, {2024, 1, 1}}, "d MMM yy"},
        // A year: every other month's first day.
        {{2023, 3, 12}, {2024, 3, 10}, 6,
         {{2023, 5, 1}, {2023, 7, 1}, {2023, 9, 1}, {2023, 11, 1}, {2024, 1, 1}, {2024, 3, 1}}, "MMM yyyy"},
        {{2014, 7, 1}, {2024, 6, 30}, 6,
         {{2016, 1, 1}, {2018, 1, 1}, {2020, 1, 1}, {2022, 1, 1}, {2024, 1, 1}}, "yyyy"},
        {{2024, 2, 10}, {2024, 3, 10}, 0, {}, ""},
    };
    for (const auto& c : cases) {
        const DateTicks ticks = dateTicks(c.first, c.last, c.maxTicks);
        EXPECT_EQ(ticks.days, c.days) << c.first.toString().toStdString() << " " << c.maxTicks;
        EXPECT_EQ(ticks.format, c.format) << c.first.toString().toStdString();
    }
}

} // namespace
} // namespace clavora
