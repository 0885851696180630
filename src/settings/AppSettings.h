// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "StartupEntry.h"
#include "common/Colour.h"
#include "common/FileAccess.h"

#include <QString>
#include <QList>
#include <cstdint>
#include <optional>

namespace clavora {

class ProfileFile;

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

    // Run-time flags, never saved.
    bool GameLoaded = false; // the game window is the window in use
    bool QuickMode = false;  // a quick-exercise run is under way

    bool operator==(const AppSettings&) const = default;
};

// Reads every field from the file (defaults for what is missing) and the start-up entry.
AppSettings LoadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips);

// Puts every field into the file in the file's order, without saving it; `exNumText` is the
// number box's text as shown. Every integer field, colours included, is written as a
// signed decimal of its width.
void WriteSettings(ProfileFile& file, const AppSettings& settings, const QString& exNumText);

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
SettingsSaved SaveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& settings,
                           const QString& exNumText, const QString& program);

// The boxes to show after a save: "Save Error" for what failed, and the reason no start-up
// entry was made for a program in a folder that a launcher would misread.
QList<Notice> SaveNotices(const SettingsSaved& saved, const ProfileFile& file, const StartupEntry& entry,
                          const QString& program);
// The box to show at start when the settings file was too large to be read; none otherwise.
std::optional<Notice> LoadNotice(const ProfileFile& file);

} // namespace clavora
