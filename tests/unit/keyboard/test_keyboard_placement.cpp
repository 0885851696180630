// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyboardPlacement.h"

#include <gtest/gtest.h>

using namespace clavora;

TEST(KeyboardPosition, BelowTheOwnerElseAboveElseWhereTheSystemPutsIt)
{
    constexpr int Own = 3600;
    const struct {
        const char* name;
        int ownerTop, screenHeight, offset;
        std::optional<QPoint> expected;
    } cases[] = {
        {"below Main", 1500, 15360, MainOwnerOffset, QPoint(1000 + 495, 1500 + 5490 + 120)},
        {"below the game", 1500, 15360, GameOwnerOffset, QPoint(1000 + 345, 1500 + 5490 + 120)},
        {"one twip short of the bottom", 1500, 1500 + 5490 + 120 + Own + 1, MainOwnerOffset,
         QPoint(1495, 1500 + 5490 + 120)},
        {"touching the bottom goes above", 6000, 6000 + 5490 + 120 + Own, MainOwnerOffset,
         QPoint(1495, 6000 - 120 - Own)},
        {"above, one twip from the top", 120 + Own + 1, 9000, MainOwnerOffset, QPoint(1495, 1)},
        {"top edge at 0 fits nowhere", 120 + Own, 9000, MainOwnerOffset, std::nullopt},
        {"owner at the top of a small screen", 0, 7000, GameOwnerOffset, std::nullopt},
    };
    for (const auto& c : cases) {
        const TwipsBox owner{1000, c.ownerTop, 10215, 5490};
        EXPECT_EQ(keyboardPosition(owner, Own, c.screenHeight, c.offset), c.expected) << c.name;
    }
}
