// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"
#include "session/DisplayPlatform.h"

#include <gtest/gtest.h>

using namespace clavora;

TEST(CommandLine, FirstSwitchFoundInTheOrderGameQuickKeyboard)
{
    const std::pair<const char*, StartMode> cases[] = {
        {"", StartMode::Normal},          {"/G", StartMode::Game},
        {"/q /g", StartMode::Game},       {"/k /q", StartMode::QuickExercises},
        {"/K", StartMode::KeyboardOnly},  {"-q", StartMode::Normal},
        {"/x", StartMode::Normal},        {"word/quick", StartMode::QuickExercises},
    };
    for (const auto& [line, mode] : cases)
        EXPECT_EQ(findStartMode(line), mode) << line;
    EXPECT_EQ(commandLineText({"/usr/bin/clavora", "/q", "/g"}), "/q /g");
}

TEST(DisplayPlatform, XWaylandInAWaylandSessionUnlessThePersonChoseAPlatform)
{
    // nullptr: the variable is not set.
    const struct {
        const char *waylandDisplay, *sessionType, *display, *platform, *expected;
    } cases[] = {
        {nullptr, nullptr, ":0", nullptr, ""},
        {"wayland-0", nullptr, ":0", nullptr, "xcb"},
        {nullptr, "wayland", ":1", nullptr, "xcb"},
        {nullptr, "x11", ":0", nullptr, ""},
        {"wayland-0", nullptr, nullptr, nullptr, ""},
        {"wayland-0", "wayland", "", nullptr, ""},
        {"wayland-0", nullptr, ":0", "wayland", ""},
        {"wayland-0", nullptr, ":0", "", "xcb"},
    };
    for (const auto& c : cases) {
        QProcessEnvironment environment;
        const std::pair<const char*, const char*> variables[] = {
            {"WAYLAND_DISPLAY", c.waylandDisplay}, {"XDG_SESSION_TYPE", c.sessionType},
            {"DISPLAY", c.display}, {"QT_QPA_PLATFORM", c.platform}};
        for (const auto& [name, value] : variables)
            if (value)
                environment.insert(name, value);
        EXPECT_EQ(chosenPlatform(environment), c.expected) << environment.toStringList().join(' ').toStdString();
    }
}
