// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
namespace clavora {

// The fingers in the order they stand on the keyboard, left to right; the thumbs share the
// space bar.
enum class Finger { LeftPinky, LeftRing, LeftMiddle, LeftIndex, RightIndex, RightMiddle, RightRing, RightPinky, Thumb };

bool onLeftHand(Finger finger);
// "left ring finger", in the person's language.
QString fingerName(Finger finger);

// The finger that presses character key `index` (0 to 47): the one whose zone colours it.
Finger fingerOfKey(int index);

enum class KeyRow { Number, Top, Home, Bottom };

// The row character key `index` stands in; key 25 moves to the home row in the 48-key
// arrangement.
KeyRow rowOfKey(int index, bool extraKey);

} // namespace clavora
