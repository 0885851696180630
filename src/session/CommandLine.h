// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>

namespace clavora {

enum class StartMode { Normal, Game, QuickExercises, KeyboardOnly };

// The program's arguments as one text, without the program's own path.
QString commandLineText(const QStringList& arguments);

// The first switch found, tested in the order /g, /q, /k, as a substring anywhere in the
// command line, without regard to case.
StartMode findStartMode(const QString& commandLine);

// "--coach" among the arguments: start with the Coach on and its course chosen.
bool startsCoached(const QString& commandLine);

// What "--help" (the switches and the files of both modes) or "--version" asks to print, for
// the program's arguments (its own path first); empty when neither is one of them, and the
// program starts.
QString informationText(const QStringList& arguments);

} // namespace clavora
