// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "GameRules.h"
#include "common/Captions.h"
#include "common/Colour.h"

#include <QCoreApplication>
#include <QString>

namespace clavora {

// The notices and pause captions as written, in English; gameText() gives the person's
// language. Each notice names the access key of the button it speaks of.
inline constexpr char StartNotice[] = QT_TRANSLATE_NOOP("GameForm", "Press ALT and S to start a game.");
inline constexpr char PauseNotice[] = QT_TRANSLATE_NOOP("GameForm", "Press ALT and P to pause the game.");
inline constexpr char PausedNotice[] =
    QT_TRANSLATE_NOOP("GameForm", "Game paused.  Press ALT and P to unpause the game.");
inline constexpr char AdvanceNotice[] = QT_TRANSLATE_NOOP("GameForm", "Hit ENTER to advance to the next level!");
inline constexpr char NoWeakKeysNotice[] =
    QT_TRANSLATE_NOOP("GameForm", "No weak keys known yet: playing with all keys.");
inline constexpr char PauseCaption[] = QT_TRANSLATE_NOOP("GameForm", "&Pause");
inline constexpr char UnpauseCaption[] = QT_TRANSLATE_NOOP("GameForm", "Un&pause");

inline QString gameText(const char* english)
{
    return QCoreApplication::translate("GameForm", english);
}
inline QString levelText(int level)
{
    return QCoreApplication::translate("GameForm", "Level: %1").arg(level);
}
inline QString scoreText(int score)
{
    return QCoreApplication::translate("GameForm", "Score: %1").arg(score);
}

// What the game window shows apart from the letters; the window applies it whole after
// every event.
struct GameForm {
    Rgb windowColour = DefaultWindowColour;
    Rgb textColour = DefaultTextColour;
    QString startLevelText = QStringLiteral("1");
    bool startLevelReadOnly = false;
    bool startEnabled = true;
    // "Weak keys" counts from the next game on, so it is set between games.
    bool weakKeysChecked = false;
    bool weakKeysEnabled = true;
    bool pauseEnabled = false;
    QString pauseCaption = gameText(PauseCaption);
    bool stopEnabled = false;
    QString levelText = clavora::levelText(1);
    QString keyLevelText;
    QString timeText = elapsedText(0.0);
    QString scoreText = clavora::scoreText(0);
    QString noticeText = gameText(StartNotice);
    Rgb noticeColour = DefaultTextColour;
    bool gameOverVisible = false;
    Rgb gameOverColour = PureGreen;
    bool timerEnabled = false;
};

} // namespace clavora
