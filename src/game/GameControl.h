// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "GameForm.h"
#include "GameState.h"

namespace clavora {

struct AppSettings;
class Beep;
class Clock;
class GameUi;
class Random;

// The game window's rules: starting, pausing and ending games, the 25 ms loop and the
// typed keys. The window shows `form()` and the letters of `state().letterSlots`.
class GameControl {
public:
    GameControl(AppSettings& settings, Clock& clock, Random& random, Beep& beep, GameUi& ui);

    const GameForm& form() const { return form_; }
    const GameState& state() const { return game_; }
    // The timer runs and the game is neither paused nor over.
    bool running() const;
    bool advanceNoticeShowing() const { return noticeShowing_; }

    // The window opens with the exercise window's colours, key level and start level.
    void load();
    // Keeps the start level in the settings.
    void unload();
    // New window colours for the controls; the advance notice keeps its green.
    void colourWindow(Rgb window, Rgb text);

    void startGame();
    void endGame();
    void pauseGame();
    void resumeGame();

    // Events forwarded by the window.
    void tick();
    void keyPressed(QChar code);
    void pauseClicked();
    // Help pauses a running game; leaving for the exercises or the settings ends it.
    void helpClicked();
    void leaving();
    void startLevelChanged(const QString& text);
    void startLevelFocused();
    void startLevelFocusLost();
    // A click into the play area, or a change of the keyboard box, hands the keys back to the game.
    void playAreaClicked();
    void showLayoutClicked();

private:
    void correctForMidnight(double now);
    void explode(int slot, double now);
    void fade(double now);
    void showNotice(const QString& text);
    void showScore();

    AppSettings& settings_;
    Clock& clock_;
    Random& random_;
    Beep& beep_;
    GameUi& ui_;
    GameForm form_;
    GameState game_;
    bool noticeShowing_ = false;
};

} // namespace clavora
