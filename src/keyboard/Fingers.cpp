// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fingers.h"

#include "KeyColour.h"

namespace clavora {

Finger fingerOfKey(int index)
{
    switch (keyColour(std::int16_t(index))) {
    case zone::DarkBlue: return Finger::LeftPinky;
    case zone::DarkYellow: return Finger::LeftRing;
    case zone::DarkRed: return Finger::LeftMiddle;
    case zone::DarkGreen: return Finger::LeftIndex;
    case zone::Green: return Finger::RightIndex;
    case zone::Red: return Finger::RightMiddle;
    case zone::Yellow: return Finger::RightRing;
    default: return Finger::RightPinky;
    }
}

KeyRow rowOfKey(int index, bool extraKey)
{
    if (index < 13)
        return KeyRow::Number;
    if (index < 25 || (index == 25 && !extraKey))
        return KeyRow::Top;
    if (index < 37)
        return KeyRow::Home;
    return KeyRow::Bottom;
}

} // namespace clavora
