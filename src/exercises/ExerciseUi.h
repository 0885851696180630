// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <optional>

namespace clavora {

// What the exercise logic needs from the person in front of the window.
class ExerciseUi {
public:
    virtual ~ExerciseUi() = default;
    // A box with only an OK button; returns when the user has closed it.
    virtual void showMessage(const QString& title, const QString& text) = 0;
    virtual void focusTypingLine() = 0;
    // Focus on the exercise number with its whole text selected.
    virtual void focusAndSelectNumber() = 0;
    // A Save As dialog that asks before overwriting; nothing when cancelled.
    virtual std::optional<QString> askSaveFileName(const QString& proposed, const QStringList& filters,
                                                   const QString& title) = 0;
    // The last exercise of a quick run is done: the program saves and ends.
    virtual void quickRunFinished() = 0;
};

} // namespace clavora
