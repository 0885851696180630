// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QLineEdit>
#include <QSignalBlocker>

namespace clavora {

// Writes a box's text only when it differs: setting it moves the caret and fires the
// box's change signal, which must not come back to the logic as the user's typing.
inline void setTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
        edit->setCursorPosition(int(text.size()));
    }
}

} // namespace clavora
