#pragma once
#include <QString>

namespace clavora {

// The product's window captions, shared by the windows and the autostart entry.
inline const QString ProductName = QStringLiteral("Orvella Clavora");
inline const QString ExercisesCaption = QStringLiteral("Orvella Clavora - Exercises");
inline const QString QuickExercisesCaption = QStringLiteral("Orvella Clavora - Quick Exercises");
inline const QString GameCaption = QStringLiteral("Orvella Clavora - Game");
inline const QString KeyboardCaption = QStringLiteral("Orvella Clavora - Keyboard Layout");
inline const QString SettingsCaption = QStringLiteral("Orvella Clavora - Settings");
inline const QString ProgressCaption = QStringLiteral("Orvella Clavora - Progress");

} // namespace clavora
