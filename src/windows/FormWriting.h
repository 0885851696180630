// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace clavora {

// Writes a box's text only when it differs: setting it moves the caret and fires the
// box's change signal, which must not come back to the logic as the user's typing. The
// caret goes to the end of a box being typed in, else to the start, so that a text too
// long for its box shows how it begins.
inline void setTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
        edit->setCursorPosition(edit->hasFocus() ? int(text.size()) : 0);
    }
}

// A box the user leaves for another control scrolls back to its start; switching to
// another window or opening the box's menu leaves it as it was.
inline void showStartOnLeaving(QLineEdit* edit, const QEvent* event)
{
    const auto reason = static_cast<const QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        edit->setCursorPosition(0);
}

} // namespace clavora
