// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChosenLayout.h"

#include "DesktopLayouts.h"
#include "common/ProgramPaths.h"
#include "settings/AppSettings.h"

namespace clavora {

bool desktopLayoutChosen(const AppSettings& settings)
{
    return !settings.desktopLayout.trimmed().isEmpty();
}

LayoutFileContents readChosenLayout(const AppSettings& settings, const ProgramPaths& paths)
{
    if (!desktopLayoutChosen(settings))
        return readLayoutFile(paths.layoutFile(settings.layoutFile));
    LayoutFileContents contents;
    if (std::optional<KeyCapTable> table = desktopLayoutTable(layoutFromStoredName(settings.desktopLayout)))
        contents.table = std::move(*table);
    else
        contents.problem = LayoutFileProblem::UnknownDesktopLayout;
    return contents;
}

} // namespace clavora
