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
    // Either way to the window's first stop, the start-level box, which hands the focus
    // straight back while a game runs: Tab costs the player nothing.
    return QWidget::focusNextPrevChild(true);
}

} // namespace clavora
