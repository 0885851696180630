#include "GameFixture.h"

namespace clavora::test {
namespace {

using GameWindowLogic = GameTest;

TEST_F(GameWindowLogic, LoadsKeyLevelAndStartLevelAndUnloadKeepsTheRoundedBox)
{
    settings.GameStartLevel = 12;
    game.load();
    EXPECT_EQ(form().startLevelText, QStringLiteral("12"));
    EXPECT_EQ(form().keyLevelText, QStringLiteral("Key level: 0+"));
    EXPECT_EQ(game.state().Level, 0);
    const struct {
        const char* box;
        int kept;
    } cases[] = {{"12abc", 12}, {"7.5", 8}, {"6.5", 6}, {"abc", 0}, {"99999", 32767}};
    for (const auto& c : cases) {
        game.startLevelChanged(QString::fromLatin1(c.box));
        game.unload();
        EXPECT_EQ(settings.GameStartLevel, c.kept) << c.box;
    }
}

TEST_F(GameWindowLogic, StartValidatesTheBoxEvenWithoutLeavingIt)
{
    start(QStringLiteral("5000"));
    EXPECT_EQ(form().startLevelText, QStringLiteral("1"));
    EXPECT_EQ(game.state().Level, 1);
    EXPECT_EQ(form().levelText, QStringLiteral("Level: 1"));
}

TEST_F(GameWindowLogic, ControlsFollowStartPauseResumeAndEnd)
{
    start(QStringLiteral("3"));
    EXPECT_TRUE(game.running());
    EXPECT_TRUE(form().startLevelReadOnly);
    EXPECT_FALSE(form().startEnabled);
    EXPECT_TRUE(form().pauseEnabled && form().stopEnabled);
    EXPECT_EQ(form().noticeText, PauseNotice);
    EXPECT_EQ(ui.keyCaptureFocus, 1);

    game.pauseClicked();
    EXPECT_TRUE(game.state().Paused);
    EXPECT_FALSE(form().timerEnabled);
    EXPECT_EQ(form().pauseCaption, UnpauseCaption);
    EXPECT_EQ(form().noticeText, PausedNotice);

    game.pauseClicked();
    EXPECT_TRUE(game.running());
    EXPECT_EQ(form().pauseCaption, PauseCaption);
    EXPECT_EQ(form().noticeText, PauseNotice);
    EXPECT_EQ(ui.keyCaptureFocus, 2);

    game.PauseGame();
    game.EndGame();
    EXPECT_FALSE(form().timerEnabled);
    EXPECT_FALSE(form().startLevelReadOnly);
    EXPECT_TRUE(form().startEnabled);
    EXPECT_FALSE(form().pauseEnabled || form().stopEnabled);
    EXPECT_EQ(form().pauseCaption, PauseCaption);
    EXPECT_EQ(form().noticeText, StartNotice);
    EXPECT_EQ(ui.startButtonFocus, 1);
    game.pauseClicked(); // Esc outside a game
    EXPECT_FALSE(form().timerEnabled);
}

TEST_F(GameWindowLogic, AdvanceNoticeOutlastsPauseAndEndUntilTheNextStart)
{
    start();
    playUntil(1030.0);
    game.PauseGame();
    game.ColourWindow(0, rgb(1, 2, 3));
    game.ResumeGame();
    game.EndGame();
    EXPECT_EQ(form().noticeText, AdvanceNotice);
    EXPECT_EQ(form().noticeColour, PureGreen);
    start();
    EXPECT_EQ(form().noticeText, PauseNotice);
    EXPECT_EQ(form().noticeColour, rgb(1, 2, 3));
}

TEST_F(GameWindowLogic, NextStartClearsTheLettersOfTheLastGame)
{
    start();
    tickAt(1003.0);
    game.EndGame();
    EXPECT_EQ(letters(), 2); // they stay on screen
    start();
    EXPECT_EQ(table().size(), 0);
    EXPECT_EQ(game.state().Score, 0);
    EXPECT_FALSE(form().gameOverVisible);
}

TEST_F(GameWindowLogic, HelpPausesOnlyARunningGame)
{
    start();
    game.helpClicked();
    EXPECT_TRUE(game.state().Paused);
    game.helpClicked();
    EXPECT_TRUE(game.state().Paused);
    EXPECT_EQ(form().pauseCaption, UnpauseCaption);
}

TEST_F(GameWindowLogic, StartLevelBoxSendsTheFocusBackOnlyDuringPlay)
{
    game.startLevelFocused();
    EXPECT_EQ(ui.keyCaptureFocus, 0);
    start();
    game.startLevelFocused();
    EXPECT_EQ(ui.keyCaptureFocus, 2);
    game.PauseGame();
    game.startLevelFocused();
    EXPECT_EQ(ui.keyCaptureFocus, 2);
    game.startLevelChanged(QStringLiteral("250"));
    game.startLevelFocusLost();
    EXPECT_EQ(form().startLevelText, QStringLiteral("1"));
}

} // namespace
} // namespace clavora::test
