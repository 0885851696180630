// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "Colour.h"

namespace clavora {

// The contrast ratio of two colours as the Web Content Accessibility Guidelines define it,
// from 1 (the same) to 21 (black on white).
double contrastRatio(Rgb first, Rgb second);

// The colour of wrong characters on the typing line: a red where one reads against the
// window colour (4.5:1, the guidelines' mark for text), else a warning colour that does, and
// never one that looks like the text colour. Where none reads well, the one that reads best.
Rgb markingColour(Rgb windowColour, Rgb textColour);

} // namespace clavora
