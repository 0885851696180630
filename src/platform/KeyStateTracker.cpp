// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyStateTracker.h"

#include "KeySymbolCodes.h"
#include "keyboard/KeyCodes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMetaMethod>
#include <algorithm>

namespace clavora {

KeyStateTracker::KeyStateTracker() = default;

KeyStateTracker::~KeyStateTracker()
{
    if (keyboard_ && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

void KeyStateTracker::connectNotify(const QMetaMethod& signal)
{
    if (signal == QMetaMethod::fromSignal(&KeyState::changed))
        start();
}

void KeyStateTracker::start()
{
    if (keyboard_)
        return;
    keyboard_ = std::make_unique<XkbKeyboard>();
    capsLock_ = keyboard_->capsLockOn();
    qGuiApp->installEventFilter(this);
    qGuiApp->installNativeEventFilter(this);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            releaseAll();
    });
}

bool KeyStateTracker::isDown(std::uint16_t keyCode) const
{
    return keyCode != 0 &&
           std::any_of(held_.begin(), held_.end(), [keyCode](const HeldKey& k) { return k.keyCode == keyCode; });
}

bool KeyStateTracker::isToggled(std::uint16_t keyCode) const
{
    return keyCode == virtualKey::CapsLock && capsLock_;
}

bool KeyStateTracker::eventFilter(QObject* watched, QEvent* event)
{
    // A key that triggers a shortcut arrives only as ShortcutOverride, never as KeyPress.
    // The same event passes here once per object it propagates to; holding is idempotent.
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->isAutoRepeat() || key->nativeScanCode() == 0)
            break;
        if (event->type() == QEvent::KeyRelease)
            release(key->nativeScanCode());
        else
            press(key->nativeScanCode());
        break;
    }
    case QEvent::WindowBlocked:
        // A modal box of ours has taken the keyboard: the blocked window's releases never
        // arrive, as when the program loses the focus.
        releaseAll();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

bool KeyStateTracker::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    // Caps Lock's light comes with the server's state notification; nothing is polled.
    if (eventType == "xcb_generic_event_t") {
        if (keyboard_->followXcbEvent(message) && keyboard_->capsLockOn() != capsLock_) {
            capsLock_ = !capsLock_;
            emit changed();
        }
    }
    return false;
}

void KeyStateTracker::press(quint32 scanCode)
{
    const bool known = std::any_of(held_.begin(), held_.end(),
                                   [scanCode](const HeldKey& k) { return k.scanCode == scanCode; });
    if (known)
        return;
    held_.push_back({scanCode, keyCodeOfSymbol(keyboard_->unshiftedSymbol(scanCode))});
    emit changed();
}

void KeyStateTracker::release(quint32 scanCode)
{
    if (std::erase_if(held_, [scanCode](const HeldKey& k) { return k.scanCode == scanCode; }) > 0)
        emit changed();
}

void KeyStateTracker::releaseAll()
{
    if (held_.empty())
        return;
    held_.clear();
    emit changed();
}

} // namespace clavora
