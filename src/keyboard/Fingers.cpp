// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fingers.h"

#include "KeyColour.h"

#include <QCoreApplication>

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

bool onLeftHand(Finger finger)
{
    return finger <= Finger::LeftIndex;
}

QString fingerName(Finger finger)
{
    static constexpr const char* Names[] = {
        QT_TRANSLATE_NOOP("Fingers", "left little finger"), QT_TRANSLATE_NOOP("Fingers", "left ring finger"),
        QT_TRANSLATE_NOOP("Fingers", "left middle finger"), QT_TRANSLATE_NOOP("Fingers", "left index finger"),
        QT_TRANSLATE_NOOP("Fingers", "right index finger"), QT_TRANSLATE_NOOP("Fingers", "right middle finger"),
        QT_TRANSLATE_NOOP("Fingers", "right ring finger"), QT_TRANSLATE_NOOP("Fingers", "right little finger"),
        QT_TRANSLATE_NOOP("Fingers", "thumb"),
    };
    return QCoreApplication::translate("Fingers", Names[int(finger)]);
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
