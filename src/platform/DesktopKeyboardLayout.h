// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/DesktopKeyboard.h"

#include <QAbstractNativeEventFilter>
#include <optional>

namespace clavora {

// The desktop's keyboard layout as the X server has it: the XKB rules names on the root
// window and the keyboard's active group, on Qt's own X connection. Without X (the offscreen
// platform) or without XKB the name is empty.
DesktopLayoutName readDesktopLayout();

// The desktop's layout, read when first asked. Once something listens for changes, it follows
// the server's notices among the X events Qt receives anyway: new rules names on the root
// window (setxkbmap) and a switch of the active group. Nothing is polled.
class XkbDesktopKeyboard final : public DesktopKeyboard, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    XkbDesktopKeyboard() = default;
    ~XkbDesktopKeyboard() override;

    DesktopLayoutName layout() const override;

protected:
    void connectNotify(const QMetaMethod& signal) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void readAgain();

    mutable std::optional<DesktopLayoutName> layout_;
    bool watching_ = false;
    quint32 rulesAtom_ = 0;
    quint8 xkbEventType_ = 0;
};

} // namespace clavora
