// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <QChar>
#include <cstdint>
#include <vector>

namespace clavora {

// One letter of the play area with its shell. Positions are in twips from the play area's
// top left corner.
struct LetterSlot {
    QChar character;                 // NUL marks a free slot
    std::int16_t shellLeft = 0;
    std::int16_t shellTop = 0;
    double spawnTime = 0.0;
    Rgb fill = 0;
    Rgb rim = PureGreen;
    std::uint64_t stacking = 0; // a slot with a higher value lies in front

    bool isFree() const { return character.isNull(); }
};

// The letter slots, numbered from 1. A slot is reused once free; the table only grows
// during a game and is emptied when the next one starts.
class SlotTable {
public:
    // The highest slot number.
    int size() const { return int(slots_.size()) - 1; }
    LetterSlot& operator[](int i) { return slots_[size_t(i)]; }
    const LetterSlot& operator[](int i) const { return slots_[size_t(i)]; }

    // The lowest free slot at or above `from`, growing the table when there is none.
    int lowestFree(int from = 1);
    // Puts the slot in front of every other.
    void raise(int i);
    void clear();

    template <typename F>
    void forEach(F&& f)
    {
        for (size_t i = 1; i < slots_.size(); ++i)
            f(slots_[i]);
    }

private:
    std::vector<LetterSlot> slots_ = std::vector<LetterSlot>(1); // entry 0 is never used
    std::uint64_t lastRaise_ = 0;
};

} // namespace clavora
