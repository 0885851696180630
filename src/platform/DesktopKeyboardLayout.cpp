// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopKeyboardLayout.h"

#include <QGuiApplication>
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

// The rules names: rules, model, layouts, variants and options, each ended by a NUL.
QStringList rulesNames(xcb_connection_t* connection)
{
    static const char name[] = "_XKB_RULES_NAMES";
    const auto atom = owned(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, sizeof name - 1, name), nullptr));
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!atom || atom->atom == XCB_ATOM_NONE || !screen)
        return {};
    const auto property = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_STRING, 0, 1024), nullptr));
    if (!property || property->format != 8)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(property.get()));
    const QByteArray bytes(text, xcb_get_property_value_length(property.get()));
    return QString::fromLatin1(bytes).split(QChar(0));
}

} // namespace

DesktopLayoutName readDesktopLayout()
{
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
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

} // namespace clavora
