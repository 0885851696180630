// SPDX-License-Identifier: GPL-3.0-or-later
#include "ButtonKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcutEvent>

namespace clavora {

ButtonKeys::ButtonKeys(QWidget& window) : QObject(&window)
{
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        button->installEventFilter(this);
}

bool ButtonKeys::eventFilter(QObject* watched, QEvent* event)
{
    // A button being destroyed is no longer one while its QWidget part still gets events.
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
        if (button->focusPolicy() & Qt::TabFocus)
            button->setFocus(Qt::ShortcutFocusReason);
        button->click(); // does nothing when leaving a control has disabled the button
        return true;
    }
    if (event->type() == QEvent::KeyPress && qobject_cast<QPushButton*>(button)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat() &&
            (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
            button->click();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace clavora
