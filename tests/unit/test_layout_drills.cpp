// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "exercises/LayoutDrills.h"
#include "exercises/PresetExercises.h"
#include "keyboard/DesktopLayouts.h"
#include "settings/AppSettings.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace clavora;
using namespace clavora::test;

TEST(LayoutDrills, RowsFromTheIndexFingersOutThenMixed)
{
    const struct {
        DesktopLayoutName layout;
        QStringList firstLines;
        QString lettersOfAll;
    } cases[] = {
        {{"us", ""}, {"fff jjj fff jjj", "fjf jfj fjf jfj"}, "abcdefghijklmnopqrstuvwxyz"},
        {{"se", ""}, {"fff jjj fff jjj", "fjf jfj fjf jfj"}, "abcdefghijklmnopqrstuvwxyz\u00E4\u00E5\u00F6"},
        {{"fr", ""}, {"fff jjj fff jjj", "fjf jfj fjf jfj"}, "abcdefghijklmnopqrstuvwxyz\u00F9"},
        {{"us", "dvorak"}, {"uuu hhh uuu hhh", "uhu huh uhu huh"}, "abcdefghijklmnopqrstuvwxyz"},
    };
    for (const auto& c : cases) {
        const QStringList lines = layoutDrillLines(*desktopLayoutTable(c.layout));
        const std::string name = storedLayoutName(c.layout).toStdString();
        ASSERT_GE(lines.size(), 112) << name;
        EXPECT_EQ(lines.mid(0, 2), c.firstLines) << name;
        EXPECT_EQ(lines, layoutDrillLines(*desktopLayoutTable(c.layout))) << name << ": always the same";
        QString seen;
        for (const QString& line : lines) {
            EXPECT_FALSE(line.isEmpty()) << name;
            EXPECT_LE(line.size(), MaxExerciseLength) << name << ": " << line.toStdString();
            for (const QChar c : line)
                if (c != u' ' && !seen.contains(c.toLower()))
                    seen += c.toLower();
        }
        std::sort(seen.begin(), seen.end());
        EXPECT_EQ(seen, c.lettersOfAll) << name;
        EXPECT_TRUE(lines.back().front().isUpper()) << name << ": the last lines with capitals";
    }
}

TEST(LayoutDrills, PresetLinesAreMadeOnlyForTheLayoutsOwnSetWithoutAFile)
{
    TemporaryFolder folder;
    QDir().mkpath(folder.path("Exercises"));
    folder.write("Exercises/Mine.txt", "my first line\r\n");
    folder.write("Exercises/Swedish.txt", "a file of that name\r\n");
    const struct {
        const char* what;
        const char* desktopLayout;
        const char* layoutFile;
        const char* presetFile;
        QString firstLine;
    } cases[] = {
        {"made from the layout", "se", "Swedish (no dead keys)", "Swedish (no dead keys)", "fff jjj fff jjj"},
        {"another set the learner chose", "se", "Swedish (no dead keys)", "Mine", "my first line"},
        {"a file of the set's name", "se", "Swedish", "Swedish", "a file of that name"},
        {"a layout file's set without its file", "", "Gone", "Gone", ""},
    };
    for (const auto& c : cases) {
        AppSettings settings;
        settings.desktopLayout = c.desktopLayout;
        settings.layoutFile = c.layoutFile;
        settings.presetFile = c.presetFile;
        PresetLines lines(settings, ProgramPaths(folder.path(""), "clavora"));
        EXPECT_EQ(lines.line(1), c.firstLine) << c.what;
    }
}
