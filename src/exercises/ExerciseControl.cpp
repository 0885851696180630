// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseControl.h"

#include "Evaluation.h"
#include "ExerciseUi.h"
#include "PresetExercises.h"
#include "RandomExercises.h"
#include "coach/CoachMarks.h"
#include "coach/CoachStrokes.h"
#include "keyboard/KeyToPress.h"
#include "common/Numbers.h"
#include "common/Services.h"
#include "history/HistoryRecorder.h"
#include "history/WeakKeyWeights.h"
#include "keyboard/ChosenLayout.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <cmath>

namespace clavora {

ExerciseControl::ExerciseControl(AppSettings& settings, ProgramPaths paths, Clock& clock, Random& random,
                                 Clipboard& clipboard, ExerciseUi& ui, HistoryRecorder& recorder,
                                 const HistoryFigures& figures, CoachStrokes& strokes)
    : settings_(settings), paths_(std::move(paths)), clock_(clock), random_(random), clipboard_(clipboard), ui_(ui),
      history_(recorder), figures_(figures), firstKey_(clock), strokes_(strokes),
      presetLines_(settings, paths_), course_(settings, paths_, strokes.recent())
{
}

void ExerciseControl::load()
{
    form_.exerciseNumberText = QString::number(settings_.exerciseNumber);
    form_.presetSelected = settings_.exerciseType == ExerciseType::Preset;
    showCoachSettings();
    colourWindow(settings_.windowColour, settings_.textColour);
}

void ExerciseControl::colourWindow(Rgb windowColour, Rgb textColour)
{
    form_.windowColour = windowColour;
    form_.textColour = textColour;
}

std::int32_t ExerciseControl::quickPick()
{
    const double width = double(settings_.quickNumberTo) - settings_.quickNumberFrom + 1;
    return saturateToInt32(std::floor(random_.next() * width + settings_.quickNumberFrom));
}

void ExerciseControl::startQuickRun()
{
    quickRun_ = true;
    form_.caption = caption(QuickExercisesCaption);
    // The Coach goes on with its course rather than a preset line.
    const ExerciseType type = settings_.coach ? ExerciseType::Random : settings_.quickExerciseType;
    if (type == ExerciseType::Preset)
        form_.exerciseNumberText = QString::number(quickPick());
    form_.presetSelected = type == ExerciseType::Preset;
    settings_.exerciseType = type;
    startExercises();
}

void ExerciseControl::startExercises()
{
    repeatCount_ = 0;
    if (!form_.presetSelected) {
        makeRandomExercise(); // with no keys allowed, an empty line: it starts all the same
        beginExercise();
        return;
    }
    const double number = roundHalfEven(leadingNumber(form_.exerciseNumberText).value);
    const bool fits = number >= std::numeric_limits<std::int32_t>::min() &&
                      number <= std::numeric_limits<std::int32_t>::max();
    if (fits)
        loadPresetExercise(std::int32_t(number));
    else
        form_.typeThisText.clear(); // no file has that many lines
    if (!form_.typeThisText.isEmpty()) {
        beginExercise();
        return;
    }
    stopExercises();
    ui_.showMessage(tr("Exercise Not Found"), tr("Invalid exercise number.  Please try a lower number."));
    ui_.focusAndSelectNumber();
}

QString ExerciseControl::weakKeyPool() const
{
    if (!figures_.available())
        return {};
    const QString allowed =
        drillKeysAllowed(settings_, readChosenLayout(settings_, paths_).table);
    return WeakKeyWeights::fromHistory(figures_, allowed).pool();
}

bool ExerciseControl::startWeakKeyDrill()
{
    const QString pool = weakKeyPool();
    if (pool.isEmpty()) {
        QString text = tr("There is no record of your keys to practise yet.  Type a few exercises with "
                          "\"Record my progress\" ticked in the progress window, then try again.");
        if (const QString problem = figures_.problem(); !problem.isEmpty())
            text += QStringLiteral("\n") + problem;
        ui_.showMessage(tr("No Weak Keys Yet"), text);
        return false;
    }
    stopExercises();
    // The pool is drawn once: the lines of one drill aim at the same keys.
    drillPool_ = pool;
    form_.presetSelected = false;
    startExercises();
    return true;
}

bool ExerciseControl::presetExercises() const
{
    return !drilling() && settings_.exerciseType == ExerciseType::Preset;
}

void ExerciseControl::beginExercise()
{
    running_ = true;
    form_.startEnabled = false;
    form_.stopEnabled = true;
    form_.exerciseNumberReadOnly = true;
    form_.typeThisEnabled = true;
    form_.exerciseEnabled = true;
    form_.exerciseText.clear();
    form_.timeEnabled = true;
    startTime_ = clock_.secondsSinceMidnight();
    elapsed_ = 0.0;
    form_.timeText = formatTenths(0.0);
    coaching_ = settings_.coach;
    firstKey_.reset();
    form_.wrongCharacters.clear();
    form_.nextCharacter = coaching_ ? nextCharacter(form_.typeThisText, QString()) : QChar();
    showCoachStrip();
    typing_.beginAttempt(startTime_);
    clipboard_.refresh();
    ui_.focusTypingLine();
    form_.timerEnabled = true;
}

void ExerciseControl::stopExercises()
{
    if (drilling()) {
        drillPool_.clear();
        // The type buttons show the saved type again, as before the drill.
        form_.presetSelected = settings_.exerciseType == ExerciseType::Preset;
    }
    typing_.discardAttempt();
    quickRun_ = false;
    form_.caption = caption(ExercisesCaption);
    running_ = false;
    form_.startEnabled = true;
    form_.stopEnabled = false;
    form_.exerciseNumberReadOnly = false;
    form_.typeThisEnabled = false;
    form_.exerciseEnabled = false;
    form_.timeEnabled = false;
    form_.timerEnabled = false;
    form_.typeThisText = SampleText;
    form_.exerciseText = SampleText;
    form_.timeText.clear();
    form_.wrongCharacters.clear();
    form_.nextCharacter = QChar();
    form_.keyReadiness.clear();
    coaching_ = false;
}

void ExerciseControl::tick()
{
    if (!form_.timerEnabled)
        return;
    updateElapsed();
    form_.timeText = formatTenths(elapsed_);
    guardClipboard();
}

void ExerciseControl::updateElapsed()
{
    if (coaching_) {
        elapsed_ = firstKey_.elapsed();
        return;
    }
    const double now = clock_.secondsSinceMidnight();
    if (now < startTime_)
        startTime_ -= DaySeconds;
    elapsed_ = now - startTime_;
}

void ExerciseControl::guardClipboard()
{
    // An empty clipboard, or one holding no text, guards nothing and is left alone.
    if (!clipboard_.hasText())
        return;
    if (guards(clipboard_.text()))
        clipboard_.setText(tr(GuardText));
}

bool ExerciseControl::guards(const QString& text) const
{
    return !text.isEmpty() && text != tr(GuardText) && form_.typeThisText.contains(text);
}

void ExerciseControl::typingLineChanged(const QString& text)
{
    QString typed = text.left(MaxExerciseLength);
    if (coaching_ && settings_.coachStopsAtWrongKey && waitsForRightKey(typed))
        typed = form_.exerciseText.chopped(1) + typed.back(); // the key takes the wrong one's place
    form_.exerciseText = typed;
    if (coaching_) {
        firstKey_.typingLineChanged(form_.exerciseText);
        form_.wrongCharacters = wrongRanges(form_.typeThisText, form_.exerciseText);
        form_.nextCharacter = nextCharacter(form_.typeThisText, form_.exerciseText);
    }
    if (const auto stroke = typing_.typingLineChanged(form_.typeThisText, form_.exerciseText, clock_.secondsSinceMidnight()))
        strokes_.add(stroke->expected, stroke->struck == stroke->expected, stroke->intervalSeconds);
}

bool ExerciseControl::waitsForRightKey(const QString& typed) const
{
    const QString& shown = form_.exerciseText;
    const qsizetype last = shown.size() - 1;
    return last >= 0 && typed.size() == shown.size() + 1 && typed.startsWith(shown) &&
           (last >= form_.typeThisText.size() || shown[last] != form_.typeThisText[last]);
}

void ExerciseControl::enterPressed()
{
    if (running_)
        finishExercise();
}

void ExerciseControl::finishExercise()
{
    form_.timerEnabled = false;
    const bool preset = presetExercises();
    const QString title = preset       ? tr("Preset Exercise #%1").arg(settings_.exerciseNumber)
                          : drilling() ? tr("Weak-Key Drill")
                          : coaching_  ? course_.title()
                                       : tr("Random Key Exercise - level %1").arg(keyLevel(settings_));
    if (coaching_)
        updateElapsed(); // the Coach's speed is to the last key, not to the last tick
    const AttemptResult result = measureAttempt(form_.typeThisText, form_.exerciseText, elapsed_);
    const int required = quickRun_ ? settings_.quickRepeats : saturateToInt16(settings_.repeats);
    ++repeatCount_;
    const Status status =
        statusText(title, repeatCount_, required, result, elapsed_,
                   coaching_ ? coachMarks(settings_.coachSpeedTarget, settings_.classAccuracyMark) : PassMarks{settings_.minAccuracy, settings_.minSpeed});
    if (!status.counted)
        --repeatCount_;
    // Kept before the box waits for the user: a program ended meanwhile loses nothing.
    recordAttempt(result, status.counted);
    if (coaching_) {
        // No box to dismiss: the result is in the log and the strip, and the next line is up.
        coachResult_ = CoachResult::of(status.text, form_.typeThisText, form_.exerciseText);
        log_.append(coachResult_.logText);
        showCoachStrip();
    } else {
        ui_.showMessage(tr("Exercise Status"), status.text);
        log_.append(status.text);
    }
    form_.logText = log_.text();

    if (repeatCount_ >= required) {
        repeatCount_ = 0;
        if (quickRun_) {
            ++quickExercisesDone_;
            if (quickExercisesDone_ >= settings_.quickExerciseCount) {
                ui_.quickRunFinished();
                return;
            }
        }
        if (!preset) {
            makeRandomExercise();
            beginExercise();
            return;
        }
        const std::int32_t next = quickRun_ ? quickPick()
                                                      : saturateToInt32(double(settings_.exerciseNumber) + 1);
        loadPresetExercise(next);
        if (form_.typeThisText.isEmpty()) {
            stopExercises();
            return;
        }
    }
    beginExercise();
}

void ExerciseControl::showCoachStrip()
{
    QStringList parts{coachResult_.stripText};
    form_.keyReadiness.clear();
    if (courseLine()) {
        parts += course_.progress();
        form_.keyReadiness = course_.readiness();
    }
    parts += coachResult_.mistakesText;
    parts.removeAll(QString());
    form_.resultStripText = parts.join(u'\n');
}

void ExerciseControl::recordAttempt(const AttemptResult& result, bool passed)
{
    if (!typing_.recording())
        return;
    KeystrokeTally keystrokes = typing_.finishAttempt();
    strokes_.keep();
    // An empty line measures nothing: its 0 % would only pull the learner's figures down.
    if (form_.typeThisText.isEmpty() || !history_.recording())
        return;
    AttemptRecord attempt;
    attempt.finished = clock_.localDateTime();
    // A drill's line is a random line: it is kept as one, so that the store's kinds keep
    // their meaning for exports and older versions.
    const bool preset = presetExercises();
    attempt.source = {preset ? AttemptKind::Preset : AttemptKind::Random, quickRun_,
                      preset ? settings_.presetFile : QString(), preset ? settings_.exerciseNumber : 0};
    attempt.exercise = form_.typeThisText;
    attempt.typed = form_.exerciseText;
    attempt.seconds = elapsed_;
    attempt.correct = result.correct;
    attempt.accuracy = result.accuracy;
    attempt.speed = result.speed;
    attempt.correctSpeed = result.correctSpeed;
    attempt.passed = passed;
    attempt.keystrokes = std::move(keystrokes);
    // Dropped when recording was switched off during the attempt; a store that fails is set
    // aside and says why in the progress window.
    history_.addAttempt(attempt);
}

void ExerciseControl::loadPresetExercise(std::int32_t number)
{
    settings_.exerciseNumber = number;
    const QString line = presetLines_.line(number);
    if (!line.isEmpty())
        numberChanged(QString::number(number));
    form_.typeThisText = exerciseTextOf(line);
}

void ExerciseControl::makeRandomExercise()
{
    if (settings_.coach && !drilling())
        form_.typeThisText = course_.nextLine(random_);
    else
        form_.typeThisText = clavora::makeRandomExercise(drilling() ? drillPool_ : keysAllowed(settings_), random_);
}

void ExerciseControl::numberChanged(const QString& text)
{
    form_.exerciseNumberText = text;
    selectPreset();
}

void ExerciseControl::numberFocusLost()
{
    const LeadingNumber n = leadingNumber(form_.exerciseNumberText);
    const double whole = std::floor(n.value);
    if (!n.ok || whole < 1 || whole > std::numeric_limits<std::int32_t>::max())
        form_.exerciseNumberText = QStringLiteral("1");
    else
        form_.exerciseNumberText = QString::number(qint64(whole));
}

void ExerciseControl::selectPreset()
{
    form_.presetSelected = true;
    presetClicked();
}

void ExerciseControl::presetClicked()
{
    if (!running_)
        settings_.exerciseType = ExerciseType::Preset;
    form_.presetSelected = !running_ || presetExercises();
}

void ExerciseControl::randomClicked()
{
    if (!running_)
        settings_.exerciseType = ExerciseType::Random;
    form_.presetSelected = running_ && presetExercises();
}

void ExerciseControl::coachToggled(bool checked)
{
    settings_.coach = checked || settings_.classCoach;
    form_.coachChecked = settings_.coach;
}

void ExerciseControl::speedTargetChanged(int wordsPerMinute)
{
    settings_.coachSpeedTarget = std::int16_t(std::max<int>(wordsPerMinute, settings_.classSpeedTarget));
    form_.speedTarget = settings_.coachSpeedTarget;
}

void ExerciseControl::showCoachSettings()
{
    form_.coachChecked = settings_.coach;
    form_.speedTarget = settings_.coachSpeedTarget;
    form_.coachLocked = settings_.classCoach;
    form_.speedTargetMinimum = settings_.classSpeedTarget;
    QStringList goals;
    if (settings_.classCoach)
        goals << tr("the Coach on");
    if (settings_.classAccuracyMark)
        goals << tr("at least %1% correct").arg(settings_.classAccuracyMark);
    if (settings_.classSpeedTarget)
        goals << tr("a speed target of at least %1 WPM").arg(settings_.classSpeedTarget);
    form_.teacherGoalsText = goals.isEmpty() ? QString() : tr("Set by your teacher: %1.").arg(goals.join(tr(", ")));
}

void ExerciseControl::saveLogClicked()
{
    QDir().mkpath(paths_.logsFolder());
    const QString proposed =
        paths_.logsFolder() + u'/' + clock_.localDateTime().toString(QStringLiteral("yyyy-MM-dd HH-mm-ss")) +
        QStringLiteral(".txt");
    const auto chosen = ui_.askSaveFileName(
        proposed,
        {tr("Text Documents (*.txt)"), tr("Log Files (*.log)"), tr("All Files (*.*)")}, tr("Save Log As . . ."));
    if (!chosen)
        return;
    if (!saveTextFile(*chosen, log_.text()))
        ui_.showMessage(tr("Save Error"), tr("An error occurred while saving the log."));
}

} // namespace clavora
