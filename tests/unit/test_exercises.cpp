// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "exercises/Evaluation.h"
#include "exercises/ExerciseLog.h"
#include "exercises/PresetExercises.h"
#include "exercises/RandomExercises.h"
#include "keyboard/DesktopLayouts.h"
#include "settings/AppSettings.h"

#include <gtest/gtest.h>
#include <random>

using namespace clavora;
using namespace clavora::test;

TEST(PresetExercises, LinesAreNumberedFromOneAndCutTo40)
{
    TemporaryFolder folder;
    QByteArray text;
    for (int i = 1; i <= 112; ++i)
        text += "line " + QByteArray::number(i) + "\r\n";
    const QString file = folder.write("set.txt", text);
    EXPECT_EQ(readPresetLine(file, 1), "line 1");
    EXPECT_EQ(readPresetLine(file, 112), "line 112");
    EXPECT_EQ(readPresetLine(file, 113), "");
    EXPECT_EQ(readPresetLine(file, 0), "");
    EXPECT_EQ(readPresetLine(file, -3), "");
    EXPECT_EQ(readPresetLine(folder.path("missing.txt"), 1), "");

    const QString odd = folder.write("odd.txt", QByteArray(45, 'x') + "\r\n  ab   \r\n\r\nsix\n7\r   \r\n");
    EXPECT_EQ(exerciseTextOf(readPresetLine(odd, 1)), QString(40, 'x'));
    EXPECT_EQ(exerciseTextOf(readPresetLine(odd, 2)), "  ab");
    EXPECT_EQ(readPresetLine(odd, 3), "");       // an empty line is no exercise
    EXPECT_EQ(readPresetLine(odd, 4), "six");    // a lone LF ends a line too
    EXPECT_EQ(readPresetLine(odd, 5), "7");      // so does a lone CR
    EXPECT_EQ(readPresetLine(odd, 6), "   ");    // found, but blank once trimmed
    EXPECT_EQ(exerciseTextOf(readPresetLine(odd, 6)), "");
}

TEST(Evaluation, MeasuresCorrectCharactersAccuracyAndSpeeds)
{
    const QString forty(40, 'a');
    struct Case {
        QString exercise, typed;
        double seconds;
        int correct, accuracy, speed, correctSpeed;
    };
    const Case cases[] = {
        {forty, forty, 12.0, 40, 100, 40, 40},
        {forty, QString(39, 'a'), 12.0, 39, 98, 39, 39}, // 97.5 rounds to 98
        {"abcdefgh", "aXXXXXXX", 60, 1, 12, 2, 0},       // 12.5 rounds to 12
        {forty, "a" + QString(39, 'b'), 60, 1, 2, 8, 0}, // 2.5 rounds to 2
        {"abcdefgh", "abcdeXXX", 60, 5, 62, 2, 1},       // 62.5 rounds to 62
        {"abcd", "bcd", 60, 0, 0, 1, 0},                 // a missing first character shifts the rest
        {"ab", "abcdefghij", 60, 2, 100, 2, 0},          // extra characters raise only the speed
        {"ab", "ab", 0.0, 2, 100, 0, 0},                 // no time measured: no division by zero
        {"", "xyz", 30, 0, 0, 1, 0},                     // an empty exercise has nothing to get right
    };
    for (const Case& c : cases) {
        const AttemptResult r = measureAttempt(c.exercise, c.typed, c.seconds);
        EXPECT_EQ(r.correct, c.correct) << c.typed.toStdString();
        EXPECT_EQ(r.accuracy, c.accuracy) << c.typed.toStdString();
        EXPECT_EQ(r.speed, c.speed) << c.typed.toStdString();
        EXPECT_EQ(r.correctSpeed, c.correctSpeed) << c.typed.toStdString();
    }
}

TEST(Evaluation, StatusTextShapeAndPassMarks)
{
    const AttemptResult r{38, 40, 95, 20, 19};
    const QLocale c = QLocale::c();
    EXPECT_EQ(statusText("Preset Exercise #12", 1, 2, r, 24.3, {}, c).text,
              "Preset Exercise #12 (1 of 2): 38/40 (95%) correct, 24.3 seconds, 20 WPM, 19 correct WPM.");
    EXPECT_EQ(statusText("T", 1, 1, r, 24.3, {}, c).text,
              "T: 38/40 (95%) correct, 24.3 seconds, 20 WPM, 19 correct WPM.");

    const Status accuracy = statusText("T", 1, 1, r, 24.3, {96, 30}, c);
    EXPECT_FALSE(accuracy.counted);
    EXPECT_TRUE(accuracy.text.endsWith(" correct WPM.\r\nLess than 96% correct - try again."));
    const Status speed = statusText("T", 1, 1, r, 24.3, {90, 30}, c);
    EXPECT_FALSE(speed.counted);
    EXPECT_TRUE(speed.text.endsWith(" correct WPM.\r\nSlower than 30 WPM - try again."));
    EXPECT_TRUE(statusText("T", 1, 1, r, 24.3, {95, 20}, c).counted);
}

TEST(ExerciseLog, LinesJoinedByCrLfWithBreaksAsTwoBlanks)
{
    ExerciseLog log;
    log.append("first");
    log.append("second\r\nLess than 80% correct - try again.");
    EXPECT_EQ(log.text(), "first\r\nsecond  Less than 80% correct - try again.");
}

TEST(ExerciseLog, SavingOverAFileReplacesItWholeOrNotAtAll)
{
    TemporaryFolder folder;
    const QString file = folder.write("log.txt", "old contents");
    EXPECT_TRUE(saveTextFile(file, "new\r\nlines"));
    EXPECT_EQ(folder.read("log.txt"), "new\r\nlines");
    EXPECT_FALSE(saveTextFile(folder.path("no/such/folder/log.txt"), "x"));
}

namespace {
AppSettings classes(std::initializer_list<bool AppSettings::*> on, bool space = true)
{
    AppSettings s;
    s.lowerCase = false;
    for (auto flag : on)
        s.*flag = true;
    s.space = space;
    return s;
}
} // namespace

TEST(RandomExercises, PoolAndKeyLevelFollowTheClasses)
{
    using S = AppSettings;
    struct Case {
        AppSettings settings;
        QString pool;
        QString level;
    };
    AppSettings uk = classes({&S::numberPunctuation, &S::punctuation, &S::shiftedPunctuation});
    uk.layoutFile = "qwerty - united KINGDOM";
    AppSettings tenCustom = classes({&S::custom});
    tenCustom.customKeys = "0123456789";
    const Case cases[] = {
        {classes({&S::lowerCase}), "abcdefghijklmnopqrstuvwxyz     ", "2"},
        {classes({&S::lowerCase, &S::upperCase, &S::numbers, &S::numberPunctuation, &S::punctuation, &S::shiftedPunctuation}),
         "abcdefghijklmnopqrstuvwxyz     ABCDEFGHIJKLMNOPQRSTUVWXYZ     1234567890  !@#$%^&*()  -=[]\\;',./  "
         "_+{}|:\"<>?  ",
         "16"},
        {classes({&S::custom}), "asdfjkl;  ", "1+"},
        {classes({&S::custom}, false), "asdfjkl;", "0+"},
        {tenCustom, "0123456789   ", "1+"},
        {uk, QString::fromUtf8("!\"£$%^&*()  -=[];'#,./\\  _+{}:@~<>?|  "), "11"},
        {classes({}, false), "", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(keysAllowed(c.settings), c.pool);
        EXPECT_EQ(keyLevel(c.settings), c.level);
    }
}

TEST(RandomExercises, ADesktopLayoutsClassesAreWhatItsKeysType)
{
    enum Level { Unshifted = 1, Shifted = 2, AltGr = 4 };
    const struct {
        QString KeyClasses::*characters;
        int levels; // where a key types each of them, not as a dead key
    } classLevels[] = {
        {&KeyClasses::lowerCase, Unshifted},          {&KeyClasses::upperCase, Shifted},
        {&KeyClasses::numbers, Unshifted | Shifted},  {&KeyClasses::numberPunctuation, Unshifted | Shifted},
        {&KeyClasses::punctuation, Unshifted},        {&KeyClasses::shiftedPunctuation, Shifted},
        {&KeyClasses::altGr, AltGr},
    };
    const auto typedAt = [](const KeyCapTable& layout, QChar c, int levels) {
        for (int key = 0; key < CharacterKeyCount; ++key) {
            if (((levels & Unshifted) && !layout.deadLower[key] && characterOfCaption(layout.lowerCaptions[key]) == c) ||
                ((levels & Shifted) && !layout.deadUpper[key] && characterOfCaption(layout.upperCaptions[key]) == c) ||
                ((levels & AltGr) && !layout.deadAltGr[key] && characterOfCaption(layout.altGrCaption[key]) == c))
                return true;
        }
        return false;
    };
    const struct {
        DesktopLayoutName name;
        QString KeyClasses::*characters;
        const char16_t* holds;
        const char16_t* lacks;
    } cases[] = {
        {{"se", ""}, &KeyClasses::lowerCase, u"abcxyz\u00E5\u00E4\u00F6", u"\u00A8"}, // a dead key's accent in none
        {{"se", ""}, &KeyClasses::upperCase, u"AZ\u00C5\u00C4\u00D6", u"^"},
        {{"se", ""}, &KeyClasses::numbers, u"1234567890", u""},
        {{"se", ""}, &KeyClasses::numberPunctuation, u"!\"#%&/()=", u"+?"},
        {{"se", ""}, &KeyClasses::punctuation, u"+',.-<\u00A7", u"\u00B4"},
        {{"se", ""}, &KeyClasses::altGr, u"@\u00A3${[]}\\|\u20AC", u"~\u2190\u00DF"}, // no arrows, no other letters
        {{"pl", ""}, &KeyClasses::lowerCase, u"aqwxyz", u"\u0105"},
        {{"pl", ""}, &KeyClasses::altGr, u"\u20AC", u"\u0105"},
        {{"cz", ""}, &KeyClasses::lowerCase, u"\u011B\u0161\u010D\u0159\u017E\u00FD\u00E1\u00ED\u00E9\u00FA\u016F", u""},
        {{"cz", ""}, &KeyClasses::numbers, u"1234567890", u""},
        {{"cz", ""}, &KeyClasses::numberPunctuation, u"+", u"1"},
        {{"ua", ""}, &KeyClasses::lowerCase, u"\u0439\u0446\u0443\u0456\u0457\u0454\u0491", u"q"},
        {{"ua", ""}, &KeyClasses::upperCase, u"\u0419\u0406\u0407\u0404", u""},
        {{"ua", ""}, &KeyClasses::numbers, u"1234567890", u""},
    };
    for (const DesktopLayoutName& name : {DesktopLayoutName{"se", ""}, {"pl", ""}, {"cz", ""}, {"ua", ""}}) {
        const std::optional<KeyCapTable> layout = desktopLayoutTable(name);
        ASSERT_TRUE(layout) << name.layout.toStdString();
        const KeyClasses classes = layoutKeyClasses(*layout);
        for (const auto& [characters, levels] : classLevels) {
            for (const QChar c : classes.*characters)
                EXPECT_TRUE(typedAt(*layout, c, levels)) << name.layout.toStdString() << ": " << QString(c).toStdString();
        }
        // AltGr's characters are those no other level types.
        for (const QChar c : classes.altGr)
            EXPECT_FALSE(typedAt(*layout, c, Unshifted | Shifted)) << name.layout.toStdString() << ": " << QString(c).toStdString();
    }
    for (const auto& c : cases) {
        const QString characters = layoutKeyClasses(*desktopLayoutTable(c.name)).*c.characters;
        for (const QChar held : QString::fromUtf16(c.holds))
            EXPECT_TRUE(characters.contains(held)) << c.name.layout.toStdString() << " lacks " << QString(held).toStdString();
        for (const QChar lacked : QString::fromUtf16(c.lacks))
            EXPECT_FALSE(characters.contains(lacked)) << c.name.layout.toStdString() << " holds " << QString(lacked).toStdString();
    }
}

TEST(RandomExercises, ADesktopLayoutsPoolTakesItsClassesAndItsAltGrLevelWithPunctuation)
{
    using S = AppSettings;
    AppSettings swedish = classes({&S::lowerCase});
    swedish.desktopLayout = QStringLiteral("se");
    const KeyClasses ownClasses = layoutKeyClasses(*desktopLayoutTable({"se", ""}));
    EXPECT_EQ(keysAllowed(swedish), ownClasses.lowerCase + "     ");
    swedish.punctuation = true;
    EXPECT_EQ(keysAllowed(swedish), ownClasses.lowerCase + "     " + ownClasses.punctuation + "  " + ownClasses.altGr + "  ");
    swedish.desktopLayout = QStringLiteral("zz"); // a layout the database cannot make
    EXPECT_EQ(keysAllowed(swedish), "abcdefghijklmnopqrstuvwxyz     -=[]\\;',./  ");
}

TEST(RandomExercises, ManyLinesKeepTheirShape)
{
    struct SeededRandom final : Random {
        std::mt19937 engine{12345};
        void seed(quint32) override {}
        double next() override { return std::uniform_real_distribution<double>(0, 1)(engine); }
    } random;
    const QString pools[] = {"abcdefghijklmnopqrstuvwxyz     ", "a          ", "xyz"};
    for (const QString& pool : pools) {
        for (int i = 0; i < 2000; ++i) {
            const QString line = makeRandomExercise(pool, random);
            ASSERT_LE(line.size(), 40);
            ASSERT_FALSE(line.contains("   ")) << line.toStdString();
            ASSERT_FALSE(line.endsWith(' '));
            for (const QChar c : line)
                ASSERT_TRUE(pool.contains(c));
            if (!pool.contains(' ')) {
                ASSERT_EQ(line.size(), 40);
            }
        }
    }
}

TEST(RandomExercises, PoolOfBlanksAloneEndsWithAnEmptyLine)
{
    FakeRandom random;
    EXPECT_EQ(makeRandomExercise("   ", random), "");
    EXPECT_EQ(makeRandomExercise("", random), "");
}

TEST(RandomExercises, DrawsByTheWholePartOfRTimesLength)
{
    FakeRandom random;
    random.queued = {0.0, 0.99, 0.5};
    random.fallback = 0.26; // "b" from then on
    EXPECT_EQ(makeRandomExercise("abcd", random), "adc" + QString(37, 'b'));
}
