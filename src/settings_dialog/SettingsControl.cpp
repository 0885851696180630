// SPDX-License-Identifier: GPL-3.0-or-later
#include "SettingsControl.h"

#include "NumericBoxCheck.h"
#include "SettingsUi.h"
#include "settings/AppSettings.h"

namespace clavora {

namespace {
int firstMatchIgnoringCase(const QStringList& list, const QString& name)
{
    const QString wanted = name.toLower();
    for (int i = 0; i < list.size(); ++i)
        if (list[i].toLower() == wanted)
            return i;
    return -1;
}

int validIndex(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? index : -1;
}
} // namespace

SettingsControl::SettingsControl(QStringList presetFiles, QStringList layouts, const AppSettings& live,
                                 SettingsUi& ui)
    : ui_(ui)
{
    form_.presetFiles = std::move(presetFiles);
    form_.layouts = std::move(layouts);
    updateSettings(live);
    form_.backColour = live.windowColour;
    form_.foreColour = live.textColour;
}

void SettingsControl::updateSettings(const AppSettings& live)
{
    form_.repeats = QString::number(live.repeats);
    form_.minAccuracy = QString::number(live.minAccuracy);
    form_.minSpeed = QString::number(live.minSpeed);
    form_.presetFileIndex = firstMatchIgnoringCase(form_.presetFiles, live.presetFile);
    form_.lowerCase = live.lowerCase;
    form_.upperCase = live.upperCase;
    form_.numbers = live.numbers;
    form_.numberPunctuation = live.numberPunctuation;
    form_.punctuation = live.punctuation;
    form_.shiftedPunctuation = live.shiftedPunctuation;
    form_.space = live.space;
    customKeysChanged(live.customKeys);
    form_.custom = live.custom; // whatever the keys' rule ticked
    form_.quickExercisesAtStartUp = live.quickExercisesAtStartUp;
    form_.quickExerciseCount = QString::number(live.quickExerciseCount);
    form_.quickRepeats = QString::number(live.quickRepeats);
    form_.presetExercises = live.quickExerciseType == ExerciseType::Preset;
    form_.quickNumberFrom = QString::number(live.quickNumberFrom);
    form_.quickNumberTo = QString::number(live.quickNumberTo);
    form_.layoutIndex = firstMatchIgnoringCase(form_.layouts, live.layoutFile);
}

void SettingsControl::numberEdited(NumericBox box, const QString& text)
{
    form_.text(box) = text;
}

void SettingsControl::numberBoxLeft(NumericBox box)
{
    checkNumericBox(form_, box);
}

void SettingsControl::customKeysChanged(const QString& text)
{
    // The space bar has its own box; blanks are not custom keys.
    form_.customKeys = QString(text).remove(u' ');
    form_.custom = !form_.customKeys.isEmpty();
}

void SettingsControl::setTicked(bool SettingsForm::*box, bool ticked)
{
    form_.*box = ticked;
}

void SettingsControl::presetFileChosen(int index)
{
    form_.presetFileIndex = validIndex(form_.presetFiles, index);
}

void SettingsControl::layoutChosen(int index)
{
    form_.layoutIndex = validIndex(form_.layouts, index);
}

void SettingsControl::quickTypeChosen(bool preset)
{
    form_.presetExercises = preset;
}

void SettingsControl::windowColourClicked()
{
    if (const auto picked = ui_.pickColour(form_.backColour))
        form_.backColour = *picked;
}

void SettingsControl::textColourClicked()
{
    if (const auto picked = ui_.pickColour(form_.foreColour))
        form_.foreColour = *picked;
}

void SettingsControl::defaultsClicked()
{
    form_.backColour = DefaultWindowColour;
    form_.foreColour = DefaultTextColour;
}

void SettingsControl::confirm(std::optional<NumericBox> focusedBox)
{
    if (focusedBox)
        numberBoxLeft(*focusedBox);
}

} // namespace clavora
