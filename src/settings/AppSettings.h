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

// The live settings. Each field's default, and where the file keeps it, is its row in the
// settings table (AppSettings.cpp, SettingsTable.h).
struct AppSettings {
    AppSettings(); // every field at its default

    std::int32_t exerciseNumber;
    ExerciseType exerciseType;
    std::int32_t repeats;
    std::int16_t minAccuracy;
    std::int16_t minSpeed;
    QString presetFile;
    bool lowerCase;
    bool upperCase;
    bool numbers;
    bool numberPunctuation;
    bool punctuation;
    bool shiftedPunctuation;
    bool space;
    bool custom;
    QString customKeys;
    bool quickExercisesAtStartUp; // kept in the start-up entry, not in the file
    std::int32_t quickExerciseCount;
    std::int16_t quickRepeats;
    ExerciseType quickExerciseType;
    std::int32_t quickNumberFrom;
    std::int32_t quickNumberTo;
    Rgb windowColour;
    Rgb textColour;
    std::int32_t windowX; // the loaded default centres the exercise window on the screen
    std::int32_t windowY;
    std::int16_t gameStartLevel;
    QString layoutFile;
    // A layout of the desktop's keyboard database ("se", "se(nodeadkeys)") chosen over a
    // layout file; `layoutFile` then holds its name as the desktop gives it. Empty: the file.
    QString desktopLayout;
    std::int16_t showLayout;
    bool recordProgress;
    bool showWeakKeys; // the keyboard window's keys coloured by error rate
    bool weakKeyGame; // the game's letters drawn by error rate
    bool coach; // "Coach me": marking, the first-key clock, its own marks
    std::int16_t coachSpeedTarget; // words per minute the Coach asks for
    QString coachKeys; // the letters of the Coach's course unlocked so far; empty before it starts
    bool coachStopsAtWrongKey; // a wrong key waits, marked, for the right one
    // A libpq connection string or service ("service=clavora-class"); empty: in no class.
    // Passwords stay in libpq's own files, never here.
    QString classServer;
    // The goals of the learner's classes as last read from the class server, kept for the
    // times it cannot be reached; 0: none. The layout they set goes into the layout's own
    // setting.
    std::int16_t classAccuracyMark; // %, above the Coach's own
    std::int16_t classSpeedTarget;  // words per minute, the lowest speed target the learner may set
    bool classCoach;                // the Coach stays on

    bool operator==(const AppSettings&) const = default;
};

// Reads every field from the file (defaults for what is missing) and the start-up entry.
AppSettings loadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips);

// Puts every field into the file in the file's order, without saving it (the Coach's section
// only once the Coach has been switched on, so that a file stays as it was without it);
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
