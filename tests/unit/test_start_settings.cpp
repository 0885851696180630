// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "keyboard/KeyboardFakes.h"
#include "session/StartSettings.h"
#include "settings/FollowedGoals.h"
#include "settings/ProfileFile.h"

#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

TEST(StartSettings, OnlyAFirstStartTakesTheDesktopsLayoutAndExerciseFiles)
{
    const QString us = QStringLiteral("QWERTY - United States");
    const struct {
        const char* what;
        const char* file; // nullptr: no settings file
        DesktopLayoutName desktop;
        QString layoutFile;
        QString presetFile;
        bool desktopRead;
        QString desktopLayout = {};
        bool coached = false; // "--coach"
    } cases[] = {
        {"first start on a German desktop", nullptr, {"de", ""}, "QWERTZ - German", "QWERTZ - German", true},
        {"first start on Dvorak", nullptr, {"us", "dvorak"}, "Dvorak - United States", "Dvorak - United States", true},
        {"first start, nothing shipped: the desktop's own", nullptr, {"es", ""}, "Spanish", "Spanish", true, "es"},
        {"first start on a variant", nullptr, {"se", "nodeadkeys"}, "Swedish (no dead keys)", "Swedish (no dead keys)",
         true, "se(nodeadkeys)"},
        {"first start, unknown to the database", nullptr, {"zz", ""}, us, us, true},
        {"first start, desktop unreadable", nullptr, {}, us, us, true},
        {"a file keeps its defaults", "[Exercises]\nExNum=3\n", {"de", ""}, us, us, false},
        {"even an empty one", "", {"de", ""}, us, us, false},
        {"a file's choice stays", "[KeyLayout]\nLayout=AZERTY - French\n", {"de", ""}, "AZERTY - French", us, false},
        {"coached: the Coach's course over the file's choice", "[Exercises]\nExType=0\n", {"de", ""}, us, us, false, {}, true},
    };
    for (const auto& c : cases) {
        TemporaryFolder folder;
        if (c.file)
            folder.write("Clavora.ini", c.file);
        FakeStartupEntry entry;
        FakeDesktopKeyboard desktop;
        desktop.name = c.desktop;
        const ProfileFile file(folder.path("Clavora.ini"));
        const AppSettings s = loadStartSettings(file, entry, 20000, desktop, c.coached);
        AppSettings expected = loadSettings(file, entry, 20000); // everything else as the file gives it
        expected.layoutFile = c.layoutFile;
        expected.presetFile = c.presetFile;
        expected.desktopLayout = c.desktopLayout;
        if (c.coached) {
            EXPECT_EQ(expected.exerciseType, ExerciseType::Preset) << c.what;
            expected.coach = true;
            expected.exerciseType = ExerciseType::Random;
        }
        EXPECT_TRUE(s == expected) << c.what << ": " << s.layoutFile.toStdString() << ", " << s.presetFile.toStdString();
        EXPECT_EQ(desktop.reads > 0, c.desktopRead) << c.what;
    }
}

// The class's goals kept in the file apply until the server is reached, and only in a class;
// a goal lifts the learner's own settings and never lowers them.
TEST(StartSettings, TheKeptClassGoalsApplyOnlyInAClass)
{
    const struct {
        const char* what;
        const char* file;
        bool coach;
        int speedTarget;
        int classSpeedTarget;
    } cases[] = {
        {"in a class: the Coach on, its target raised", "[Class]\nServer=service=s\n[ClassGoals]\nSpeedTarget=20\nCoach=1\n",
            true, 20, 20},
        {"the learner's higher target stays", "[Class]\nServer=service=s\n[Coach]\nSpeedTarget=25\n[ClassGoals]\nSpeedTarget=20\n",
            false, 25, 20},
        {"in no class: nothing changes", "[ClassGoals]\nSpeedTarget=20\nCoach=1\n", false, 10, 0},
    };
    for (const auto& c : cases) {
        TemporaryFolder folder;
        folder.write("Clavora.ini", c.file);
        FakeStartupEntry entry;
        FakeDesktopKeyboard desktop;
        const AppSettings s = loadStartSettings(ProfileFile(folder.path("Clavora.ini")), entry, 20000, desktop, false);
        EXPECT_EQ(s.coach, c.coach) << c.what;
        EXPECT_EQ(s.coachSpeedTarget, c.speedTarget) << c.what;
        EXPECT_EQ(s.classSpeedTarget, c.classSpeedTarget) << c.what;
    }
}

TEST(StartSettings, AClassLayoutReplacesTheLearnersOnce)
{
    AppSettings s;
    const ClassGoals swedish = {.layoutFile = "Swedish (no dead keys)", .desktopLayout = "se(nodeadkeys)"};
    EXPECT_TRUE(followClassGoals(s, swedish));
    EXPECT_EQ(s.desktopLayout, "se(nodeadkeys)");
    EXPECT_FALSE(followClassGoals(s, swedish));
    EXPECT_FALSE(followClassGoals(s, {})); // a class without a layout leaves the last one
    EXPECT_EQ(s.layoutFile, "Swedish (no dead keys)");
}
