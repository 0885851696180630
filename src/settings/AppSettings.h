#pragma once
#include "common/Colour.h"

#include <QString>
#include <cstdint>

namespace clavora {

class ProfileFile;
class StartupEntry;

enum class ExerciseType { Preset, Random };

inline const QString DefaultExerciseSet = QStringLiteral("QWERTY - United States");

// The live settings, holding their defaults until the settings file is read. Where each
// one is kept in the file is in the table in AppSettings.cpp.
struct AppSettings {
    std::int32_t ExNum = 1;
    ExerciseType ExType = ExerciseType::Preset;
    std::int32_t Repeats = 2;
    std::int16_t MinAccuracy = 0;
    std::int16_t MinSpeed = 0;
    QString PresetFile = DefaultExerciseSet;
    bool LowerCase = true;
    bool UpperCase = false;
    bool Numbers = false;
    bool NumberPunc = false;
    bool Punc = false;
    bool ShiftPunc = false;
    bool Space = true;
    bool Custom = false;
    QString CustomKeys = QStringLiteral("asdfjkl;");
    bool QuickExStartUp = false; // kept in the start-up entry, not in the file
    std::int32_t NumEx = 3;
    std::int16_t QuickExRepeats = 2;
    ExerciseType QuickExType = ExerciseType::Preset;
    std::int32_t ExNumMin = 1;
    std::int32_t ExNumMax = 112;
    Rgb WinColour = DefaultWindowColour;
    Rgb TextColour = DefaultTextColour;
    std::int32_t WinX = 0; // the loaded default centres the exercise window on the screen
    std::int32_t WinY = 100;
    std::int16_t GameStartLevel = 1;
    QString LayoutFile = DefaultExerciseSet;
    std::int16_t ShowLayout = 1;
};

// Reads every field from the file (defaults for what is missing) and the start-up entry.
AppSettings LoadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips);

// Writes every field in the file's order; `exNumText` is the number box's text as shown.
// Also writes or removes the start-up entry for `program`. Returns false when the file
// could not be written.
bool SaveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& settings,
                  const QString& exNumText, const QString& program);

} // namespace clavora
