// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAbstractButton>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>

namespace clavora {

// Every window writes its logic's form into its controls after every event. These write a
// property only where the control differs, with the control's signals blocked, so that a
// written value never comes back to the logic as the user's input.

// Setting a box's text also moves its caret: to the end of a box being typed in, else to
// the start, so that a text too long for its box shows how it begins.
inline void setTextIfDifferent(QLineEdit* edit, const QString& text)
{
    if (edit->text() != text) {
        const QSignalBlocker block(edit);
        edit->setText(text);
        edit->setCursorPosition(edit->hasFocus() ? int(text.size()) : 0);
    }
}

inline void setTextIfDifferent(QAbstractButton* button, const QString& text)
{
    if (button->text() != text)
        button->setText(text);
}

inline void setCheckedIfDifferent(QAbstractButton* button, bool checked)
{
    if (button->isChecked() != checked) {
        const QSignalBlocker block(button);
        button->setChecked(checked);
    }
}

inline void setListIfDifferent(QComboBox* list, const QStringList& entries, int index)
{
    const QSignalBlocker block(list);
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->itemText(i));
    if (shown != entries) {
        list->clear();
        list->addItems(entries);
    }
    if (list->currentIndex() != index)
        list->setCurrentIndex(index);
}

// A slot that runs one event of a window's logic and then writes the form into the window:
// connect(button, &QPushButton::clicked, this, forwardTo(this, control_, &Control::startClicked)).
// Signal arguments beyond the event's own are dropped, as for any slot.
template <typename Window, typename Control, typename... Arguments>
auto forwardTo(Window* window, Control& control, void (Control::*event)(Arguments...))
{
    return [window, &control, event](Arguments... arguments) {
        (control.*event)(arguments...);
        window->apply();
    };
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
