// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameFixture.h"

namespace clavora::test {
namespace {

using GameWindowLogic = GameTest;

TEST_F(GameWindowLogic, StartValidatesTheBoxEvenWithoutLeavingIt)
{
    start(QStringLiteral("5000"));
    EXPECT_EQ(form().startLevelText, QStringLiteral("1"));
    EXPECT_EQ(form().levelText, QStringLiteral("Level: 1"));
}

TEST_F(GameWindowLogic, AdvanceNoticeOutlastsPauseColoursAndEndUntilTheNextStart)
{
    start();
    playUntil(1030.0);
    game.pauseGame();
    game.colourWindow(0, rgb(1, 2, 3));
    game.resumeGame();
    game.endGame();
    EXPECT_EQ(form().noticeText, AdvanceNotice);
    EXPECT_EQ(form().noticeColour, PureGreen);
    start();
    EXPECT_EQ(form().noticeText, PauseNotice);
    EXPECT_EQ(form().noticeColour, rgb(1, 2, 3));
    EXPECT_EQ(table().size(), 0);
}

} // namespace
} // namespace clavora::test
