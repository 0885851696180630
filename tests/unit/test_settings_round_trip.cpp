// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "settings/AppSettings.h"
#include "settings/ProfileFile.h"

#include <gtest/gtest.h>
#include <random>

using namespace clavora;
using namespace clavora::test;

namespace {
// Texts made to tempt a reader: quotes at either end, blanks around, "=", ";", "[",
// accents and characters beyond the basic plane.
QString temptingText(std::mt19937& random)
{
    static const QStringList pieces = {"\"", "'", " ", "\t", "=", ";", "[", "]", "a", "Z", "9", "é", "ß",
                                       "–", "€", "\U0001F600", "\\", "%", "$"};
    const int length = std::uniform_int_distribution<int>(0, 12)(random);
    QString text;
    for (int i = 0; i < length; ++i)
        text += pieces[std::uniform_int_distribution<qsizetype>(0, pieces.size() - 1)(random)];
    return text;
}

AppSettings randomSettings(std::mt19937& random)
{
    const auto int32 = [&] { return std::int32_t(random()); };
    const auto int16 = [&] { return std::int16_t(random()); };
    const auto flag = [&] { return random() % 2 == 0; };
    AppSettings s;
    s.ExNum = std::max(int32(), 1);
    s.ExType = flag() ? ExerciseType::Preset : ExerciseType::Random;
    s.Repeats = int32();
    s.MinAccuracy = int16();
    s.MinSpeed = int16();
    s.PresetFile = temptingText(random);
    s.LowerCase = flag();
    s.UpperCase = flag();
    s.Numbers = flag();
    s.NumberPunc = flag();
    s.Punc = flag();
    s.ShiftPunc = flag();
    s.Space = flag();
    s.Custom = flag();
    s.CustomKeys = temptingText(random);
    s.NumEx = int32();
    s.QuickExRepeats = int16();
    s.QuickExType = flag() ? ExerciseType::Preset : ExerciseType::Random;
    s.ExNumMin = int32();
    s.ExNumMax = int32();
    s.WinColour = Rgb(random());
    s.TextColour = Rgb(random());
    s.WinX = int32();
    s.WinY = int32();
    s.GameStartLevel = int16();
    s.LayoutFile = temptingText(random);
    s.ShowLayout = std::int16_t(random() % 2);
    return s;
}
} // namespace

// Whatever the settings hold, saving and loading them gives them back, and a second save
// writes the same bytes as the first.
TEST(SettingsRoundTrip, LoadSaveLoadGivesTheSameValues)
{
    std::mt19937 random(20240611);
    FakeStartupEntry entry;
    for (int trial = 0; trial < 2000; ++trial) {
        const AppSettings original = randomSettings(random);
        ProfileFile file("unused", "; a note\n[Display]\nWinX=5\n");
        WriteSettings(file, original, QString::number(original.ExNum));
        const QByteArray once = file.bytes();
        ProfileFile reread("unused", once);
        const AppSettings loaded = LoadSettings(reread, entry, 20000);
        ASSERT_EQ(loaded, original) << once.toStdString();
        WriteSettings(reread, loaded, QString::number(loaded.ExNum));
        ASSERT_EQ(reread.bytes(), once);
    }
}
