// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "LayoutFile.h"

#include <optional>

namespace clavora {

struct AppSettings;
class ProgramPaths;

// Whether the settings choose a layout of the desktop's keyboard database over a layout file.
bool desktopLayoutChosen(const AppSettings& settings);

// The table of the desktop's layout the settings choose, made once for each layout chosen;
// nullopt when they choose a layout file or the database cannot make theirs.
std::optional<KeyCapTable> chosenDesktopLayoutTable(const AppSettings& settings);

// The table of the layout the settings choose: made from the desktop's keyboard database when
// they name one of its layouts, else read from their layout file.
LayoutFileContents readChosenLayout(const AppSettings& settings, const ProgramPaths& paths);

} // namespace clavora
