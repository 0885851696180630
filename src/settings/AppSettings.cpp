// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppSettings.h"

#include "ProfileFile.h"
#include "StartupEntry.h"
#include "common/Numbers.h"

namespace clavora {

namespace {
const QString Exercises = QStringLiteral("Exercises");
const QString RndEx = QStringLiteral("RndEx");
const QString QuickEx = QStringLiteral("QuickEx");
const QString Display = QStringLiteral("Display");
const QString Game = QStringLiteral("Game");
const QString KeyLayout = QStringLiteral("KeyLayout");
const QString DefaultSet = QStringLiteral("QWERTY - United States");

struct Reader {
    const ProfileFile& file;
    std::int32_t int32(const QString& s, const QString& k, std::int32_t d) const
    {
        return saturateToInt32(double(file.readInt(s, k, d)));
    }
    std::int16_t int16(const QString& s, const QString& k, std::int16_t d) const
    {
        return saturateToInt16(double(file.readInt(s, k, d)));
    }
    bool flag(const QString& s, const QString& k, bool d) const { return file.readInt(s, k, d ? 1 : 0) == 1; }
    ExerciseType type(const QString& s, const QString& k) const
    {
        return file.readInt(s, k, 0) == 0 ? ExerciseType::Preset : ExerciseType::Random;
    }
    QString text(const QString& s, const QString& k, const QString& d) const { return file.readString(s, k, d); }
};

QString flagText(bool value) { return value ? QStringLiteral("1") : QStringLiteral("0"); }
QString typeText(ExerciseType t) { return t == ExerciseType::Preset ? QStringLiteral("0") : QStringLiteral("1"); }
} // namespace

AppSettings LoadSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips)
{
    const Reader r{file};
    AppSettings s;
    s.ExNum = std::max(r.int32(Exercises, QStringLiteral("ExNum"), 1), 1);
    s.ExType = r.type(Exercises, QStringLiteral("ExType"));
    s.Repeats = r.int32(Exercises, QStringLiteral("Repeats"), 2);
    s.MinAccuracy = r.int16(Exercises, QStringLiteral("MinAccuracy"), 0);
    s.MinSpeed = r.int16(Exercises, QStringLiteral("MinSpeed"), 0);
    s.PresetFile = r.text(Exercises, QStringLiteral("PresetFile"), DefaultSet);
    s.LowerCase = r.flag(RndEx, QStringLiteral("LowerCase"), true);
    s.UpperCase = r.flag(RndEx, QStringLiteral("UpperCase"), false);
    s.Numbers = r.flag(RndEx, QStringLiteral("Numbers"), false);
    s.NumberPunc = r.flag(RndEx, QStringLiteral("NumberPunc"), false);
    s.Punc = r.flag(RndEx, QStringLiteral("Punc"), false);
    s.ShiftPunc = r.flag(RndEx, QStringLiteral("ShiftPunc"), false);
    s.Space = r.flag(RndEx, QStringLiteral("Space"), true);
    s.Custom = r.flag(RndEx, QStringLiteral("Custom"), false);
    s.CustomKeys = r.text(RndEx, QStringLiteral("CustomKeys"), QStringLiteral("asdfjkl;"));
    s.QuickExStartUp = !entry.read().isEmpty();
    s.NumEx = r.int32(QuickEx, QStringLiteral("NumEx"), 3);
    s.QuickExRepeats = r.int16(QuickEx, QStringLiteral("Repeats"), 2);
    s.QuickExType = r.type(QuickEx, QStringLiteral("ExType"));
    s.ExNumMin = r.int32(QuickEx, QStringLiteral("ExNumMin"), 1);
    s.ExNumMax = r.int32(QuickEx, QStringLiteral("ExNumMax"), 112);
    s.WinColour = Rgb(r.int32(Display, QStringLiteral("WinColour"), DefaultWindowColour));
    s.TextColour = Rgb(r.int32(Display, QStringLiteral("TextColour"), DefaultTextColour));
    const auto defaultX = std::int32_t(roundHalfEven(screenWidthTwips / 2.0 - 5093));
    s.WinX = r.int32(Display, QStringLiteral("WinX"), defaultX);
    s.WinY = r.int32(Display, QStringLiteral("WinY"), 100);
    s.GameStartLevel = r.int16(Game, QStringLiteral("StartLevel"), 1);
    s.LayoutFile = r.text(KeyLayout, QStringLiteral("Layout"), DefaultSet);
    // The check box knows only unchecked and checked; anything but 1 leaves it unchecked.
    s.ShowLayout = r.int16(KeyLayout, QStringLiteral("ShowLayout"), 1) == 1 ? 1 : 0;
    return s;
}

void WriteSettings(ProfileFile& file, const AppSettings& s, const QString& exNumText)
{
    // One rule for every integer: its signed value, so a colour of -1 stays -1.
    const auto num = [](std::int32_t v) { return QString::number(v); };
    file.write(Exercises, QStringLiteral("ExNum"), exNumText);
    file.write(Exercises, QStringLiteral("ExType"), typeText(s.ExType));
    file.write(Exercises, QStringLiteral("Repeats"), num(s.Repeats));
    file.write(Exercises, QStringLiteral("MinAccuracy"), num(s.MinAccuracy));
    file.write(Exercises, QStringLiteral("MinSpeed"), num(s.MinSpeed));
    file.write(Exercises, QStringLiteral("PresetFile"), s.PresetFile);
    file.write(RndEx, QStringLiteral("LowerCase"), flagText(s.LowerCase));
    file.write(RndEx, QStringLiteral("UpperCase"), flagText(s.UpperCase));
    file.write(RndEx, QStringLiteral("Numbers"), flagText(s.Numbers));
    file.write(RndEx, QStringLiteral("NumberPunc"), flagText(s.NumberPunc));
    file.write(RndEx, QStringLiteral("Punc"), flagText(s.Punc));
    file.write(RndEx, QStringLiteral("ShiftPunc"), flagText(s.ShiftPunc));
    file.write(RndEx, QStringLiteral("Space"), flagText(s.Space));
    file.write(RndEx, QStringLiteral("Custom"), flagText(s.Custom));
    file.write(RndEx, QStringLiteral("CustomKeys"), s.CustomKeys);
    file.write(QuickEx, QStringLiteral("NumEx"), num(s.NumEx));
    file.write(QuickEx, QStringLiteral("Repeats"), num(s.QuickExRepeats));
    file.write(QuickEx, QStringLiteral("ExType"), typeText(s.QuickExType));
    file.write(QuickEx, QStringLiteral("ExNumMin"), num(s.ExNumMin));
    file.write(QuickEx, QStringLiteral("ExNumMax"), num(s.ExNumMax));
    file.write(Display, QStringLiteral("WinColour"), num(std::int32_t(s.WinColour)));
    file.write(Display, QStringLiteral("TextColour"), num(std::int32_t(s.TextColour)));
    file.write(Display, QStringLiteral("WinX"), num(s.WinX));
    file.write(Display, QStringLiteral("WinY"), num(s.WinY));
    file.write(Game, QStringLiteral("StartLevel"), num(s.GameStartLevel));
    file.write(KeyLayout, QStringLiteral("Layout"), s.LayoutFile);
    file.write(KeyLayout, QStringLiteral("ShowLayout"), num(s.ShowLayout));
}

SettingsSaved SaveSettings(ProfileFile& file, StartupEntry& entry, const AppSettings& s, const QString& exNumText,
                           const QString& program)
{
    SettingsSaved saved;
    WriteSettings(file, s, exNumText);
    // A file too large to read was left alone on purpose, and the user was told at start.
    saved.file = file.tooLarge() ? SaveResult{true, {}} : file.save();
    if (s.QuickExStartUp)
        saved.entry = entry.write(program);
    else
        entry.remove();
    return saved;
}

QList<Notice> SaveNotices(const SettingsSaved& saved, const ProfileFile& file, const StartupEntry& entry,
                          const QString& program)
{
    using Outcome = StartupEntry::Written::Outcome;
    QList<Notice> notices;
    QStringList failures;
    if (!saved.file.ok)
        failures.append(QStringLiteral("The settings could not be saved to \"%1\": %2.").arg(file.path(), saved.file.reason));
    if (saved.entry.outcome == Outcome::Failed)
        failures.append(QStringLiteral("The quick-exercise start-up entry could not be saved to \"%1\": %2.")
                            .arg(entry.location(), saved.entry.reason));
    if (!failures.isEmpty())
        notices.append({QStringLiteral("Save Error"), failures.join(u'\n')});
    if (saved.entry.outcome == Outcome::UnsafePath)
        notices.append({QStringLiteral("Quick Exercises at Log-in"),
                        QStringLiteral("Quick exercises at log-in need the program in a folder whose path holds none "
                                       "of the characters $ ` \" \\ % and no control characters.\n\nThe program is "
                                       "\"%1\", so no start-up entry was made.")
                            .arg(program)});
    return notices;
}

std::optional<Notice> LoadNotice(const ProfileFile& file)
{
    if (!file.tooLarge())
        return std::nullopt;
    return Notice{QStringLiteral("Settings Not Read"),
                  QStringLiteral("\"%1\" is larger than 4 MB, so it was not read and will be left as it is. "
                                 "The program starts with its default settings.")
                      .arg(file.path())};
}

} // namespace clavora
