#pragma once
#include "common/Colour.h"

#include <QString>
#include <cstdint>

namespace clavora {

class ProfileFile;
class StartupEntry;

enum class ExerciseType { Preset, Random };

// The live settings. Field names are the settings file's keys.
struct AppSettings {
    std::int32_t ExNum = 0;
    ExerciseType ExType = ExerciseType::Preset;
    std::int32_t Repeats = 0;
    std::int16_t MinAccuracy = 0;
    std::int16_t MinSpeed = 0;
    QString PresetFile;
    bool LowerCase = false;
    bool UpperCase = false;
    bool Numbers = false;
    bool NumberPunc = false;
    bool Punc = false;
    bool ShiftPunc = false;
    bool Space = false;
    bool Custom = false;
    QString CustomKeys;
    bool QuickExStartUp = false;
    std::int32_t NumEx = 0;
    std::int16_t QuickExRepeats = 0;
    ExerciseType QuickExType = ExerciseType::Preset;
    std::int32_t ExNumMin = 0;
    std::int32_t ExNumMax = 0;
    Rgb WinColour = 0;
    Rgb TextColour = 0;
    std::int32_t WinX = 0;
    std::int32_t WinY = 0;
    std::int16_t GameStartLevel = 0;
    QString LayoutFile;
    std::int16_t ShowLayout = 0;
};

// Reads every field from the file (defaults for what is missing) and the start-up entry.
AppSettings LoadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips);

// Writes every field in the file's order; `exNumText` is the number box's text as shown.
// Also writes or removes the start-up entry for `program`. Returns false when the file
// could not be written.
bool SaveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& settings,
                  const QString& exNumText, const QString& program);

} // namespace clavora
