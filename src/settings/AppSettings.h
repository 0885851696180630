// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "StartupEntry.h"
#include "common/Colour.h"
#include "common/FileAccess.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace clavora {

class ProfileFile;

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
    bool recordProgress = true;
    bool showWeakKeys = false; // the keyboard window's keys coloured by error rate

    bool operator==(const AppSettings&) const = default;
};

// Reads every field from the file (defaults for what is missing) and the start-up entry.
AppSettings loadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips);

// Puts every field into the file in the file's order, without saving it;
// `exerciseNumberText` is the number box's text as shown. Every integer field, colours
// included, is written as a signed decimal of its width.
void writeSettings(ProfileFile& file, const AppSettings& settings, const QString& exerciseNumberText);

// What a save at the close came to, and what the user must be told about it.
struct SettingsSaved {
    SaveResult file;
    StartupEntry::Written entry;
};
struct Notice {
    QString title;
    QString text;
};

// Writes the settings and saves the file (not a file too large to have been read), and
// writes or removes the start-up entry for `program`.
SettingsSaved saveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& settings,
                           const QString& exerciseNumberText, const QString& program);

// The boxes to show after a save: "Save Error" for what failed, and the reason no start-up
// entry was made for a program in a folder that a launcher would misread.
QList<Notice> saveNotices(const SettingsSaved& saved, const ProfileFile& file, const StartupEntry& entry,
                          const QString& program);
// The box to show at start when the settings file was too large to be read; none otherwise.
std::optional<Notice> loadNotice(const ProfileFile& file);

} // namespace clavora
