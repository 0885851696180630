// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "LayoutFile.h"
#include "common/Captions.h"
#include "common/Colour.h"

#include <QString>
#include <array>
#include <optional>

namespace clavora {

constexpr int KeyboardClientWidthTwips = 9090;
constexpr int KeyboardClientHeightTwips = 3135;

struct TwipsBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const TwipsBox&) const = default;
};

// A bar along a key's foot, filled as far as the Coach finds the key ready.
struct KeyMeter {
    double level = 0; // 0 to 1
    Rgb colour = 0;
    bool operator==(const KeyMeter&) const = default;
};

struct KeyShape {
    TwipsBox box;
    bool visible = true;
    Rgb fill = 0;
    Rgb border = 0;
    bool outlined = false; // the key to press next, drawn with a wide border
    std::optional<KeyMeter> meter = std::nullopt;
    bool operator==(const KeyShape&) const = default;
};

// A caption's text is stored in caption form: "&&" shows as one "&".
struct KeyCaption {
    TwipsBox box;
    QString text;
    bool visible = true;
    Rgb colour = 0;
    bool operator==(const KeyCaption&) const = default;
};

enum class NamedShape {
    TabKey, CapsLockKey, LeftShiftKey, RightShiftKey, BackspaceKey, EnterKey, EnterKeyExt,
    LeftCtrlKey, LeftWinKey, LeftAltKey, Spacebar, RightAltKey, RightWinKey, MenuKey, RightCtrlKey,
    Count
};

enum class NamedLabel {
    TabLabel, CapsLockLabel1, CapsLockLabel2, LeftShiftLabel, RightShiftLabel, BackspaceLabel, EnterLabel,
    LeftCtrlLabel, LeftWinLabel, LeftAltLabel, RightAltLabel, RightWinLabel, MenuLabel, RightCtrlLabel,
    Count
};

// What the keyboard window shows; shapes are drawn first, captions over them.
struct KeyboardForm {
    Rgb windowColour = DefaultWindowColour;
    Rgb textColour = DefaultTextColour;
    std::array<KeyShape, CharacterKeyCount> keys;
    std::array<KeyCaption, 2 * CharacterKeyCount> labels; // i: key i's lower caption, i + 48: its upper
    std::array<KeyCaption, CharacterKeyCount> altGrLabel; // key i's AltGr caption, bottom right
    std::array<KeyShape, std::size_t(NamedShape::Count)> namedShapes;
    std::array<KeyCaption, std::size_t(NamedLabel::Count)> namedLabels;

    KeyShape& shape(NamedShape s) { return namedShapes[std::size_t(s)]; }
    const KeyShape& shape(NamedShape s) const { return namedShapes[std::size_t(s)]; }
    KeyCaption& label(NamedLabel l) { return namedLabels[std::size_t(l)]; }
    const KeyCaption& label(NamedLabel l) const { return namedLabels[std::size_t(l)]; }

    bool operator==(const KeyboardForm&) const = default;
};

// The keyboard as designed, before any layout file is loaded: the 47-key arrangement,
// every key in its zone colour.
KeyboardForm designKeyboardForm();

// Captions and arrangement from a layout file's table; colours stay as they are. A dead key's
// accent and a combining mark stand on a dotted circle.
void applyLayout(KeyboardForm& form, const KeyCapTable& table);

} // namespace clavora
