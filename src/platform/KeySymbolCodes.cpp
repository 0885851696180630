// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeySymbolCodes.h"

#include "keyboard/KeyCodes.h"

#include <QString>
#include <xkbcommon/xkbcommon.h>

namespace clavora {

std::uint16_t keyCodeOfSymbol(quint32 symbol)
{
    switch (symbol) {
    case XKB_KEY_BackSpace: return virtualKey::Backspace;
    case XKB_KEY_Tab:
    case XKB_KEY_ISO_Left_Tab: return virtualKey::Tab;
    case XKB_KEY_Return:
    case XKB_KEY_KP_Enter: return virtualKey::Enter;
    case XKB_KEY_Caps_Lock: return virtualKey::CapsLock;
    case XKB_KEY_space: return virtualKey::Space;
    case XKB_KEY_Super_L: return virtualKey::LeftWin;
    case XKB_KEY_Super_R: return virtualKey::RightWin;
    case XKB_KEY_Menu: return virtualKey::Menu;
    case XKB_KEY_Shift_L: return virtualKey::LeftShift;
    case XKB_KEY_Shift_R: return virtualKey::RightShift;
    case XKB_KEY_Control_L: return virtualKey::LeftCtrl;
    case XKB_KEY_Control_R: return virtualKey::RightCtrl;
    case XKB_KEY_Alt_L:
    case XKB_KEY_Meta_L: return virtualKey::LeftAlt;
    case XKB_KEY_Alt_R:
    case XKB_KEY_Meta_R:
    case XKB_KEY_ISO_Level3_Shift: return virtualKey::RightAlt;
    default: break;
    }
    // The keypad has codes of its own: its digits and marks are not the main keys'.
    if (symbol >= XKB_KEY_KP_Space && symbol <= XKB_KEY_KP_9)
        return 0;
    const char32_t character = xkb_keysym_to_utf32(symbol);
    if (character == 0)
        return 0;
    return characterKeyCode(QString::fromUcs4(&character, 1));
}

} // namespace clavora
