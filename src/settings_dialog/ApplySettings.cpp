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

void ApplySettings(const SettingsForm& form, AppSettings& s)
{
    s.Repeats = saturateToInt32(rounded(form.repeats));
    s.MinAccuracy = saturateToInt16(rounded(form.minAccuracy));
    s.MinSpeed = saturateToInt16(rounded(form.minSpeed));
    // A stored name the lists no longer hold is kept rather than replaced by no name at all.
    if (form.presetFileIndex >= 0)
        s.PresetFile = form.presetFile();
    s.LowerCase = form.rndLowerCase;
    s.UpperCase = form.rndUpperCase;
    s.Numbers = form.rndNumbers;
    s.NumberPunc = form.rndNumberPunc;
    s.Punc = form.rndPunc;
    s.ShiftPunc = form.rndShiftPunc;
    s.Space = form.rndSpace;
    s.Custom = form.rndCustom;
    s.CustomKeys = form.customKeys;
    if (s.CustomKeys.isEmpty())
        s.Custom = false;
    // Random exercises and the game need keys to draw from; blanks alone do not count.
    if (!(s.LowerCase || s.UpperCase || s.Numbers || s.NumberPunc || s.Punc || s.ShiftPunc || s.Custom))
        s.LowerCase = true;
    s.QuickExStartUp = form.quickExStartUp;
    s.NumEx = saturateToInt32(rounded(form.numQuickEx));
    s.QuickExRepeats = saturateToInt16(rounded(form.quickExRepeats));
    s.QuickExType = form.presetExercises ? ExerciseType::Preset : ExerciseType::Random;
    s.ExNumMin = saturateToInt32(rounded(form.quickExNumFrom));
    s.ExNumMax = saturateToInt32(rounded(form.quickExNumTo));
    if (form.layoutIndex >= 0)
        s.LayoutFile = form.layout();
    s.WinColour = form.backColour;
    s.TextColour = form.foreColour;
}

} // namespace clavora
