// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartSettings.h"

#include "keyboard/DesktopKeyboard.h"
#include "settings/ProfileFile.h"

namespace clavora {

AppSettings loadStartSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips,
                              const DesktopKeyboard& desktop)
{
    AppSettings settings = loadSettings(file, entry, screenWidthTwips);
    if (!file.found()) {
        const ShippedLayout layout = firstStartLayout(desktop.layout());
        settings.layoutFile = layout.layoutFile;
        settings.presetFile = layout.presetFile;
    }
    return settings;
}

} // namespace clavora
