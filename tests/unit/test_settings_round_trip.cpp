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
    s.exerciseNumber = std::max(int32(), 1);
    s.exerciseType = flag() ? ExerciseType::Preset : ExerciseType::Random;
    s.repeats = int32();
    s.minAccuracy = int16();
    s.minSpeed = int16();
    s.presetFile = temptingText(random);
    s.lowerCase = flag();
    s.upperCase = flag();
    s.numbers = flag();
    s.numberPunctuation = flag();
    s.punctuation = flag();
    s.shiftedPunctuation = flag();
    s.space = flag();
    s.custom = flag();
    s.customKeys = temptingText(random);
    s.quickExerciseCount = int32();
    s.quickRepeats = int16();
    s.quickExerciseType = flag() ? ExerciseType::Preset : ExerciseType::Random;
    s.quickNumberFrom = int32();
    s.quickNumberTo = int32();
    s.windowColour = Rgb(random());
    s.textColour = Rgb(random());
    s.windowX = int32();
    s.windowY = int32();
    s.gameStartLevel = int16();
    s.layoutFile = temptingText(random);
    s.showLayout = std::int16_t(random() % 2);
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
        writeSettings(file, original, QString::number(original.exerciseNumber));
        const QByteArray once = file.bytes();
        ProfileFile reread("unused", once);
        const AppSettings loaded = loadSettings(reread, entry, 20000);
        ASSERT_EQ(loaded, original) << once.toStdString();
        writeSettings(reread, loaded, QString::number(loaded.exerciseNumber));
        ASSERT_EQ(reread.bytes(), once);
    }
}
