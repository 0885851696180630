// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"

#include "ProfileFile.h"
#include "StartupEntry.h"
#include "common/Numbers.h"

#include <QCoreApplication>
#include <variant>

namespace clavora {

namespace {
using Field = std::variant<std::int32_t AppSettings::*, std::int16_t AppSettings::*, bool AppSettings::*,
                           ExerciseType AppSettings::*, QString AppSettings::*, Rgb AppSettings::*>;

struct Stored {
    const char* section;
    const char* key;
    Field field;
};

// Every setting the file holds, in the file's order, with its section and key.
const Stored StoredSettings[] = {
    {"Exercises", "ExNum", &AppSettings::exerciseNumber},
    {"Exercises", "ExType", &AppSettings::exerciseType},
    {"Exercises", "Repeats", &AppSettings::repeats},
    {"Exercises", "MinAccuracy", &AppSettings::minAccuracy},
    {"Exercises", "MinSpeed", &AppSettings::minSpeed},
    {"Exercises", "PresetFile", &AppSettings::presetFile},
    {"RndEx", "LowerCase", &AppSettings::lowerCase},
    {"RndEx", "UpperCase", &AppSettings::upperCase},
    {"RndEx", "Numbers", &AppSettings::numbers},
    {"RndEx", "NumberPunc", &AppSettings::numberPunctuation},
    {"RndEx", "Punc", &AppSettings::punctuation},
    {"RndEx", "ShiftPunc", &AppSettings::shiftedPunctuation},
    {"RndEx", "Space", &AppSettings::space},
    {"RndEx", "Custom", &AppSettings::custom},
    {"RndEx", "CustomKeys", &AppSettings::customKeys},
    {"QuickEx", "NumEx", &AppSettings::quickExerciseCount},
    {"QuickEx", "Repeats", &AppSettings::quickRepeats},
    {"QuickEx", "ExType", &AppSettings::quickExerciseType},
    {"QuickEx", "ExNumMin", &AppSettings::quickNumberFrom},
    {"QuickEx", "ExNumMax", &AppSettings::quickNumberTo},
    {"Display", "WinColour", &AppSettings::windowColour},
    {"Display", "TextColour", &AppSettings::textColour},
    {"Display", "WinX", &AppSettings::windowX},
    {"Display", "WinY", &AppSettings::windowY},
    {"Game", "StartLevel", &AppSettings::gameStartLevel},
    {"KeyLayout", "Layout", &AppSettings::layoutFile},
    {"KeyLayout", "ShowLayout", &AppSettings::showLayout},
    {"History", "Record", &AppSettings::recordProgress},
    {"History", "ShowWeakKeys", &AppSettings::showWeakKeys},
};

// Reads one setting, `defaults` giving the value for a missing one.
struct Reader {
    const ProfileFile& file;
    const AppSettings& defaults;
    AppSettings& settings;
    QString section;
    QString key;

    qint64 number(qint64 fallback) const { return file.readInt(section, key, fallback); }
    void operator()(std::int32_t AppSettings::*f) const
    {
        settings.*f = saturateToInt32(double(number(defaults.*f)));
    }
    void operator()(std::int16_t AppSettings::*f) const
    {
        settings.*f = saturateToInt16(double(number(defaults.*f)));
    }
    void operator()(bool AppSettings::*f) const { settings.*f = number(defaults.*f ? 1 : 0) == 1; }
    void operator()(ExerciseType AppSettings::*f) const
    {
        settings.*f = number(defaults.*f == ExerciseType::Preset ? 0 : 1) == 0 ? ExerciseType::Preset
                                                                               : ExerciseType::Random;
    }
    void operator()(QString AppSettings::*f) const { settings.*f = file.readString(section, key, defaults.*f); }
    // A colour is a 32-bit signed number in the file, as every other integer.
    void operator()(Rgb AppSettings::*f) const
    {
        settings.*f = Rgb(saturateToInt32(double(number(std::int32_t(defaults.*f)))));
    }
};

// The text the file holds for one setting.
struct Writer {
    const AppSettings& settings;
    template <typename Number>
    QString operator()(Number AppSettings::*f) const
    {
        return QString::number(qint64(settings.*f));
    }
    QString operator()(bool AppSettings::*f) const { return settings.*f ? QStringLiteral("1") : QStringLiteral("0"); }
    QString operator()(ExerciseType AppSettings::*f) const
    {
        return settings.*f == ExerciseType::Preset ? QStringLiteral("0") : QStringLiteral("1");
    }
    QString operator()(QString AppSettings::*f) const { return settings.*f; }
    // One rule for every integer: its signed value, so a colour of -1 stays -1.
    QString operator()(Rgb AppSettings::*f) const { return QString::number(std::int32_t(settings.*f)); }
};
} // namespace

AppSettings loadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips)
{
    AppSettings defaults;
    defaults.windowX = std::int32_t(roundHalfEven(screenWidthTwips / 2.0 - 5093));
    AppSettings s;
    for (const Stored& stored : StoredSettings)
        std::visit(Reader{file, defaults, s, QLatin1String(stored.section), QLatin1String(stored.key)}, stored.field);
    s.exerciseNumber = std::max(s.exerciseNumber, 1);
    // The check box knows only unchecked and checked; anything but 1 leaves it unchecked.
    s.showLayout = s.showLayout == 1 ? 1 : 0;
    s.quickExercisesAtStartUp = !entry.read().isEmpty();
    return s;
}

void writeSettings(ProfileFile& file, const AppSettings& s, const QString& exerciseNumberText)
{
    for (const Stored& stored : StoredSettings) {
        const bool exerciseNumber = std::holds_alternative<std::int32_t AppSettings::*>(stored.field) &&
                                    std::get<std::int32_t AppSettings::*>(stored.field) == &AppSettings::exerciseNumber;
        // The number is saved as the box shows it, which may not be a number at all.
        const QString value = exerciseNumber ? exerciseNumberText : std::visit(Writer{s}, stored.field);
        file.write(QLatin1String(stored.section), QLatin1String(stored.key), value);
    }
}

SettingsSaved saveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& s,
                           const QString& exerciseNumberText, const QString& program)
{
    SettingsSaved saved;
    writeSettings(file, s, exerciseNumberText);
    // A file too large to read was left alone on purpose, and the user was told at start.
    saved.file = file.tooLarge() ? SaveResult{true, {}} : file.save();
    if (s.quickExercisesAtStartUp)
        saved.entry = entry.write(program);
    else
        entry.remove();
    return saved;
}

QList<Notice> saveNotices(const SettingsSaved& saved, const ProfileFile& file, const StartupEntry& entry,
                          const QString& program)
{
    using Outcome = StartupEntry::Written::Outcome;
    QList<Notice> notices;
    QStringList failures;
    if (!saved.file.ok)
        failures.append(QCoreApplication::translate("AppSettings", "The settings could not be saved to \"%1\": %2.")
                            .arg(file.path(), saved.file.reason));
    if (saved.entry.outcome == Outcome::Failed)
        failures.append(QCoreApplication::translate("AppSettings",
                                                    "The quick-exercise start-up entry could not be saved to \"%1\": %2.")
                            .arg(entry.location(), saved.entry.reason));
    if (!failures.isEmpty())
        notices.append({QCoreApplication::translate("AppSettings", "Save Error"), failures.join(u'\n')});
    if (saved.entry.outcome == Outcome::UnsafePath)
        notices.append({QCoreApplication::translate("AppSettings", "Quick Exercises at Log-in"),
                        QCoreApplication::translate("AppSettings",
                                                    "Quick exercises at log-in need the program in a folder whose path "
                                                    "holds none of the characters $ ` \" \\ % and no control "
                                                    "characters.\n\nThe program is \"%1\", so no start-up entry was made.")
                            .arg(program)});
    return notices;
}

std::optional<Notice> loadNotice(const ProfileFile& file)
{
    if (!file.tooLarge())
        return std::nullopt;
    return Notice{QCoreApplication::translate("AppSettings", "Settings Not Read"),
                  QCoreApplication::translate("AppSettings",
                                              "\"%1\" is larger than 4 MB, so it was not read and will be left as it "
                                              "is. The program starts with its default settings.")
                      .arg(file.path())};
}

} // namespace clavora
