// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "settings/AppSettings.h"
#include "settings/ProfileFile.h"

#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

namespace {
struct SettingsFixture : ::testing::Test {
    TemporaryFolder folder;
    FakeStartupEntry entry;
    QString settingsPath() const { return folder.path("Clavora.ini"); }
    AppSettings load(const QByteArray& text)
    {
        folder.write("Clavora.ini", text);
        return loadSettings(ProfileFile(settingsPath()), entry, 20000);
    }
};
} // namespace

TEST_F(SettingsFixture, MissingFileGivesEveryDefault)
{
    const AppSettings s = loadSettings(ProfileFile(settingsPath()), entry, 19201);
    EXPECT_EQ(s.exerciseNumber, 1);
    EXPECT_EQ(s.exerciseType, ExerciseType::Preset);
    EXPECT_EQ(s.repeats, 2);
    EXPECT_EQ(s.minAccuracy, 0);
    EXPECT_EQ(s.minSpeed, 0);
    EXPECT_EQ(s.presetFile, "QWERTY - United States");
    EXPECT_TRUE(s.lowerCase && s.space);
    EXPECT_FALSE(s.upperCase || s.numbers || s.numberPunctuation || s.punctuation || s.shiftedPunctuation || s.custom);
    EXPECT_EQ(s.customKeys, "asdfjkl;");
    EXPECT_FALSE(s.quickExercisesAtStartUp);
    EXPECT_EQ(s.quickExerciseCount, 3);
    EXPECT_EQ(s.quickRepeats, 2);
    EXPECT_EQ(s.quickExerciseType, ExerciseType::Preset);
    EXPECT_EQ(s.quickNumberFrom, 1);
    EXPECT_EQ(s.quickNumberTo, 112);
    EXPECT_EQ(s.windowColour, 0u);
    EXPECT_EQ(s.textColour, 16750848u);
    EXPECT_EQ(s.windowX, 4508); // 19201 / 2 - 5093 = 4507.5, halves to even
    EXPECT_EQ(s.windowY, 100);
    EXPECT_EQ(s.gameStartLevel, 1);
    EXPECT_EQ(s.layoutFile, "QWERTY - United States");
    EXPECT_EQ(s.showLayout, 1);
    EXPECT_TRUE(s.recordProgress); // a file from before the history records
    EXPECT_FALSE(s.weakKeyGame);
}

TEST_F(SettingsFixture, ValuesAreReadAsTheClassicProfileReaderReadsThem)
{
    struct Case {
        QByteArray text;
        std::function<bool(const AppSettings&)> holds;
        const char* what;
    };
    const Case cases[] = {
        {"[Exercises]\nExNum=0\n", [](auto& s) { return s.exerciseNumber == 1; }, "ExNum 0 becomes 1"},
        {"[Exercises]\nExNum=-5\n", [](auto& s) { return s.exerciseNumber == 1; }, "ExNum -5 becomes 1"},
        {"[exercises]\nexnum=7\n", [](auto& s) { return s.exerciseNumber == 7; }, "names without regard to case"},
        {"[Exercises]\nExNum=12abc\n", [](auto& s) { return s.exerciseNumber == 12; }, "number at the start"},
        {"[Exercises]\nExNum=abc\n", [](auto& s) { return s.exerciseNumber == 1; }, "no digits read as 0, then 1"},
        {"[RndEx]\nLowerCase=2\n", [](auto& s) { return !s.lowerCase; }, "a flag is true only for 1"},
        {"[Exercises]\nExType=2\n", [](auto& s) { return s.exerciseType == ExerciseType::Random; }, "type not 0"},
        {"[RndEx]\nCustomKeys=\n", [](auto& s) { return s.customKeys.isEmpty(); }, "present but empty"},
        {"[Exercises]\nMinSpeed=99999\n", [](auto& s) { return s.minSpeed == 32767; }, "16-bit clamp"},
        {"[KeyLayout]\nShowLayout=2\n", [](auto& s) { return s.showLayout == 0; }, "unknown box state"},
        {"[History]\nRecord=0\n", [](auto& s) { return !s.recordProgress; }, "recording off"},
        {"[History]\nShowWeakKeys=1\n", [](auto& s) { return s.showWeakKeys; }, "weak keys shown"},
        {"[History]\nWeakKeyGame=1\n", [](auto& s) { return s.weakKeyGame; }, "weak-key game on"},
        {"[Coach]\nOn=1\nSpeedTarget=25\n", [](auto& s) { return s.coach && s.coachSpeedTarget == 25; }, "coach"},
        {"", [](auto& s) { return !s.coach && s.coachSpeedTarget == 10; }, "no coach in an old file"},
        {"[Display]\nWinX=-300\n", [](auto& s) { return s.windowX == -300; }, "negative position"},
        {"[Exercises]\r\nRepeats = 5 \r\n", [](auto& s) { return s.repeats == 5; }, "CR LF and blanks"},
        {"[Other]\nExNum=9\n[Exercises]\n", [](auto& s) { return s.exerciseNumber == 1; }, "key in another section"},
        // Keys of one kind, each read into its own field.
        {"[QuickEx]\nExNumMin=5\nExNumMax=9\n", [](auto& s) { return s.quickNumberFrom == 5 && s.quickNumberTo == 9; },
         "quick range"},
        {"[Exercises]\nMinAccuracy=5\nMinSpeed=9\n", [](auto& s) { return s.minAccuracy == 5 && s.minSpeed == 9; },
         "pass marks"},
        {"[Exercises]\nRepeats=5\n[QuickEx]\nRepeats=9\nNumEx=7\n",
         [](auto& s) { return s.repeats == 5 && s.quickRepeats == 9 && s.quickExerciseCount == 7; }, "repeats"},
        {"[Display]\nWinColour=5\nTextColour=9\nWinX=3\nWinY=7\n",
         [](auto& s) { return s.windowColour == 5 && s.textColour == 9 && s.windowX == 3 && s.windowY == 7; },
         "display"},
        {"[Exercises]\nExType=1\n",
         [](auto& s) { return s.exerciseType == ExerciseType::Random && s.quickExerciseType == ExerciseType::Preset; },
         "types"},
    };
    for (const Case& c : cases)
        EXPECT_TRUE(c.holds(load(c.text))) << c.what;
}

TEST_F(SettingsFixture, LongTextIsCutTo254Characters)
{
    const AppSettings s = load("[Exercises]\nPresetFile=" + QByteArray(300, 'p') + "\n");
    EXPECT_EQ(s.presetFile.size(), 254);
}

TEST_F(SettingsFixture, StartupEntryDecidesQuickExercisesAtStartUp)
{
    entry.text = "anything";
    EXPECT_TRUE(load("").quickExercisesAtStartUp);
    entry.text.clear();
    EXPECT_FALSE(load("").quickExercisesAtStartUp);
}

TEST_F(SettingsFixture, SaveKeepsUnknownLinesAndReplacesKeysInPlace)
{
    folder.write("Clavora.ini", "; my notes\n[Exercises]\nexnum=4\nMine=keep\n\n[Extra]\nA=1\n");
    ProfileFile file(settingsPath());
    AppSettings s = loadSettings(file, entry, 20000);
    s.customKeys = "line\nbreak";
    ASSERT_TRUE(saveSettings(file, entry, s, "12", "/opt/clavora").file.ok);
    const QString text = QString::fromUtf8(folder.read("Clavora.ini"));
    const QStringList lines = text.split('\n');
    EXPECT_EQ(lines[0], "; my notes");
    EXPECT_EQ(lines[1], "[Exercises]");
    EXPECT_EQ(lines[2], "ExNum=12");
    EXPECT_EQ(lines[3], "Mine=keep");
    EXPECT_EQ(lines[4], "ExType=0");
    EXPECT_TRUE(text.contains("[Extra]\nA=1\n"));
    EXPECT_TRUE(text.contains("CustomKeys=line break\n"));
    EXPECT_EQ(entry.removes, 1);
}

TEST_F(SettingsFixture, FirstSaveWritesAllKeysInOrderAndRoundTrips)
{
    ProfileFile file(settingsPath());
    AppSettings s = loadSettings(file, entry, 20000);
    s.quickExercisesAtStartUp = true;
    s.windowColour = 0x123456;
    ASSERT_TRUE(saveSettings(file, entry, s, "1", "/opt/clavora").file.ok);
    EXPECT_EQ(entry.writtenFor, "/opt/clavora");
    const QString text = QString::fromUtf8(folder.read("Clavora.ini"));
    QStringList keys;
    for (const QString& line : text.split('\n'))
        if (line.contains('='))
            keys.append(line.section('=', 0, 0));
    EXPECT_EQ(keys, (QStringList{"ExNum", "ExType", "Repeats", "MinAccuracy", "MinSpeed", "PresetFile",
                                 "LowerCase", "UpperCase", "Numbers", "NumberPunc", "Punc", "ShiftPunc",
                                 "Space", "Custom", "CustomKeys", "NumEx", "Repeats", "ExType", "ExNumMin",
                                 "ExNumMax", "WinColour", "TextColour", "WinX", "WinY", "StartLevel", "Layout",
                                 "ShowLayout", "Record", "ShowWeakKeys", "WeakKeyGame"}));
    EXPECT_TRUE(text.endsWith("[KeyLayout]\nLayout=QWERTY - United States\nShowLayout=1\n[History]\nRecord=1\n"
                              "ShowWeakKeys=0\nWeakKeyGame=0\n"))
        << text.toStdString();
    EXPECT_EQ(loadSettings(ProfileFile(settingsPath()), entry, 20000).windowColour, 0x123456u);
}

TEST_F(SettingsFixture, TheCoachAndClassSectionsAreWrittenLastOnceUsed)
{
    AppSettings s = load("");
    ProfileFile off(settingsPath(), "[Exercises]\n");
    writeSettings(off, s, "1");
    EXPECT_FALSE(off.bytes().contains("[Coach]"));
    EXPECT_FALSE(off.bytes().contains("[Class]"));
    EXPECT_FALSE(off.bytes().contains("[ClassGoals]"));
    s.coachStopsAtWrongKey = true; // chosen in the settings dialog before the Coach is ever on
    ProfileFile chosen(settingsPath(), "[Exercises]\n");
    writeSettings(chosen, s, "1");
    EXPECT_TRUE(chosen.bytes().contains("StopAtWrongKey=1\n")) << chosen.bytes().toStdString();
    s.coachStopsAtWrongKey = false;
    s.coach = true;
    ProfileFile on(settingsPath(), "[Exercises]\n");
    writeSettings(on, s, "1");
    EXPECT_TRUE(on.bytes().endsWith("WeakKeyGame=0\n[Coach]\nOn=1\nSpeedTarget=10\nKeys=\nStopAtWrongKey=0\n")) << on.bytes().toStdString();
    s.classServer = QStringLiteral("service=clavora-class");
    writeSettings(on, s, "1");
    EXPECT_TRUE(on.bytes().endsWith("StopAtWrongKey=0\n[Class]\nServer=service=clavora-class\n")) << on.bytes().toStdString();
    s.classSpeedTarget = 20; // a teacher's goal, kept for the times the server cannot be reached
    writeSettings(on, s, "1");
    EXPECT_TRUE(on.bytes().endsWith("[ClassGoals]\nAccuracyMark=0\nSpeedTarget=20\nCoach=0\n")) << on.bytes().toStdString();
    s.coach = false; // switched off again: kept as off
    s.classServer.clear();
    writeSettings(on, s, "1");
    EXPECT_TRUE(on.bytes().contains("[Coach]\nOn=0\n"));
    EXPECT_TRUE(on.bytes().contains("[Class]\nServer=\n"));
}

// A class server the program refuses is read whole, so that one too long is not cut to
// another, and written back empty, so that a secret in it leaves the file.
TEST_F(SettingsFixture, ARefusedClassServerIsNotWrittenBack)
{
    const QString tooLong = QStringLiteral("host=") + QString(100000, u'h');
    for (const QString& server : {QStringLiteral("host=school.example password=secret"),
                                  QStringLiteral("host=school.example sslpassword=secret"), tooLong}) {
        AppSettings s = load(QStringLiteral("[Class]\nServer=%1\n").arg(server).toUtf8());
        EXPECT_EQ(s.classServer, server);
        ProfileFile file(settingsPath(), QStringLiteral("[Class]\nServer=%1\n").arg(server).toUtf8());
        writeSettings(file, s, "1");
        EXPECT_TRUE(file.bytes().startsWith("[Class]\nServer=\n")) << file.bytes().left(200).toStdString();
    }
}

TEST_F(SettingsFixture, FailedSaveLeavesTheOldFileWhole)
{
    folder.write("Clavora.ini", "[Exercises]\nExNum=4\n");
    ProfileFile file(folder.path("missing-folder/Clavora.ini"));
    AppSettings s = loadSettings(file, entry, 20000);
    const SettingsSaved saved = saveSettings(file, entry, s, "1", "/x");
    EXPECT_FALSE(saved.file.ok);
    EXPECT_EQ(folder.read("Clavora.ini"), "[Exercises]\nExNum=4\n");
    const QList<Notice> notices = saveNotices(saved, file, entry, "/x");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].title, "Save Error");
    EXPECT_TRUE(notices[0].text.contains(file.path() + "\": No such file or directory.")) << notices[0].text.toStdString();
}

TEST_F(SettingsFixture, ValuesKeepTheirShapeAcrossRuns)
{
    struct Case {
        QByteArray line;    // as found in the file
        QString loaded;     // what every later run loads
    };
    const Case cases[] = {
        {"CustomKeys=\"'a b'\"", "'a b'"},
        {"CustomKeys='\"x\"'", "\"x\""},
        {"CustomKeys=\"  padded  \"", "  padded  "},
        {"CustomKeys=\"\"\"", "\""},
        {"CustomKeys=a\0b", "a"},
        {"CustomKeys= plain ", "plain"},
        {"CustomKeys=\"", "\""},
    };
    for (const Case& c : cases) {
        folder.write("Clavora.ini", "[RndEx]\n" + c.line + "\n");
        for (int run = 0; run < 3; ++run) {
            ProfileFile file(settingsPath());
            const AppSettings s = loadSettings(file, entry, 20000);
            EXPECT_EQ(s.customKeys, c.loaded) << c.line.toStdString() << " run " << run;
            ASSERT_TRUE(saveSettings(file, entry, s, "1", "/x").file.ok);
        }
    }
}

TEST_F(SettingsFixture, EveryIntegerIsWrittenAsItsSignedValue)
{
    ProfileFile file(settingsPath());
    file.write("Display", "WinColour", "-1");
    file.write("Display", "TextColour", "-2147483633");
    AppSettings s = loadSettings(file, entry, 20000);
    EXPECT_EQ(s.windowColour, 0xFFFFFFFFu);
    writeSettings(file, s, "1");
    EXPECT_EQ(file.readString("Display", "WinColour", ""), "-1");
    EXPECT_EQ(file.readString("Display", "TextColour", ""), "-2147483633");
}

TEST_F(SettingsFixture, EachLineKeepsItsOwnEncodingAndUnchangedLinesTheirBytes)
{
    const QByteArray latin1Comment = "; caf\xE9 notes\r\n";
    const QByteArray utf8Preset = "PresetFile=\xC3\x9C" "bung \xE2\x80\x93 \xC3\x9F\r\n";
    folder.write("Clavora.ini", latin1Comment + "[Exercises]\r\n" + utf8Preset + "ExNum=3\r\n");
    ProfileFile file(settingsPath());
    const AppSettings s = loadSettings(file, entry, 20000);
    EXPECT_EQ(s.presetFile, QString::fromUtf8("Übung – ß"));
    ASSERT_TRUE(saveSettings(file, entry, s, "4", "/x").file.ok);
    const QByteArray saved = folder.read("Clavora.ini");
    EXPECT_TRUE(saved.startsWith(latin1Comment + "[Exercises]\r\n" + utf8Preset + "ExNum=4\r\nExType=0\r\n"))
        << saved.toStdString();
}

TEST_F(SettingsFixture, AFileOverTheLimitIsNeitherReadNorSavedOver)
{
    QByteArray big = "[Exercises]\nExNum=7\n";
    big += "[Mine]\n" + QByteArray(ProfileFile::MaxBytes, ';') + "\n";
    folder.write("Clavora.ini", big);
    ProfileFile file(settingsPath());
    const AppSettings s = loadSettings(file, entry, 20000);
    EXPECT_EQ(s.exerciseNumber, 1);
    const auto notice = loadNotice(file);
    ASSERT_TRUE(notice);
    EXPECT_TRUE(notice->text.contains(settingsPath()));
    const SettingsSaved saved = saveSettings(file, entry, s, "1", "/x");
    EXPECT_TRUE(saveNotices(saved, file, entry, "/x").isEmpty()); // told once, at start
    EXPECT_EQ(folder.read("Clavora.ini"), big);
    EXPECT_FALSE(loadNotice(ProfileFile(settingsPath(), "[Exercises]\n")));
}

TEST_F(SettingsFixture, AProgramPathNoLauncherCanReadGetsNoEntryAndOneNotice)
{
    using Outcome = StartupEntry::Written::Outcome;
    ProfileFile file(settingsPath());
    AppSettings s = loadSettings(file, entry, 20000);
    s.quickExercisesAtStartUp = true;
    entry.answer = {Outcome::UnsafePath, {}};
    QList<Notice> notices = saveNotices(saveSettings(file, entry, s, "1", "/a$b/clavora"), file, entry, "/a$b/clavora");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].title, "Quick Exercises at Log-in");
    EXPECT_TRUE(notices[0].text.contains("\"/a$b/clavora\"")) << notices[0].text.toStdString();

    entry.answer = {Outcome::Failed, "No space left on device"};
    notices = saveNotices(saveSettings(file, entry, s, "1", "/opt/clavora"), file, entry, "/opt/clavora");
    ASSERT_EQ(notices.size(), 1);
    EXPECT_EQ(notices[0].title, "Save Error");
    EXPECT_TRUE(notices[0].text.contains(entry.location() + "\": No space left on device."));
}
