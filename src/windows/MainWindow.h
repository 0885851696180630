// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "PractiseWindow.h"
#include "exercises/ExerciseControl.h"
#include "exercises/ExerciseUi.h"
#include "common/ClassGoals.h"

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QCheckBox;
class QPlainTextEdit;
class QSpinBox;
class QTimer;

namespace clavora {

// The exercise window: owns the exercise logic, shows its form and forwards its events.
class MainWindow final : public PractiseWindow, public ExerciseUi {
    Q_OBJECT
public:
    MainWindow(AppSettings& settings, ProgramPaths paths, Clock& clock, Random& random, Clipboard& clipboard,
               HistoryRecorder& recorder, const HistoryFigures& figures, CoachStrokes& strokes);

    const ExerciseControl& control() const { return control_; }
    // Takes the loaded settings: number, type, colours and the saved position.
    void load();
    // The class's goals in the settings changed: the Coach's controls follow them.
    void classGoalsChanged();
    void startQuickRun();
    bool startWeakKeyDrill();
    void colourWindow(Rgb windowColour, Rgb textColour) override;
    // Writes the logic's form into the controls, touching only what differs.
    void apply();

    bool showLayoutChecked() const;
    void setShowLayoutChecked(bool checked) override;

    // ExerciseUi
    void showMessage(const QString& title, const QString& text) override;
    void focusTypingLine() override;
    void focusAndSelectNumber() override;
    std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& filters,
                                           const QString& title) override;
    void quickRunFinished() override;

    static constexpr int ClientWidthTwips = 10095;
    static constexpr int ClientHeightTwips = 5115;
    // The Coach's result strip, below the rest: the window grows by it while coaching.
    static constexpr int ResultStripTwips = 1365; // five lines: results wrap, never cut
    // The line of what the class's teacher set, above the strip while coaching in a class.
    static constexpr int TeacherGoalsTwips = 300;
    // The highest speed target the box offers: far beyond anyone's speed.
    static constexpr int MaximumSpeedTarget = HighestSpeedTarget;

signals:
    // The Coach's next character for the keyboard window; null when there is none.
    void nextCharacterChanged(QChar character);
    // How ready the Coach finds each letter, for the keyboard window; empty for none.
    void keyReadinessChanged(const QHash<QChar, double>& readiness);
    void quickRunEnded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void bindControls();
    void applyColours(Rgb windowColour, Rgb textColour);
    // The switch to the game, the settings, the help and the progress window first stop a
    // running exercise.
    void stopAndEmit(void (PractiseWindow::*signal)());
    void applyCoach(const MainForm& form);
    void markWrongCharacters(const std::vector<MarkedRange>& wrong);

    AppSettings& settings_;
    ExerciseControl control_;
    QLabel* typeLabel_;
    QRadioButton* presetExercises_;
    QLineEdit* numberBox_;
    QRadioButton* randomExercises_;
    QPushButton* startButton_;
    QPushButton* stopButton_;
    QPushButton* gameButton_;
    QPushButton* settingsButton_;
    QPushButton* helpButton_;
    QLineEdit* typeThis_;
    QLineEdit* exerciseBox_;
    QLabel* timeLabel_;
    QLineEdit* timeBox_;
    QLabel* secondsLabel_;
    QPlainTextEdit* log_;
    QCheckBox* showLayout_;
    QPushButton* saveLogButton_;
    QPushButton* progressButton_;
    QCheckBox* coach_;
    QLabel* speedTargetLabel_;
    QSpinBox* speedTarget_;
    QLabel* resultStrip_;
    QLabel* teacherGoals_;
    std::vector<MarkedRange> shownWrongCharacters_;
    QChar shownNextCharacter_;
    QHash<QChar, double> shownKeyReadiness_;
    QTimer* exerciseTimer_;
    std::optional<std::pair<Rgb, Rgb>> shownColours_;
    enum class Focus { None, TypingLine, Number } pendingFocus_ = Focus::None;
};

} // namespace clavora
