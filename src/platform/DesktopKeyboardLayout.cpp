// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopKeyboardLayout.h"

#include <QGuiApplication>
#include <QMetaMethod>
#include <QtGui/qguiapplication_platform.h>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xkbcommon/xkbcommon-x11.h>
// The XKB protocol header names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace clavora {

namespace {

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> owned(Reply* reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

xcb_connection_t* qtConnection()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

// The root window's property that holds the rules names; none before XKB set it.
xcb_atom_t rulesNamesAtom(xcb_connection_t* connection)
{
    static const char name[] = "_XKB_RULES_NAMES";
    const auto atom = owned(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The rules names: rules, model, layouts, variants and options, each ended by a NUL.
QStringList rulesNames(xcb_connection_t* connection)
{
    const xcb_atom_t atom = rulesNamesAtom(connection);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (atom == XCB_ATOM_NONE || !screen)
        return {};
    const auto property = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, atom, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!property || property->format != 8)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(property.get()));
    const QByteArray bytes(text, xcb_get_property_value_length(property.get()));
    return QString::fromLatin1(bytes).split(QChar(0));
}

} // namespace

DesktopLayoutName readDesktopLayout()
{
    xcb_connection_t* connection = qtConnection();
    if (!connection ||
        !xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr))
        return {};
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (device < 0)
        return {};
    const auto state = owned(xcb_xkb_get_state_reply(connection, xcb_xkb_get_state(connection, device), nullptr));
    const QStringList names = rulesNames(connection);
    if (names.size() < 4)
        return {};
    return desktopLayoutFromRules(names[2], names[3], state ? state->group : 0);
}

XkbDesktopKeyboard::~XkbDesktopKeyboard()
{
    if (watching_ && qGuiApp)
        qGuiApp->removeNativeEventFilter(this);
}

DesktopLayoutName XkbDesktopKeyboard::layout() const
{
    if (!layout_)
        layout_ = readDesktopLayout();
    return *layout_;
}

void XkbDesktopKeyboard::connectNotify(const QMetaMethod& signal)
{
    if (watching_ || signal != QMetaMethod::fromSignal(&DesktopKeyboard::changed))
        return;
    xcb_connection_t* connection = qtConnection();
    if (!connection ||
        !xkb_x11_setup_xkb_extension(connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
                                     XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, &xkbEventType_,
                                     nullptr))
        return;
    rulesAtom_ = rulesNamesAtom(connection);
    layout_ = readDesktopLayout(); // what a change is measured against, fresh: unwatched, it may be old
    watching_ = true;
    qGuiApp->installNativeEventFilter(this);
}

bool XkbDesktopKeyboard::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const quint8 type = event->response_type & 0x7F;
    // Qt watches the root window's properties; setxkbmap writes the names after the new keymap.
    if (type == XCB_PROPERTY_NOTIFY) {
        const auto* property = static_cast<const xcb_property_notify_event_t*>(message);
        if (rulesAtom_ != XCB_ATOM_NONE && property->atom == rulesAtom_)
            readAgain();
    } else if (type == xkbEventType_) {
        const auto* state = static_cast<const xcb_xkb_state_notify_event_t*>(message);
        if (state->xkbType == XCB_XKB_STATE_NOTIFY && (state->changed & XCB_XKB_STATE_PART_GROUP_STATE))
            readAgain();
    }
    return false;
}

void XkbDesktopKeyboard::readAgain()
{
    const DesktopLayoutName now = readDesktopLayout();
    if (layout_ && now == *layout_)
        return;
    layout_ = now;
    emit changed();
}

} // namespace clavora
