// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChosenLayout.h"

#include "DesktopLayouts.h"
#include "common/ProgramPaths.h"
#include "settings/AppSettings.h"

#include <QMutex>

namespace clavora {

bool desktopLayoutChosen(const AppSettings& settings)
{
    return !settings.desktopLayout.trimmed().isEmpty();
}

std::optional<KeyCapTable> chosenDesktopLayoutTable(const AppSettings& settings)
{
    if (!desktopLayoutChosen(settings))
        return std::nullopt;
    // Random exercises ask at every line; making a table takes milliseconds.
    static QMutex mutex;
    static QString madeFor;
    static std::optional<KeyCapTable> made;
    const QMutexLocker lock(&mutex);
    if (madeFor != settings.desktopLayout) {
        made = desktopLayoutTable(layoutFromStoredName(settings.desktopLayout));
        madeFor = settings.desktopLayout;
    }
    return made;
}

LayoutFileContents readChosenLayout(const AppSettings& settings, const ProgramPaths& paths)
{
    if (!desktopLayoutChosen(settings))
        return readLayoutFile(paths.layoutFile(settings.layoutFile));
    LayoutFileContents contents;
    if (std::optional<KeyCapTable> table = chosenDesktopLayoutTable(settings))
        contents.table = std::move(*table);
    else
        contents.problem = LayoutFileProblem::UnknownDesktopLayout;
    return contents;
}

} // namespace clavora
