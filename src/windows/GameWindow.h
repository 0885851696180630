// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PractiseWindow.h"
#include "game/GameControl.h"
#include "game/GameUi.h"

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace clavora {

class KeyCapture;
class PlayArea;

// The game window: owns the game logic, shows its form and letters and forwards its events.
// It loads with the exercise window's colours, key level and start level.
class GameWindow final : public PractiseWindow, public GameUi {
    Q_OBJECT
public:
    GameWindow(AppSettings& settings, Clock& clock, Random& random, Beep& beep, HistoryRecorder& recorder,
               const HistoryFigures& figures, CoachStrokes& strokes);

    const GameControl& control() const { return control_; }
    // Writes the logic's form into the controls, touching only what differs.
    void apply();
    // New window colours from the settings.
    void colourWindow(Rgb windowColour, Rgb textColour) override;
    // Records a game under way and keeps the start level, as closing the window does.
    void finishGame();

    bool showLayoutChecked() const;
    void setShowLayoutChecked(bool checked) override;

    // GameUi
    void focusKeyCapture() override;
    void focusStartButton() override;

    static constexpr int ClientWidthTwips = 9795;
    // The game's 5535 twips and a strip below them that holds the "Weak keys" box.
    static constexpr int ClientHeightTwips = 5895;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void bindControls();
    void applyColours(Rgb windowColour, Rgb textColour);
    // Ends a running game first.
    void leaveAndEmit(void (PractiseWindow::*signal)());

    GameControl control_;
    QLabel* startLevelLabel_;
    QLineEdit* startLevel_;
    QPushButton* startButton_;
    QPushButton* pauseButton_;
    QPushButton* stopButton_;
    QPushButton* gameButton_;
    QPushButton* settingsButton_;
    QPushButton* helpButton_;
    QPushButton* progressButton_;
    QCheckBox* showLayout_;
    QCheckBox* weakKeys_;
    QLabel* levelLabel_;
    QLabel* keyLevelLabel_;
    QLabel* timeLabel_;
    QLabel* scoreLabel_;
    PlayArea* playArea_;
    QLabel* advanceLabel_;
    KeyCapture* keyCapture_;
    QTimer* gameTimer_;
    std::optional<std::pair<Rgb, Rgb>> shownColours_;
    std::optional<Rgb> shownNoticeColour_;
    std::optional<Rgb> shownGameOverColour_;
    enum class Focus { None, KeyCapture, StartButton } pendingFocus_ = Focus::None;
};

} // namespace clavora
