// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QtGlobal>
#include <memory>

struct xkb_context;
struct xkb_keymap;
struct xkb_state;
struct xcb_connection_t;

namespace clavora {

// The keyboard map and state as X keeps them, read through xkbcommon on Qt's own X
// connection. Without X (the offscreen platform) it is the default keymap, never locked.
class XkbKeyboard {
public:
    XkbKeyboard();
    ~XkbKeyboard();
    XkbKeyboard(const XkbKeyboard&) = delete;
    XkbKeyboard& operator=(const XkbKeyboard&) = delete;

    // The symbol a key (X key code) types without Shift in the current group; 0 for none.
    quint32 unshiftedSymbol(quint32 keyCode) const;
    bool capsLockOn() const;

    // Follows the server's XKB notifications among the X events Qt receives; true when the
    // event was one of them, so that the state may have changed.
    bool followXcbEvent(const void* event);

private:
    struct ContextDeleter { void operator()(xkb_context* c) const; };
    struct KeymapDeleter { void operator()(xkb_keymap* k) const; };
    struct StateDeleter { void operator()(xkb_state* s) const; };

    void loadFromServer();
    void loadDefault();

    xcb_connection_t* connection_ = nullptr;
    qint32 deviceId_ = -1;
    quint8 xkbEventType_ = 0;
    std::unique_ptr<xkb_context, ContextDeleter> context_;
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap_;
    std::unique_ptr<xkb_state, StateDeleter> state_;
};

} // namespace clavora
