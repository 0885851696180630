#pragma once
#include "common/Captions.h"
#include "common/Colour.h"

#include <QString>

namespace clavora {

inline const QString StartNotice = QStringLiteral("Press ALT and S to start a game.");
inline const QString PauseNotice = QStringLiteral("Press ALT and P to pause the game.");
inline const QString PausedNotice = QStringLiteral("Game paused.  Press ALT and P to unpause the game.");
inline const QString AdvanceNotice = QStringLiteral("Hit ENTER to advance to the next level!");
inline const QString PauseCaption = QStringLiteral("&Pause");
inline const QString UnpauseCaption = QStringLiteral("Un&pause");

// What the game window shows apart from the letters; the window applies it whole after
// every event.
struct GameForm {
    Rgb windowColour = DefaultWindowColour;
    Rgb textColour = DefaultTextColour;
    QString startLevelText = QStringLiteral("1");
    bool startLevelReadOnly = false;
    bool startEnabled = true;
    bool pauseEnabled = false;
    QString pauseCaption = PauseCaption;
    bool stopEnabled = false;
    QString levelText = QStringLiteral("Level: 1");
    QString keyLevelText;
    QString timeText = QStringLiteral("Time elapsed: 0:00");
    QString scoreText = QStringLiteral("Score: 0");
    QString noticeText = StartNotice;
    Rgb noticeColour = DefaultTextColour;
    bool gameOverVisible = false;
    Rgb gameOverColour = PureGreen;
    bool timerEnabled = false;
};

} // namespace clavora
