// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameControl.h"

#include "CoachPace.h"
#include "GameLetters.h"
#include "GameRules.h"
#include "GameUi.h"
#include "common/Numbers.h"
#include "coach/CoachStrokes.h"
#include "common/Services.h"
#include "exercises/RandomExercises.h"
#include "history/HistoryRecorder.h"
#include "settings/AppSettings.h"

#include <algorithm>

namespace clavora {

namespace {
constexpr int PenaltyColourFloor = 50;
constexpr int MissPenalty = 10;
// The game-over text changes colour only in visible steps.
constexpr double FadeStep = 10.0;
constexpr QChar Enter = u'\r';

QString keyLevelText(const AppSettings& settings)
{
    return QCoreApplication::translate("GameForm", "Key level: %1").arg(keyLevel(settings));
}
} // namespace

GameControl::GameControl(AppSettings& settings, Clock& clock, Random& random, Beep& beep, GameUi& ui,
                         HistoryRecorder& recorder, const HistoryFigures& figures, CoachStrokes& strokes)
    : settings_(settings), clock_(clock), random_(random), beep_(beep), ui_(ui), history_(recorder), figures_(figures),
      strokes_(strokes)
{
}

bool GameControl::running() const
{
    return form_.timerEnabled && !game_.paused && !game_.gameOver;
}

void GameControl::load()
{
    colourWindow(settings_.windowColour, settings_.textColour);
    form_.keyLevelText = keyLevelText(settings_);
    form_.startLevelText = QString::number(settings_.gameStartLevel);
    form_.weakKeysChecked = settings_.weakKeyGame;
    game_.level = 0;
}

void GameControl::unload()
{
    recordGame();
    settings_.gameStartLevel = saturateToInt16(roundHalfEven(leadingNumber(form_.startLevelText).value));
}

void GameControl::colourWindow(Rgb windowColour, Rgb textColour)
{
    form_.windowColour = windowColour;
    form_.textColour = textColour;
    if (!noticeShowing_)
        form_.noticeColour = textColour;
}

void GameControl::showNotice(const QString& text)
{
    form_.noticeText = text;
    form_.noticeColour = form_.textColour;
    noticeShowing_ = false;
}

void GameControl::showScore()
{
    form_.scoreText = scoreText(game_.score);
}

void GameControl::startGame()
{
    // Alt+S clicks Start without taking the focus from the box, so its focus-out check
    // may not have run.
    form_.startLevelText = validStartLevel(form_.startLevelText);
    game_.letterSlots.clear();
    game_.spawnCarry = 0.0;
    game_.level = std::int16_t(form_.startLevelText.toInt());
    // Read once a game: the weights change only as slowly as the history does.
    const GameLetters letters = gameLetters(settings_, figures_);
    game_.allowedKeys = letters.pool;
    game_.slowestInterval = coachSpawnInterval(settings_, strokes_.recent());
    game_.score = 0;
    const double now = clock_.secondsSinceMidnight();
    game_.gameStartTime = game_.levelStartTime = game_.lastSpawnTime = game_.lastKeyTime = now;
    game_.gameOver = false;
    game_.paused = false;
    form_.gameOverVisible = false;
    form_.levelText = levelText(game_.level);
    form_.keyLevelText = keyLevelText(settings_);
    form_.timeText = elapsedText(0.0);
    showScore();
    showNotice(gameText(letters.noWeakKeys ? NoWeakKeysNotice : PauseNotice));
    form_.startLevelReadOnly = true;
    form_.startEnabled = false;
    form_.weakKeysEnabled = false;
    form_.pauseEnabled = true;
    form_.stopEnabled = true;
    if (history_.recording())
        recorder_.beginGame(clock_.localDateTime(), game_.level);
    ui_.focusKeyCapture();
    form_.timerEnabled = true;
}

void GameControl::endGame()
{
    recordGame();
    form_.timerEnabled = false;
    form_.startLevelReadOnly = false;
    form_.startEnabled = true;
    form_.weakKeysEnabled = true;
    form_.pauseEnabled = false;
    form_.stopEnabled = false;
    form_.pauseCaption = gameText(PauseCaption);
    if (!noticeShowing_)
        showNotice(gameText(StartNotice));
    ui_.focusStartButton();
}

void GameControl::recordGame()
{
    strokes_.keep();
    if (!recorder_.recording())
        return;
    // Dropped when recording was switched off during the game; a store that fails is set
    // aside and says why in the progress window.
    history_.addGame(recorder_.finishGame(clock_.localDateTime(), game_.level, game_.score));
}

void GameControl::pauseGame()
{
    form_.timerEnabled = false;
    game_.paused = true;
    game_.pauseStartTime = clock_.secondsSinceMidnight();
    form_.pauseCaption = gameText(UnpauseCaption);
    if (!noticeShowing_)
        showNotice(gameText(PausedNotice));
}

void GameControl::resumeGame()
{
    const double now = clock_.secondsSinceMidnight();
    if (game_.pauseStartTime > now)
        game_.pauseStartTime -= DaySeconds; // the pause went past midnight
    game_.pauseStartTime = now - game_.pauseStartTime;
    // The pause counts neither as playing time nor as fuse time.
    game_.moveTimes(game_.pauseStartTime);
    form_.pauseCaption = gameText(PauseCaption);
    if (!noticeShowing_)
        showNotice(gameText(PauseNotice));
    game_.paused = false;
    ui_.focusKeyCapture();
    form_.timerEnabled = true;
}

void GameControl::correctForMidnight(double now)
{
    if (now < game_.gameStartTime)
        game_.moveTimes(-DaySeconds);
}

void GameControl::tick()
{
    if (!form_.timerEnabled)
        return;
    const double now = clock_.secondsSinceMidnight();
    correctForMidnight(now);
    if (game_.gameOver) {
        fade(now);
        return;
    }
    game_.spawnDue(random_, now);
    form_.timeText = elapsedText(now - game_.gameStartTime);
    if (const int overdue = game_.burnFuses(now)) {
        explode(overdue, now);
        return;
    }
    if (!noticeShowing_ && game_.level < MaxLevel && now >= game_.levelStartTime + AdvanceSeconds) {
        form_.noticeText = gameText(AdvanceNotice);
        form_.noticeColour = PureGreen;
        noticeShowing_ = true;
        beep_.beep();
    }
}

void GameControl::explode(int i, double now)
{
    LetterSlot& slot = game_.letterSlots[i];
    recorder_.letterExploded(slot.character);
    slot.rim = PureRed;
    slot.fill = PureRed;
    game_.letterSlots.raise(i);
    form_.gameOverColour = PureGreen;
    form_.gameOverVisible = true;
    endGame();
    game_.gameStartTime = now;
    game_.gameOver = true;
    form_.timerEnabled = true; // for the fade
}

void GameControl::fade(double now)
{
    double red = (now - game_.gameStartTime) * (FullRed / FuseSeconds);
    const bool last = red >= FullRed;
    if (last) {
        red = FullRed;
        form_.timerEnabled = false;
    }
    if (last || red - FadeStep > redOf(form_.gameOverColour))
        form_.gameOverColour = burnColour(red);
}

void GameControl::keyPressed(QChar code)
{
    const double now = clock_.secondsSinceMidnight();
    if (!running())
        return;
    correctForMidnight(now);
    if (code == Enter) {
        // An early ENTER is neither an advance nor a miss.
        if (now < game_.levelStartTime + AdvanceSeconds || game_.level >= MaxLevel)
            return;
        ++game_.level;
        game_.levelStartTime = now;
        form_.levelText = levelText(game_.level);
        showNotice(gameText(PauseNotice));
        return;
    }
    if (const int target = oldestLetter(code)) {
        LetterSlot& slot = game_.letterSlots[target];
        // The learner could go for the letter once it was there and the previous key was struck.
        strokes_.add(code, true, now - std::max(slot.spawnTime, game_.lastKeyTime));
        slot.character = QChar();
        game_.score += hitPoints(now - slot.spawnTime);
        recorder_.letterHit(code, now - slot.spawnTime);
    } else {
        // A miss, most likely of the letter the key would have taken first.
        if (const int meant = oldestLetter())
            strokes_.add(game_.letterSlots[meant].character, false);
        recorder_.strayKey(code);
        spawnLetter(game_, random_, now, PenaltyColourFloor);
        game_.score = std::max(game_.score - MissPenalty, 0);
    }
    game_.lastKeyTime = now;
    showScore();
}

int GameControl::oldestLetter(QChar character) const
{
    // The oldest letter wins; among letters of the same tick, the lowest slot.
    int oldest = 0;
    for (int i = 1; i <= game_.letterSlots.size(); ++i) {
        const LetterSlot& slot = game_.letterSlots[i];
        if (!slot.isFree() && (character.isNull() || slot.character == character) &&
            (oldest == 0 || slot.spawnTime < game_.letterSlots[oldest].spawnTime))
            oldest = i;
    }
    return oldest;
}

void GameControl::pauseClicked()
{
    if (!form_.pauseEnabled)
        return;
    if (game_.paused)
        resumeGame();
    else
        pauseGame();
}

void GameControl::helpClicked()
{
    if (running())
        pauseGame();
}

void GameControl::progressClicked()
{
    helpClicked();
}

void GameControl::leaving()
{
    endGame();
}

void GameControl::startLevelChanged(const QString& text)
{
    form_.startLevelText = text;
}

void GameControl::startLevelFocused()
{
    if (running())
        ui_.focusKeyCapture();
}

void GameControl::startLevelFocusLost()
{
    form_.startLevelText = validStartLevel(form_.startLevelText);
}

void GameControl::playAreaClicked()
{
    ui_.focusKeyCapture();
}

void GameControl::weakKeysClicked(bool checked)
{
    settings_.weakKeyGame = checked;
    form_.weakKeysChecked = checked;
}

void GameControl::showLayoutClicked()
{
    if (running())
        ui_.focusKeyCapture();
}

} // namespace clavora
