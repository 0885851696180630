// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "ExerciseLog.h"
#include "LayoutDrills.h"
#include "MainForm.h"
#include "coach/CoachCourse.h"
#include "coach/CoachResult.h"
#include "coach/FirstKeyClock.h"
#include "common/ProgramPaths.h"
#include "history/TypingRecorder.h"

#include <QCoreApplication>

namespace clavora {

struct AppSettings;
class Clock;
class Random;
class Clipboard;
class CoachStrokes;
class ExerciseUi;
class HistoryFigures;
class HistoryRecorder;
struct AttemptResult;

// The exercise window's rules: starting, timing, evaluating and stopping attempts. Each
// finished attempt goes to the recorder while it records; the weak-key drills read the figures.
class ExerciseControl {
    Q_DECLARE_TR_FUNCTIONS(ExerciseControl)

public:
    ExerciseControl(AppSettings& settings, ProgramPaths paths, Clock& clock, Random& random,
                    Clipboard& clipboard, ExerciseUi& ui, HistoryRecorder& recorder, const HistoryFigures& figures,
                    CoachStrokes& strokes);

    const MainForm& form() const { return form_; }
    bool running() const { return running_; }
    // A quick run is under way: its own repeats and number of exercises apply.
    bool quickRun() const { return quickRun_; }
    // Text the clipboard guard keeps out of the typing line: part of the exercise shown.
    bool guards(const QString& text) const;

    // After the settings are loaded: number box, type buttons and colours follow them.
    void load();
    // The quick-exercise start: number and type chosen, caption set, exercises started.
    void startQuickRun();
    void colourWindow(Rgb windowColour, Rgb textColour);

    void startExercises();
    void stopExercises();
    // Random lines drawn by the weights of the keys in the history, in place of whatever
    // runs; Stop ends it, and the saved exercise type is left as it was. False, having said
    // why, when the history has no key to drill: nothing running is stopped then.
    bool startWeakKeyDrill();
    bool drilling() const { return !drillPool_.isEmpty(); }

    // Events forwarded by the window.
    void tick();
    void typingLineChanged(const QString& text);
    void enterPressed();
    void numberChanged(const QString& text);
    void numberFocusLost();
    void presetClicked();
    void randomClicked();
    void saveLogClicked();
    // "Coach me": takes effect from the next line shown.
    void coachToggled(bool checked);
    void speedTargetChanged(int wordsPerMinute);
    // The Coach's controls as the settings and the class's goals in them have them: at the
    // load, and when the goals were read from the class server.
    void showCoachSettings();

    // What a copy of the exercise turns into, in the person's language through tr().
    static constexpr char GuardText[] = QT_TRANSLATE_NOOP("ExerciseControl", " LOL, nice try xD ");

private:
    void beginExercise();
    void finishExercise();
    void loadPresetExercise(std::int32_t number);
    void makeRandomExercise();
    // Preset lines are being typed: the saved type says so and no drill overrides it.
    bool presetExercises() const;
    QString weakKeyPool() const;
    void selectPreset();
    std::int32_t quickPick();
    void guardClipboard();
    // Seconds of the attempt so far: from the first key when coached.
    void updateElapsed();
    // `typed` adds a key after a wrong last one, which the Coach can hold the line at.
    bool waitsForRightKey(const QString& typed) const;
    void recordAttempt(const AttemptResult& result, bool passed);
    // The line shown is the Coach's course.
    bool courseLine() const { return coaching_ && !drilling() && !presetExercises(); }
    // The strip: the last line's result, how far the course's next letter is, and the last
    // line's mistakes, which may run long, last; each letter's readiness for the keyboard.
    void showCoachStrip();

    AppSettings& settings_;
    ProgramPaths paths_;
    Clock& clock_;
    Random& random_;
    Clipboard& clipboard_;
    ExerciseUi& ui_;
    MainForm form_;
    ExerciseLog log_;
    HistoryRecorder& history_;
    const HistoryFigures& figures_;
    TypingRecorder typing_; // every attempt's keys, for the Coach and, while it records, the history
    FirstKeyClock firstKey_;
    CoachStrokes& strokes_; // whatever was typed, coached or not
    PresetLines presetLines_;
    CoachCourse course_; // the random lines while the Coach is on
    bool coaching_ = false; // the line shown is coached
    CoachResult coachResult_; // the last coached line's result, for the strip
    bool running_ = false;
    bool quickRun_ = false;
    QString drillPool_; // the weighted pool while a weak-key drill runs, else empty
    double startTime_ = 0.0;
    double elapsed_ = 0.0;
    std::int32_t repeatCount_ = 0;
    std::int32_t quickExercisesDone_ = 0;
};

} // namespace clavora
