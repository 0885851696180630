// SPDX-License-Identifier: GPL-3.0-or-later
#include "TemporaryFolder.h"
#include "common/ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace clavora;
using clavora::test::TemporaryFolder;

namespace {
QProcessEnvironment environment(const QString& home, const QString& configHome = {}, const QString& dataHome = {})
{
    QProcessEnvironment e;
    e.insert("HOME", home);
    if (!configHome.isNull())
        e.insert("XDG_CONFIG_HOME", configHome);
    if (!dataHome.isNull())
        e.insert("XDG_DATA_HOME", dataHome);
    return e;
}
} // namespace

TEST(ProgramPaths, ModeFollowsWhereTheProgramSitsAndWhetherItsFolderIsWritable)
{
    TemporaryFolder root;
    QDir().mkpath(root.path("usr/bin"));
    QDir().mkpath(root.path("usr/share/clavora"));
    QDir().mkpath(root.path("opt/bin")); // a "bin" folder without the shared data beside it
    QDir().mkpath(root.path("stick"));
    const struct {
        const char* program;
        bool writable;
        bool installed;
        const char* helpFolder;
    } cases[] = {
        {"usr/bin/clavora", true, true, "usr/share/clavora"},
        {"usr/bin/clavora", false, true, "usr/share/clavora"},
        {"stick/clavora", true, false, "stick"},
        {"stick/clavora", false, true, "stick"},
        {"opt/bin/clavora", true, false, "opt/bin"},
    };
    for (const auto& c : cases) {
        const auto paths = ProgramPaths::forProgram(root.path(c.program), c.writable, environment(root.path("home")));
        SCOPED_TRACE(std::string(c.program) + (c.writable ? " writable" : " read-only"));
        EXPECT_EQ(paths.installed(), c.installed);
        EXPECT_EQ(paths.helpFile(), root.path(c.helpFolder) + "/Readme.txt");
        EXPECT_EQ(paths.executable(), root.path(c.program));
    }
}

TEST(ProgramPaths, PortableKeepsEveryFileBesideTheProgram)
{
    const ProgramPaths paths("/stick", "/stick/clavora");
    EXPECT_EQ(paths.settingsFile(), "/stick/Clavora.ini");
    EXPECT_EQ(paths.logsFolder(), "/stick/Logs");
    EXPECT_EQ(paths.historyFile(), "/stick/History.sqlite");
    EXPECT_EQ(paths.exercisesFolders(), QStringList{"/stick/Exercises"});
    EXPECT_EQ(paths.layoutsFolders(), QStringList{"/stick/Layouts"});
    EXPECT_EQ(paths.presetFile("US"), "/stick/Exercises/US.txt");
    EXPECT_EQ(paths.layoutFile("US"), "/stick/Layouts/US.kbl");
}

TEST(ProgramPaths, InstalledUsesTheXdgFoldersOrTheirDefaults)
{
    TemporaryFolder root;
    QDir().mkpath(root.path("usr/bin"));
    QDir().mkpath(root.path("usr/share/clavora"));
    const QString program = root.path("usr/bin/clavora");
    const struct {
        QString configHome, dataHome, settings, logs;
    } cases[] = {
        {{}, {}, "/home/ann/.config/clavora/Clavora.ini", "/home/ann/.local/share/clavora/Logs"},
        {"/cfg", "/dat/", "/cfg/clavora/Clavora.ini", "/dat/clavora/Logs"},
        // Relative values are not valid XDG folders and are ignored.
        {"cfg", "dat", "/home/ann/.config/clavora/Clavora.ini", "/home/ann/.local/share/clavora/Logs"},
    };
    for (const auto& c : cases) {
        const auto paths = ProgramPaths::forProgram(program, true, environment("/home/ann", c.configHome, c.dataHome));
        EXPECT_EQ(paths.settingsFile(), c.settings);
        EXPECT_EQ(paths.logsFolder(), c.logs);
        EXPECT_EQ(paths.historyFile(), QFileInfo(c.logs).path() + "/History.sqlite");
        EXPECT_EQ(paths.exercisesFolders(),
                  (QStringList{QFileInfo(c.logs).path() + "/Exercises", root.path("usr/share/clavora/Exercises")}));
    }
}

TEST(ProgramPaths, UsersFileOfTheSameNameWinsOverTheShippedOne)
{
    TemporaryFolder root;
    for (const char* folder : {"user/Exercises", "user/Layouts", "shared/Exercises", "shared/Layouts"})
        QDir().mkpath(root.path(folder));
    root.write("user/Exercises/Mine.txt", "x");
    root.write("shared/Exercises/Mine.txt", "x");
    root.write("shared/Exercises/US.txt", "x");
    root.write("user/Layouts/UK.kbl", "x");
    const ProgramPaths paths("/usr/bin/clavora", root.path("config"), root.path("user"), root.path("shared"));
    EXPECT_EQ(paths.presetFile("Mine"), root.path("user/Exercises/Mine.txt"));
    EXPECT_EQ(paths.presetFile("US"), root.path("shared/Exercises/US.txt"));
    EXPECT_EQ(paths.presetFile("None"), root.path("shared/Exercises/None.txt"));
    EXPECT_EQ(paths.layoutFile("UK"), root.path("user/Layouts/UK.kbl"));
    EXPECT_EQ(paths.settingsFile(), root.path("config/Clavora.ini"));
}

TEST(ProgramPaths, TheHelpIsInTheProgramsLanguageWhenThereIsOne)
{
    TemporaryFolder shared;
    shared.write("Readme.txt", "help");
    shared.write("Readme.de.txt", "Hilfe");
    const ProgramPaths portable(shared.path(""), shared.path("clavora"));
    const ProgramPaths installed("/usr/bin/clavora", "/config", "/data", shared.path(""));
    const std::pair<QString, QString> cases[] = {
        {"", "Readme.txt"}, {"de", "Readme.de.txt"}, {"fr", "Readme.txt"}}; // no French file here
    for (ProgramPaths paths : {portable, installed}) {
        for (const auto& [language, help] : cases) {
            paths.setLanguage(language);
            EXPECT_EQ(paths.helpFile(), shared.path(help)) << language.toStdString() << paths.installed();
        }
    }
}
