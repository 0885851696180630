// SPDX-License-Identifier: GPL-3.0-or-later
#include "ApplySettings.h"

#include "SettingsForm.h"
#include "common/Numbers.h"
#include "settings/AppSettings.h"

namespace clavora {

namespace {
double rounded(const QString& text)
{
    return roundHalfEven(leadingNumber(text).value);
}
} // namespace

void applySettings(const SettingsForm& form, AppSettings& s)
{
    s.repeats = saturateToInt32(rounded(form.repeats));
    s.minAccuracy = saturateToInt16(rounded(form.minAccuracy));
    s.minSpeed = saturateToInt16(rounded(form.minSpeed));
    // A stored name the lists no longer hold is kept rather than replaced by no name at all.
    if (form.presetFileIndex >= 0)
        s.presetFile = form.presetFile();
    s.lowerCase = form.lowerCase;
    s.upperCase = form.upperCase;
    s.numbers = form.numbers;
    s.numberPunctuation = form.numberPunctuation;
    s.punctuation = form.punctuation;
    s.shiftedPunctuation = form.shiftedPunctuation;
    s.space = form.space;
    s.custom = form.custom;
    s.customKeys = form.customKeys;
    if (s.customKeys.isEmpty())
        s.custom = false;
    // Random exercises and the game need keys to draw from; blanks alone do not count.
    if (!(s.lowerCase || s.upperCase || s.numbers || s.numberPunctuation || s.punctuation || s.shiftedPunctuation || s.custom))
        s.lowerCase = true;
    s.quickExercisesAtStartUp = form.quickExercisesAtStartUp;
    s.quickExerciseCount = saturateToInt32(rounded(form.quickExerciseCount));
    s.quickRepeats = saturateToInt16(rounded(form.quickRepeats));
    s.quickExerciseType = form.presetExercises ? ExerciseType::Preset : ExerciseType::Random;
    s.quickNumberFrom = saturateToInt32(rounded(form.quickNumberFrom));
    s.quickNumberTo = saturateToInt32(rounded(form.quickNumberTo));
    if (form.layoutIndex >= 0)
        s.layoutFile = form.layout();
    s.windowColour = form.backColour;
    s.textColour = form.foreColour;
}

} // namespace clavora
