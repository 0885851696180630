// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Fingers.h"

#include <QString>
#include <optional>

namespace clavora {

struct KeyCapTable;

// The key that types a character, and what is held with it.
struct KeyToPress {
    int index = -1; // character key 0 to 47; -1 for the space bar
    Finger finger = Finger::Thumb;
    enum class Shift { None, Left, Right } shift = Shift::None; // the other hand's Shift key
    bool altGr = false;
    bool operator==(const KeyToPress&) const = default;
};

// The key of `character` on the layout: unshifted first, then with Shift, then with AltGr.
// None for a character the layout types with no key of its own (through a dead key).
std::optional<KeyToPress> keyToPress(const KeyCapTable& layout, QChar character);

// The character the learner types next: the one after the typed text; null at the end.
QChar nextCharacter(const QString& exercise, const QString& typed);

} // namespace clavora
