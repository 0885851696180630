// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QCoreApplication>
#include <QString>

namespace clavora {

// The product's window captions as the sources write them, in English. The windows show
// them through caption(), in the person's language; the autostart entry keeps the English.
inline constexpr char ProductName[] = "Orvella Clavora";
inline constexpr char ExercisesCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Exercises");
inline constexpr char QuickExercisesCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Quick Exercises");
inline constexpr char GameCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Game");
inline constexpr char KeyboardCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Keyboard Layout");
inline constexpr char SettingsCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Settings");
inline constexpr char ProgressCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Progress");
inline constexpr char HelpCaption[] = QT_TRANSLATE_NOOP("Captions", "Orvella Clavora - Help");

inline QString caption(const char* english)
{
    return QCoreApplication::translate("Captions", english);
}

} // namespace clavora
