#include "CommandLine.h"

namespace clavora {

QString commandLineText(const QStringList& arguments)
{
    return arguments.mid(1).join(u' ');
}

StartMode findStartMode(const QString& commandLine)
{
    const auto has = [&](const char* s) { return commandLine.contains(QLatin1String(s), Qt::CaseInsensitive); };
    if (has("/g"))
        return StartMode::Game;
    if (has("/q"))
        return StartMode::QuickExercises;
    if (has("/k"))
        return StartMode::KeyboardOnly;
    return StartMode::Normal;
}

} // namespace clavora
