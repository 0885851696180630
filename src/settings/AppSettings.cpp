// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"

#include "ClassServerCheck.h"
#include "common/ClassGoals.h"
#include "ProfileFile.h"
#include "StartupEntry.h"
#include "SettingsTable.h"
#include "common/Numbers.h"

#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <variant>

namespace clavora {

namespace {
constexpr qint64 Int16Max = std::numeric_limits<std::int16_t>::max();
constexpr qint64 Int32Max = std::numeric_limits<std::int32_t>::max();
const QString DefaultExerciseSet = QStringLiteral("QWERTY - United States");
constexpr char CoachSection[] = "Coach";
constexpr char ClassSection[] = "Class";
constexpr char ClassGoalsSection[] = "ClassGoals";

// Reads one setting, `defaults` giving the value for a missing one.
struct Reader {
    const ProfileFile& file;
    const AppSettings& defaults;
    AppSettings& settings;

    template <typename T>
    qint64 number(const Setting<T>& s, qint64 fallback) const
    {
        return file.readInt(QLatin1String(s.section), QLatin1String(s.key), fallback);
    }
    // A setting the dialog edits is held only to its field's width here.
    template <typename T>
    qint64 bounded(const Setting<T>& s, qint64 value) const
    {
        const Bounds b = s.inDialog == InDialog::Yes ? widthOf<T>() : s.bounds;
        return std::clamp(value, b.lowest, b.highest);
    }
    template <typename Integer>
    void operator()(const Setting<Integer>& s) const
    {
        settings.*s.field = Integer(bounded(s, number(s, defaults.*s.field)));
    }
    void operator()(const Setting<bool>& s) const { settings.*s.field = number(s, defaults.*s.field ? 1 : 0) == 1; }
    void operator()(const Setting<ExerciseType>& s) const
    {
        settings.*s.field = number(s, defaults.*s.field == ExerciseType::Preset ? 0 : 1) == 0 ? ExerciseType::Preset
                                                                                          : ExerciseType::Random;
    }
    void operator()(const Setting<QString>& s) const
    {
        settings.*s.field = file.readString(QLatin1String(s.section), QLatin1String(s.key), defaults.*s.field);
    }
    // A colour is a 32-bit signed number in the file, as every other integer.
    void operator()(const Setting<Rgb>& s) const
    {
        settings.*s.field = Rgb(saturateToInt32(double(number(s, std::int32_t(defaults.*s.field)))));
    }
};

// The text the file holds for one setting.
struct Writer {
    const AppSettings& settings;
    template <typename Integer>
    QString operator()(const Setting<Integer>& s) const
    {
        return QString::number(qint64(settings.*s.field));
    }
    QString operator()(const Setting<bool>& s) const
    {
        return settings.*s.field ? QStringLiteral("1") : QStringLiteral("0");
    }
    QString operator()(const Setting<ExerciseType>& s) const
    {
        return settings.*s.field == ExerciseType::Preset ? QStringLiteral("0") : QStringLiteral("1");
    }
    QString operator()(const Setting<QString>& s) const { return settings.*s.field; }
    // One rule for every integer: its signed value, so a colour of -1 stays -1.
    QString operator()(const Setting<Rgb>& s) const { return QString::number(std::int32_t(settings.*s.field)); }
};

const char* sectionOf(const AnySetting& row)
{
    return std::visit([](const auto& s) { return s.section; }, row);
}
} // namespace

std::span<const AnySetting> settingsTable()
{
    using enum InDialog;
    // Built at first use, so that an AppSettings made before main() finds it.
    static const AnySetting table[] = {
        Setting{"Exercises", "ExNum", &AppSettings::exerciseNumber, 1, No, {1, Int32Max}},
        Setting{"Exercises", "ExType", &AppSettings::exerciseType, ExerciseType::Preset},
        Setting{"Exercises", "Repeats", &AppSettings::repeats, 2, Yes, {1, Int32Max}},
        Setting{"Exercises", "MinAccuracy", &AppSettings::minAccuracy, 0, Yes, {0, 100}},
        Setting{"Exercises", "MinSpeed", &AppSettings::minSpeed, 0, Yes, {0, Int16Max}},
        Setting{"Exercises", "PresetFile", &AppSettings::presetFile, DefaultExerciseSet, Yes},
        Setting{"RndEx", "LowerCase", &AppSettings::lowerCase, true, Yes},
        Setting{"RndEx", "UpperCase", &AppSettings::upperCase, false, Yes},
        Setting{"RndEx", "Numbers", &AppSettings::numbers, false, Yes},
        Setting{"RndEx", "NumberPunc", &AppSettings::numberPunctuation, false, Yes},
        Setting{"RndEx", "Punc", &AppSettings::punctuation, false, Yes},
        Setting{"RndEx", "ShiftPunc", &AppSettings::shiftedPunctuation, false, Yes},
        Setting{"RndEx", "Space", &AppSettings::space, true, Yes},
        Setting{"RndEx", "Custom", &AppSettings::custom, false, Yes},
        Setting{"RndEx", "CustomKeys", &AppSettings::customKeys, QStringLiteral("asdfjkl;"), Yes},
        Setting{nullptr, nullptr, &AppSettings::quickExercisesAtStartUp, false, Yes}, // the start-up entry
        Setting{"QuickEx", "NumEx", &AppSettings::quickExerciseCount, 3, Yes, {1, Int32Max}},
        Setting{"QuickEx", "Repeats", &AppSettings::quickRepeats, 2, Yes, {1, Int16Max}},
        Setting{"QuickEx", "ExType", &AppSettings::quickExerciseType, ExerciseType::Preset, Yes},
        Setting{"QuickEx", "ExNumMin", &AppSettings::quickNumberFrom, 1, Yes, {1, Int32Max}},
        Setting{"QuickEx", "ExNumMax", &AppSettings::quickNumberTo, 112, Yes, {1, Int32Max}},
        Setting{"Display", "WinColour", &AppSettings::windowColour, DefaultWindowColour, Yes},
        Setting{"Display", "TextColour", &AppSettings::textColour, DefaultTextColour, Yes},
        // The loaded default centres the exercise window on the screen.
        Setting{"Display", "WinX", &AppSettings::windowX, 0},
        Setting{"Display", "WinY", &AppSettings::windowY, 100},
        Setting{"Game", "StartLevel", &AppSettings::gameStartLevel, 1},
        Setting{"KeyLayout", "Layout", &AppSettings::layoutFile, DefaultExerciseSet, Yes},
        Setting{"KeyLayout", "ShowLayout", &AppSettings::showLayout, 1},
        Setting{"KeyLayout", "DesktopLayout", &AppSettings::desktopLayout, QString()},
        Setting{"History", "Record", &AppSettings::recordProgress, true},
        // The keyboard window's keys coloured by error rate.
        Setting{"History", "ShowWeakKeys", &AppSettings::showWeakKeys, false},
        // The game's letters drawn by error rate.
        Setting{"History", "WeakKeyGame", &AppSettings::weakKeyGame, false},
        Setting{CoachSection, "On", &AppSettings::coach, false},
        Setting{CoachSection, "SpeedTarget", &AppSettings::coachSpeedTarget, 10, No, {0, Int16Max}},
        Setting{CoachSection, "Keys", &AppSettings::coachKeys, QString()},
        Setting{CoachSection, "StopAtWrongKey", &AppSettings::coachStopsAtWrongKey, false, Yes},
        Setting{ClassSection, "Server", &AppSettings::classServer, QString()},
        Setting{ClassGoalsSection, "AccuracyMark", &AppSettings::classAccuracyMark, 0, No, {0, 100}},
        Setting{ClassGoalsSection, "SpeedTarget", &AppSettings::classSpeedTarget, 0, No, {0, HighestSpeedTarget}},
        Setting{ClassGoalsSection, "Coach", &AppSettings::classCoach, false},
    };
    return table;
}

AppSettings::AppSettings()
{
    for (const AnySetting& row : settingsTable())
        std::visit([this](const auto& s) { this->*s.field = s.defaultValue; }, row);
}

AppSettings loadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips)
{
    AppSettings defaults;
    defaults.windowX = std::int32_t(roundHalfEven(screenWidthTwips / 2.0 - 5093));
    AppSettings s = defaults;
    for (const AnySetting& row : settingsTable())
        if (sectionOf(row))
            std::visit(Reader{file, defaults, s}, row);
    // Read whole, so that one too long is refused rather than cut to a connection string
    // nobody wrote.
    s.classServer = file.readWholeString(QLatin1String(ClassSection), QStringLiteral("Server"), defaults.classServer);
    // The check box knows only unchecked and checked; anything but 1 leaves it unchecked.
    s.showLayout = s.showLayout == 1 ? 1 : 0;
    s.quickExercisesAtStartUp = !entry.read().isEmpty();
    return s;
}

void writeSettings(ProfileFile& file, const AppSettings& s, const QString& exerciseNumberText)
{
    // Sections of features a user may never use appear once they are used, so that a file
    // of those who do not stays as it always was.
    const auto unused = [&](const char* section) {
        const bool used = qstrcmp(section, CoachSection) == 0  ? s.coach || s.coachStopsAtWrongKey
                          : qstrcmp(section, ClassSection) == 0 ? !s.classServer.isEmpty()
                          : qstrcmp(section, ClassGoalsSection) == 0
                              ? s.classAccuracyMark != 0 || s.classSpeedTarget != 0 || s.classCoach
                                                                 : true;
        return !used && !file.hasSection(QLatin1String(section));
    };
    // So is the key of a layout from the desktop's database.
    const auto unusedKey = [&](const AnySetting& row) {
        const auto* text = std::get_if<Setting<QString>>(&row);
        return text && text->field == &AppSettings::desktopLayout && s.desktopLayout.isEmpty() &&
               !file.hasKey(QLatin1String(text->section), QLatin1String(text->key));
    };
    for (const AnySetting& row : settingsTable()) {
        if (!sectionOf(row) || unused(sectionOf(row)) || unusedKey(row))
            continue;
        const auto* number = std::get_if<Setting<std::int32_t>>(&row);
        const auto* text = std::get_if<Setting<QString>>(&row);
        // The number is saved as the box shows it, which may not be a number at all; a class
        // server refused (a password in it, or too long) is not written back.
        const QString value = number && number->field == &AppSettings::exerciseNumber ? exerciseNumberText
                              : text && text->field == &AppSettings::classServer
                                      && !ClassServerCheck::refusal(s.classServer).isEmpty()
                                  ? QString()
                                  : std::visit(Writer{s}, row);
        std::visit([&](const auto& setting) {
            file.write(QLatin1String(setting.section), QLatin1String(setting.key), value);
        }, row);
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
