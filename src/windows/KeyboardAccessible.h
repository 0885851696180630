// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QAccessibleWidget>
#include <QList>

namespace clavora {

class KeyboardWindow;

// The keyboard window paints its keys on one widget; this shows them to assistive technology
// as children of the window, each named by its captions.
class KeyboardAccessible final : public QAccessibleWidget {
public:
    explicit KeyboardAccessible(KeyboardWindow* window);
    ~KeyboardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    KeyboardWindow* keyboard() const;

    mutable QList<QAccessible::Id> children_; // made on first request, one per key position
};

// For QAccessible::installFactory: the keyboard window's interface, null for other objects.
QAccessibleInterface* keyboardAccessibleFactory(const QString& className, QObject* object);

} // namespace clavora
