// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "KeyboardForm.h"
#include "history/HistoryFigures.h"

#include <QChar>
#include <vector>

namespace clavora {

// How often a character was expected, and how often another key was struck for it.
struct CharacterStrokes {
    QChar character;
    int strokes = 0;
    int errors = 0;
};

// The keyboard of a layout with each key coloured by its error rate: all the characters it
// types count together, and those typed through a dead key or with Shift and AltGr on the key
// of their letter. Keys with too few strokes, and keys that type no character, are grey.
struct HeatMap {
    static constexpr Rgb TooFewStrokesColour = 0x808080;

    KeyboardForm keyboard;
    double scaleTop = 0; // the rate shown fully red; every higher rate is red too
    // The characters with strokes enough that no key shows, nor the letter they are made
    // from: a layout chosen after they were typed may lack them.
    QString withoutKey;

    HeatMap(const KeyCapTable& table, const std::vector<CharacterStrokes>& strokes, int minimumStrokes);
    // The learner's keys over `period`, grey below the strokes the figures need for a rate.
    static HeatMap fromHistory(const KeyCapTable& table, const HistoryFigures& figures, HistoryPeriod period);
    // The same from key figures read already.
    static HeatMap fromKeyFigures(const KeyCapTable& table, const std::vector<KeyFigures>& keys);

    // Green at no errors, through yellow, to red at `top`.
    static Rgb colour(double rate, double top);
};

} // namespace clavora
