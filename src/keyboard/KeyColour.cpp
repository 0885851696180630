// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyColour.h"

namespace clavora {

Rgb keyColour(std::int16_t index)
{
    switch (index) {
    case 0: case 1: case 13: case 26: case 37: case 47:
        return zone::DarkBlue;
    case 2: case 14: case 27: case 38:
        return zone::DarkYellow;
    case 3: case 15: case 28: case 39:
        return zone::DarkRed;
    case 4: case 5: case 16: case 17: case 29: case 30: case 40: case 41:
        return zone::DarkGreen;
    case 6: case 7: case 18: case 19: case 31: case 32: case 42: case 43:
        return zone::Green;
    case 8: case 20: case 33: case 44:
        return zone::Red;
    case 9: case 21: case 34: case 45:
        return zone::Yellow;
    default:
        return zone::Blue;
    }
}

} // namespace clavora
