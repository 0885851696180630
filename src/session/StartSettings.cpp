// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartSettings.h"

#include "keyboard/DesktopKeyboard.h"
#include "keyboard/DesktopLayouts.h"
#include "settings/FollowedGoals.h"
#include "settings/ProfileFile.h"

namespace clavora {

AppSettings loadStartSettings(const ProfileFile& file, StartupEntry& entry, int screenWidthTwips,
                              const DesktopKeyboard& desktop, bool coached)
{
    AppSettings settings = loadSettings(file, entry, screenWidthTwips);
    if (!file.found()) {
        const DesktopLayoutName desktopLayout = desktop.layout();
        const std::optional<DesktopLayoutEntry> unshipped =
            shippedLayoutFor(desktopLayout) ? std::nullopt : desktopLayoutEntry(desktopLayout);
        if (unshipped) {
            // Its drill lines are made from the layout, under its name.
            settings.layoutFile = unshipped->description;
            settings.presetFile = unshipped->description;
            settings.desktopLayout = storedLayoutName(desktopLayout);
        } else {
            const ShippedLayout layout = firstStartLayout(desktopLayout);
            settings.layoutFile = layout.layoutFile;
            settings.presetFile = layout.presetFile;
        }
    }
    if (coached) {
        settings.coach = true;
        settings.exerciseType = ExerciseType::Random;
    }
    // The class's goals as last read, until the server is reached; in no class, none.
    followClassGoals(settings, settings.classServer.isEmpty() ? ClassGoals() : keptClassGoals(settings));
    return settings;
}

} // namespace clavora
