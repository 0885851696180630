// SPDX-License-Identifier: GPL-3.0-or-later
#include "CourseKeys.h"

#include "keyboard/Fingers.h"
#include "keyboard/LayoutFile.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <vector>

namespace clavora {

namespace {
int rowRank(KeyRow row)
{
    switch (row) {
    case KeyRow::Home: return 0;
    case KeyRow::Top: return 1;
    case KeyRow::Bottom: return 2;
    case KeyRow::Number: break;
    }
    return 3;
}

// The index fingers are the surest, the little fingers the least.
int fingerRank(Finger finger)
{
    constexpr std::array order{Finger::LeftIndex, Finger::RightIndex, Finger::LeftMiddle, Finger::RightMiddle,
                               Finger::LeftRing, Finger::RightRing, Finger::LeftPinky, Finger::RightPinky};
    return int(std::find(order.begin(), order.end(), finger) - order.begin());
}
} // namespace

CourseKeys courseKeys(const KeyCapTable& layout)
{
    struct Key {
        int row, finger, index;
        QChar letter;
    };
    std::vector<Key> keys;
    const int present = layout.extraKey ? CharacterKeyCount : CharacterKeyCount - 1;
    for (int index = 0; index < present; ++index) {
        const QChar c = characterOfCaption(layout.lowerCaptions[index]);
        if (isWordLetter(c))
            keys.push_back({rowRank(rowOfKey(index, layout.extraKey)), fingerRank(fingerOfKey(index)), index, c.toLower()});
    }
    std::sort(keys.begin(), keys.end(), [](const Key& a, const Key& b) {
        return std::tie(a.row, a.finger, a.index) < std::tie(b.row, b.finger, b.index);
    });
    CourseKeys course;
    for (const Key& key : keys) {
        if (course.letters.contains(key.letter))
            continue; // a letter on two keys is taught once
        course.letters += key.letter;
        if (key.row == 0)
            ++course.homeCount;
    }
    return course;
}

} // namespace clavora
