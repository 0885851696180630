// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <QString>
#include <QStringList>

namespace clavora {

// The dialog's seven numeric boxes.
enum class NumericBox { Repeats, MinAccuracy, MinSpeed, NumQuickEx, QuickExRepeats, QuickExNumFrom, QuickExNumTo };

// What the settings dialog shows; the window applies it whole after every event.
// Initial values are the dialog's design values.
struct SettingsForm {
    QStringList presetFiles;
    int presetFileIndex = -1; // -1: nothing selected
    QString repeats = QStringLiteral("2");
    QString minAccuracy = QStringLiteral("0");
    QString minSpeed = QStringLiteral("0");
    bool lowerCase = false;
    bool upperCase = false;
    bool numbers = false;
    bool space = false;
    bool numberPunctuation = false;
    bool punctuation = false;
    bool shiftedPunctuation = false;
    bool custom = false;
    QString customKeys = QStringLiteral("asdfjkl;");
    bool quickExercisesAtStartUp = false;
    QString quickExerciseCount = QStringLiteral("3");
    QString quickRepeats = QStringLiteral("2");
    bool presetExercises = true; // else RandomExercises is selected
    QString quickNumberFrom = QStringLiteral("1");
    QString quickNumberTo = QStringLiteral("112");
    QStringList layouts;
    int layoutIndex = -1;
    Rgb backColour = DefaultWindowColour; // the window colour being edited
    Rgb foreColour = DefaultTextColour;   // the text colour being edited

    QString& text(NumericBox box);
    const QString& text(NumericBox box) const;
    // The selected entry's text, empty when nothing is selected.
    QString presetFile() const;
    QString layout() const;
};

} // namespace clavora
