// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "settings/AppSettings.h"

namespace clavora {

class DesktopKeyboard;

// The settings a run starts with: those of the settings file, or on a first start (no file)
// the defaults with the layout and preset exercise files of the desktop's keyboard, or with
// the desktop's own layout from its keyboard database when no files are shipped for it. The
// desktop is asked only on a first start. `coached` ("--coach") turns the Coach on with its
// course, the random lines, chosen.
AppSettings loadStartSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips,
                              const DesktopKeyboard& desktop, bool coached = false);

} // namespace clavora
