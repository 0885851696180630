// SPDX-License-Identifier: GPL-3.0-or-later
#include "keyboard/KeyboardPlacement.h"

#include <gtest/gtest.h>

using namespace clavora;

TEST(KeyboardPosition, BelowTheOwnerElseAboveElseWhereTheSystemPutsIt)
{
    constexpr int Own = 3600;
    const struct {
        const char* name;
        int ownerTop, screenTop, screenHeight, offset;
        std::optional<QPoint> expected;
    } cases[] = {
        {"below Main", 1500, 0, 15360, MainOwnerOffset, QPoint(1000 + 495, 1500 + 5490 + 120)},
        {"below the game", 1500, 0, 15360, GameOwnerOffset, QPoint(1000 + 345, 1500 + 5490 + 120)},
        {"one twip short of the bottom", 1500, 0, 1500 + 5490 + 120 + Own + 1, MainOwnerOffset,
         QPoint(1495, 1500 + 5490 + 120)},
        {"touching the bottom goes above", 6000, 0, 6000 + 5490 + 120 + Own, MainOwnerOffset,
         QPoint(1495, 6000 - 120 - Own)},
        {"above, one twip from the top", 120 + Own + 1, 0, 9000, MainOwnerOffset, QPoint(1495, 1)},
        {"top edge at 0 fits nowhere", 120 + Own, 0, 9000, MainOwnerOffset, std::nullopt},
        {"owner at the top of a small screen", 0, 0, 7000, GameOwnerOffset, std::nullopt},
        {"below, on a second screen under the first", 15360 + 1500, 15360, 15360, MainOwnerOffset,
         QPoint(1495, 15360 + 1500 + 5490 + 120)},
        {"above, the second screen's top edge fits nowhere", 15360 + 120 + Own, 15360, 9000, MainOwnerOffset,
         std::nullopt},
    };
    for (const auto& c : cases) {
        const TwipsBox owner{1000, c.ownerTop, 10215, 5490};
        EXPECT_EQ(keyboardPosition(owner, Own, {0, c.screenTop, 0, c.screenHeight}, c.offset), c.expected) << c.name;
    }
}
