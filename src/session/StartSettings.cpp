// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartSettings.h"

#include "keyboard/DesktopKeyboard.h"
#include "settings/ProfileFile.h"

namespace clavora {

AppSettings loadStartSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips,
                              const DesktopKeyboard& desktop, bool coached)
{
    AppSettings settings = loadSettings(file, entry, screenWidthTwips);
    if (!file.found()) {
        const ShippedLayout layout = firstStartLayout(desktop.layout());
        settings.layoutFile = layout.layoutFile;
        settings.presetFile = layout.presetFile;
    }
    if (coached) {
        settings.coach = true;
        settings.exerciseType = ExerciseType::Random;
    }
    return settings;
}

} // namespace clavora
