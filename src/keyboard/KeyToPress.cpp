// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyToPress.h"

#include "LayoutFile.h"

namespace clavora {

std::optional<KeyToPress> keyToPress(const KeyCapTable& layout, QChar character)
{
    if (character == u' ')
        return KeyToPress{};
    const auto find = [&](const std::array<QString, CharacterKeyCount>& captions) {
        const int present = layout.extraKey ? CharacterKeyCount : CharacterKeyCount - 1;
        for (int i = 0; i < present; ++i)
            if (!character.isNull() && characterOfCaption(captions[i]) == character)
                return i;
        return -1;
    };
    if (const int i = find(layout.lowerCaptions); i >= 0)
        return KeyToPress{i, fingerOfKey(i)};
    if (const int i = find(layout.upperCaptions); i >= 0) {
        const Finger finger = fingerOfKey(i);
        return KeyToPress{i, finger, onLeftHand(finger) ? KeyToPress::Shift::Right : KeyToPress::Shift::Left};
    }
    if (const int i = find(layout.altGrCaption); i >= 0)
        return KeyToPress{i, fingerOfKey(i), KeyToPress::Shift::None, true};
    return std::nullopt;
}

QChar nextCharacter(const QString& exercise, const QString& typed)
{
    return typed.size() < exercise.size() ? exercise[typed.size()] : QChar();
}

} // namespace clavora
