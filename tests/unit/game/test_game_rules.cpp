// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/GameRules.h"

#include <gtest/gtest.h>

namespace clavora {
namespace {

TEST(GameRules, HitPointsByAge)
{
    const std::pair<double, int> cases[] = {{0.0, 10}, {0.5, 10}, {0.75, 9}, {1.25, 8}, {4.75, 1},
                                            {4.999, 1}, {5.0, 1}, {5.1, 0}, {6.0, 0}};
    for (const auto& [age, points] : cases)
        EXPECT_EQ(hitPoints(age), points) << "age " << age;
}

TEST(GameRules, ElapsedTextRoundsHalvesToEven)
{
    const std::pair<double, const char*> cases[] = {
        {0.5, "0:00"}, {0.51, "0:01"}, {1.49, "0:01"}, {1.5, "0:02"}, {2.5, "0:02"},
        {7.0, "0:07"}, {59.6, "1:00"}, {750.0, "12:30"}, {40000.0, "666:40"}};
    for (const auto& [seconds, text] : cases)
        EXPECT_EQ(elapsedText(seconds), QStringLiteral("Time elapsed: ") + QLatin1String(text)) << seconds;
}

TEST(GameRules, StartLevelValidation)
{
    const std::pair<const char*, const char*> cases[] = {
        {"250", "1"}, {"7.9", "7"},     {"-3", "1"},  {"12abc", "12"}, {"", "1"},  {"abc", "1"},
        {"200", "200"}, {"200.9", "200"}, {"0.5", "1"}, {"1e400", "1"},  {"1e2", "100"}};
    for (const auto& [typed, kept] : cases)
        EXPECT_EQ(validStartLevel(QString::fromLatin1(typed)), QString::fromLatin1(kept)) << typed;
}

} // namespace
} // namespace clavora
