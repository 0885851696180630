// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Captions.h"
#include "coach/LiveMarking.h"
#include "common/Colour.h"

#include <QHash>
#include <QString>

namespace clavora {

inline const QString SampleText = QStringLiteral("1234567890123456789012345678901234567890");

// What the exercise window shows; the window applies it whole after every event.
struct MainForm {
    Rgb windowColour = DefaultWindowColour;
    Rgb textColour = DefaultTextColour;
    QString caption = clavora::caption(ExercisesCaption);
    QString exerciseNumberText = QStringLiteral("1");
    bool exerciseNumberReadOnly = false;
    bool presetSelected = true; // else RandomExercises is selected
    bool startEnabled = true;
    bool stopEnabled = false;
    QString typeThisText = SampleText;
    bool typeThisEnabled = true;
    QString exerciseText = SampleText;
    bool exerciseEnabled = false;
    bool timeEnabled = false;
    QString timeText;
    QString logText;
    bool timerEnabled = false;
    // The Coach: its box, the typed characters it marks wrong, its last result on one line
    // (the strip shows only while the box is ticked).
    bool coachChecked = false;
    int speedTarget = 0; // words per minute, shown while the box is ticked
    // What the learner's class's teacher set: the box stays ticked, the target goes no lower,
    // and a line says so while the box is ticked (empty: no class goals).
    bool coachLocked = false;
    int speedTargetMinimum = 0;
    QString teacherGoalsText;
    std::vector<MarkedRange> wrongCharacters;
    QString resultStripText;
    QChar nextCharacter; // while coaching, for the keyboard window; else null
    // While the course's line is up, how ready each unlocked letter is (0 to 1), for the
    // keyboard window; else empty.
    QHash<QChar, double> keyReadiness;
};

} // namespace clavora
