// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

struct KeyCapTable;

// The letters the adaptive course teaches, in the order it unlocks them.
struct CourseKeys {
    QString letters;
    int homeCount = 0; // the first letters: the home row's, unlocked from the start
};

// The home row's letters first; then the top, bottom and number rows, each from the index
// fingers out to the little fingers, the left hand before the right. Keys whose unshifted
// character is no letter are not taught: the course's lines are made of words.
CourseKeys courseKeys(const KeyCapTable& layout);

} // namespace clavora
