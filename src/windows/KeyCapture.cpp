// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyCapture.h"

#include <QKeyEvent>

namespace clavora {

KeyCapture::KeyCapture(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::ClickFocus); // not in the Tab order
    setAccessibleName(tr("Key capture"));
}

void KeyCapture::keyPressEvent(QKeyEvent* event)
{
    // Shift+Tab types a Tab, as Ctrl+Tab does; left to the window it would move the focus.
    if (event->key() == Qt::Key_Backtab) {
        emit typed(u'\t');
        return;
    }
    // Delete types nothing in a text box, so it is no key of the game.
    const QString text = event->text() == QStringLiteral("\x7f") ? QString() : event->text();
    // Alt with a key is a command, such as Alt+S while Start is disabled, never a typed character.
    if (text.isEmpty() || event->modifiers().testFlag(Qt::AltModifier)) {
        QWidget::keyPressEvent(event);
        return;
    }
    for (const QChar c : text)
        emit typed(c);
}

bool KeyCapture::focusNextPrevChild(bool)
{
    return false; // Tab is a typed character here, not a way out of the game
}

} // namespace clavora
