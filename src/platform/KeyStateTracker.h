// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "XkbKeyboard.h"
#include "keyboard/KeyState.h"

#include <QAbstractNativeEventFilter>
#include <memory>
#include <vector>

namespace clavora {

// Which keys are held down in the program's own windows, from their key presses and
// releases, keyed by physical key; Caps Lock's toggle as the X server has it. Every key
// counts as released when the program loses the focus, or a modal box of its own takes the
// keyboard, since the releases then go elsewhere.
//
// It sleeps until the first listener connects to `changed`: only then does it read the
// keymap from the server and watch the program's key events.
class KeyStateTracker final : public KeyState, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    KeyStateTracker();
    ~KeyStateTracker() override;

    bool isDown(std::uint16_t keyCode) const override;
    bool isToggled(std::uint16_t keyCode) const override;

protected:
    void connectNotify(const QMetaMethod& signal) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    struct HeldKey {
        quint32 scanCode;
        std::uint16_t keyCode; // decided at the press: the release may come under another layout
    };
    void start();
    void press(quint32 scanCode);
    void release(quint32 scanCode);
    void releaseAll();

    std::unique_ptr<XkbKeyboard> keyboard_;
    std::vector<HeldKey> held_;
    bool capsLock_ = false;
};

} // namespace clavora
