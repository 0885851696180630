// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fakes.h"
#include "TemporaryFolder.h"
#include "keyboard/KeyboardFakes.h"
#include "session/StartSettings.h"
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
