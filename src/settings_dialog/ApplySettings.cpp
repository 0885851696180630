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

std::int32_t held(std::int32_t, double value)
{
    return saturateToInt32(value);
}
std::int16_t held(std::int16_t, double value)
{
    return saturateToInt16(value);
}
} // namespace

void applySettings(const SettingsForm& form, AppSettings& s)
{
    for (const auto& number : form.numbers) {
        const double value = rounded(number.second);
        std::visit([&s, value](auto field) { s.*field = held(s.*field, value); }, number.first);
    }
    for (const auto& [box, ticked] : form.flags)
        s.*box = ticked;
    // A stored name the lists no longer hold is kept rather than replaced by no name at all.
    if (form.presetFileIndex >= 0)
        s.presetFile = form.presetFile();
    s.customKeys = form.customKeys;
    if (s.customKeys.isEmpty())
        s.custom = false;
    // Random exercises and the game need keys to draw from; blanks alone do not count.
    if (!(s.lowerCase || s.upperCase || s.numbers || s.numberPunctuation || s.punctuation || s.shiftedPunctuation || s.custom))
        s.lowerCase = true;
    s.quickExerciseType = form.presetExercises ? ExerciseType::Preset : ExerciseType::Random;
    if (form.layoutIndex >= 0) {
        // The exercise set that went with a layout of the desktop's database is made from it
        // and has no file to pick; it follows the layout, to or from such a layout.
        const bool setWentWithLayout = s.presetFile.compare(s.layoutFile, Qt::CaseInsensitive) == 0;
        const bool desktopBefore = !s.desktopLayout.isEmpty();
        s.layoutFile = form.layout();
        s.desktopLayout = form.desktopLayout();
        if (setWentWithLayout && (desktopBefore || !s.desktopLayout.isEmpty()))
            s.presetFile = s.layoutFile;
    }
    s.windowColour = form.windowColour;
    s.textColour = form.textColour;
}

} // namespace clavora
