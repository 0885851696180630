// SPDX-License-Identifier: GPL-3.0-or-later
#include "XkbKeyboard.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>
#include <xkbcommon/xkbcommon-x11.h>
#include <xkbcommon/xkbcommon.h>
// The XKB protocol header names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace clavora {

void XkbKeyboard::ContextDeleter::operator()(xkb_context* c) const { xkb_context_unref(c); }
void XkbKeyboard::KeymapDeleter::operator()(xkb_keymap* k) const { xkb_keymap_unref(k); }
void XkbKeyboard::StateDeleter::operator()(xkb_state* s) const { xkb_state_unref(s); }

XkbKeyboard::XkbKeyboard() : context_(xkb_context_new(XKB_CONTEXT_NO_FLAGS))
{
    if (const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr)
        connection_ = x11->connection();
    if (connection_ && context_ &&
        xkb_x11_setup_xkb_extension(connection_, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &xkbEventType_,
                                    nullptr)) {
        deviceId_ = xkb_x11_get_core_keyboard_device_id(connection_);
        loadFromServer();
    }
    if (!state_)
        loadDefault();
}

XkbKeyboard::~XkbKeyboard() = default;

void XkbKeyboard::loadFromServer()
{
    if (deviceId_ < 0)
        return;
    std::unique_ptr<xkb_keymap, KeymapDeleter> keymap(
        xkb_x11_keymap_new_from_device(context_.get(), connection_, deviceId_, XKB_KEYMAP_COMPILE_NO_FLAGS));
    if (!keymap)
        return;
    std::unique_ptr<xkb_state, StateDeleter> state(
        xkb_x11_state_new_from_device(keymap.get(), connection_, deviceId_));
    if (!state)
        return;
    keymap_ = std::move(keymap);
    state_ = std::move(state);
}

void XkbKeyboard::loadDefault()
{
    if (!context_)
        return;
    const xkb_rule_names defaults{};
    keymap_.reset(xkb_keymap_new_from_names(context_.get(), &defaults, XKB_KEYMAP_COMPILE_NO_FLAGS));
    state_.reset(keymap_ ? xkb_state_new(keymap_.get()) : nullptr);
}

quint32 XkbKeyboard::unshiftedSymbol(quint32 keyCode) const
{
    if (!state_)
        return 0;
    const xkb_layout_index_t layout = xkb_state_key_get_layout(state_.get(), keyCode);
    if (layout == XKB_LAYOUT_INVALID)
        return 0;
    const xkb_keysym_t* symbols = nullptr;
    const int count = xkb_keymap_key_get_syms_by_level(keymap_.get(), keyCode, layout, 0, &symbols);
    return count > 0 ? symbols[0] : 0;
}

bool XkbKeyboard::capsLockOn() const
{
    return state_ && xkb_state_led_name_is_active(state_.get(), XKB_LED_NAME_CAPS) > 0;
}

bool XkbKeyboard::followXcbEvent(const void* message)
{
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if (!connection_ || xkbEventType_ == 0 || (event->response_type & 0x7F) != xkbEventType_)
        return false;
    // Every XKB event starts with the same header after the event type.
    const auto* any = static_cast<const xcb_xkb_state_notify_event_t*>(message);
    if (any->deviceID != deviceId_)
        return false;
    switch (any->xkbType) {
    case XCB_XKB_STATE_NOTIFY:
        if (state_)
            xkb_state_update_mask(state_.get(), any->baseMods, any->latchedMods, any->lockedMods,
                                  xkb_layout_index_t(any->baseGroup), xkb_layout_index_t(any->latchedGroup),
                                  xkb_layout_index_t(any->lockedGroup));
        break;
    case XCB_XKB_NEW_KEYBOARD_NOTIFY:
    case XCB_XKB_MAP_NOTIFY:
        loadFromServer(); // the user switched layouts or plugged in another keyboard
        break;
    default:
        return false;
    }
    return true;
}

} // namespace clavora
