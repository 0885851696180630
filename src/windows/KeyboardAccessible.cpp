// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyboardAccessible.h"

#include "Geometry.h"
#include "KeyboardWindow.h"
#include "keyboard/AccessibleKeys.h"

#include <QPointer>

namespace clavora {

namespace {
// One painted key; it reads the window's keys afresh, so a reloaded layout renames it.
class KeyAccessible final : public QAccessibleInterface {
public:
    KeyAccessible(KeyboardWindow* keyboard, int index) : keyboard_(keyboard), index_(index) {}

    bool isValid() const override { return keyboard_ && index_ < accessibleKeys(keyboard_->control().form()).size(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return keyboard_ ? keyboard_->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(keyboard_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? key().name : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const TwipsBox& b = key().box;
        const QRect local = twipsRect(b.left, b.top, b.width, b.height);
        return QRect(keyboard_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.invisible = !keyboard_ || !keyboard_->isVisible();
        return s;
    }

private:
    AccessibleKey key() const { return accessibleKeys(keyboard_->control().form()).at(index_); }

    QPointer<KeyboardWindow> keyboard_;
    int index_;
};
} // namespace

KeyboardAccessible::KeyboardAccessible(KeyboardWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

KeyboardAccessible::~KeyboardAccessible()
{
    for (QAccessible::Id id : children_)
        QAccessible::deleteAccessibleInterface(id);
}

KeyboardWindow* KeyboardAccessible::keyboard() const
{
    return static_cast<KeyboardWindow*>(widget());
}

int KeyboardAccessible::childCount() const
{
    return int(accessibleKeys(keyboard()->control().form()).size());
}

QAccessibleInterface* KeyboardAccessible::child(int index) const
{
    if (index < 0 || index >= childCount())
        return nullptr;
    while (children_.size() <= index)
        children_.append(QAccessible::registerAccessibleInterface(
            new KeyAccessible(keyboard(), int(children_.size()))));
    return QAccessible::accessibleInterface(children_.at(index));
}

int KeyboardAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (qsizetype i = 0; i < children_.size(); ++i)
        if (QAccessible::accessibleInterface(children_.at(i)) == child)
            return int(i);
    return -1;
}

QAccessibleInterface* KeyboardAccessible::childAt(int x, int y) const
{
    const int count = childCount();
    for (int i = 0; i < count; ++i) {
        QAccessibleInterface* key = child(i);
        if (key->rect().contains(x, y))
            return key;
    }
    return nullptr;
}

QAccessibleInterface* keyboardAccessibleFactory(const QString&, QObject* object)
{
    if (auto* keyboard = qobject_cast<KeyboardWindow*>(object))
        return new KeyboardAccessible(keyboard);
    return nullptr;
}

} // namespace clavora
