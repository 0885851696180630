// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCoreApplication>

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

bool startsCoached(const QString& commandLine)
{
    return commandLine.split(u' ', Qt::SkipEmptyParts).contains(QStringLiteral("--coach"), Qt::CaseInsensitive);
}

QString informationText(const QStringList& arguments)
{
    const QStringList own = arguments.mid(1);
    if (own.contains(QStringLiteral("--help")))
        return QCoreApplication::translate(
            "CommandLine",
            "Usage: clavora [/g | /q | /k] [--coach]\n"
            "       clavora --help | --version\n"
            "\n"
            "A touch-typing tutor with exercises, a typing game and an on-screen keyboard.\n"
            "Every attempt and game is kept in a history: the progress window (Ctrl+P) shows it,\n"
            "and its weak-key drill (\"Practise my weak keys\") makes random exercises of the\n"
            "keys you missed most.\n"
            "\n"
            "  /g         start with the typing game\n"
            "  /q         run quick exercises, then close\n"
            "  /k         show only the on-screen keyboard; closing it does not save the settings\n"
            "  --coach    learn to type from the start: the Coach on, with its course of random\n"
            "             lines that adds a letter whenever you have learnt the ones before\n"
            "  --help     print this text\n"
            "  --version  print the version\n"
            "The switches count anywhere on the command line, in either case; only the first of\n"
            "/g, /q, /k (in that order) acts.\n"
            "\n"
            "Files, portable (the program's folder holds Exercises/ and can be written to):\n"
            "  Clavora.ini, History.sqlite, Exercises/*.txt, Layouts/*.kbl, Logs/, Readme.txt\n"
            "  beside the program\n"
            "\n"
            "Files, installed (the program in <prefix>/bin with <prefix>/share/clavora, or its\n"
            "folder cannot be written to):\n"
            "  settings   $XDG_CONFIG_HOME/clavora/Clavora.ini (~/.config/clavora/Clavora.ini)\n"
            "  exercises  $XDG_DATA_HOME/clavora/Exercises/*.txt (~/.local/share/clavora/Exercises),\n"
            "             then <prefix>/share/clavora/Exercises; your file of the same name wins\n"
            "  layouts    $XDG_DATA_HOME/clavora/Layouts/*.kbl, then <prefix>/share/clavora/Layouts\n"
            "  logs       $XDG_DATA_HOME/clavora/Logs/\n"
            "  history    $XDG_DATA_HOME/clavora/History.sqlite\n"
            "  help       <prefix>/share/clavora/Readme.txt\n"
            "\n"
            "Either way, the entry that runs quick exercises at log-in is\n"
            "$XDG_CONFIG_HOME/autostart/clavora-quick-exercises.desktop (~/.config/autostart).\n");
    if (own.contains(QStringLiteral("--version")))
        return QStringLiteral("Orvella Clavora " CLAVORA_VERSION "\n");
    return {};
}

} // namespace clavora
