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
    std::int32_t exerciseNumber = 1;
    ExerciseType exerciseType = ExerciseType::Preset;
    std::int32_t repeats = 2;
    std::int16_t minAccuracy = 0;
    std::int16_t minSpeed = 0;
    QString presetFile = DefaultExerciseSet;
    bool lowerCase = true;
    bool upperCase = false;
    bool numbers = false;
    bool numberPunctuation = false;
    bool punctuation = false;
    bool shiftedPunctuation = false;
    bool space = true;
    bool custom = false;
    QString customKeys = QStringLiteral("asdfjkl;");
    bool quickExercisesAtStartUp = false; // kept in the start-up entry, not in the file
    std::int32_t quickExerciseCount = 3;
    std::int16_t quickRepeats = 2;
    ExerciseType quickExerciseType = ExerciseType::Preset;
    std::int32_t quickNumberFrom = 1;
    std::int32_t quickNumberTo = 112;
    Rgb windowColour = DefaultWindowColour;
    Rgb textColour = DefaultTextColour;
    std::int32_t windowX = 0; // the loaded default centres the exercise window on the screen
    std::int32_t windowY = 100;
    std::int16_t gameStartLevel = 1;
    QString layoutFile = DefaultExerciseSet;
    std::int16_t showLayout = 1;
};

// Reads every field from the file (defaults for what is missing) and the start-up entry.
AppSettings loadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips);

// Writes every field in the file's order; `exerciseNumberText` is the number box's text as shown.
// Also writes or removes the start-up entry for `program`. Returns false when the file
// could not be written.
bool saveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& settings,
                  const QString& exerciseNumberText, const QString& program);

} // namespace clavora
