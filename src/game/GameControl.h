// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "GameForm.h"
#include "GameState.h"
#include "history/GameRecorder.h"

namespace clavora {

struct AppSettings;
class Beep;
class CoachStrokes;
class Clock;
class GameUi;
class HistoryFigures;
class HistoryRecorder;
class Random;

// The game window's rules: starting, pausing and ending games, the 25 ms loop and the
// typed keys. The window shows `form()` and the letters of `state().letterSlots`. Each game
// goes to the recorder when it ends, while it records; with "Weak keys" ticked its letters
// follow the mistakes in the figures. Its keys count among the Coach's strokes.
class GameControl {
public:
    GameControl(AppSettings& settings, Clock& clock, Random& random, Beep& beep, GameUi& ui,
                HistoryRecorder& recorder, const HistoryFigures& figures, CoachStrokes& strokes);

    const GameForm& form() const { return form_; }
    const GameState& state() const { return game_; }
    // The timer runs and the game is neither paused nor over.
    bool running() const;
    bool advanceNoticeShowing() const { return noticeShowing_; }

    // The window opens with the exercise window's colours, key level and start level.
    void load();
    // Keeps the start level in the settings, and a game still under way in the history.
    void unload();
    // New window colours for the controls; the advance notice keeps its green.
    void colourWindow(Rgb windowColour, Rgb textColour);

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
    // The progress window opens: a running game pauses, as for the help.
    void progressClicked();
    void leaving();
    void startLevelChanged(const QString& text);
    void startLevelFocused();
    void startLevelFocusLost();
    // A click into the play area, or a change of the keyboard box, hands the keys back to the game.
    void playAreaClicked();
    void showLayoutClicked();
    void weakKeysClicked(bool checked);

private:
    void correctForMidnight(double now);
    void explode(int slot, double now);
    void fade(double now);
    void showNotice(const QString& text);
    void showScore();
    // The game's end: the game to the history while it records, its strokes to the Coach.
    void recordGame();
    // The letter on screen longest, the one a key goes to first; 0 for none.
    int oldestLetter(QChar character = {}) const;

    AppSettings& settings_;
    Clock& clock_;
    Random& random_;
    Beep& beep_;
    GameUi& ui_;
    GameForm form_;
    GameState game_;
    HistoryRecorder& history_;
    const HistoryFigures& figures_;
    CoachStrokes& strokes_;
    GameRecorder recorder_;
    bool noticeShowing_ = false;
};

} // namespace clavora
