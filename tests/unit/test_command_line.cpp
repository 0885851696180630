// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/CommandLine.h"

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
