// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "keyboard/KeyboardForm.h"

class QPainter;

namespace clavora {

// Draws a keyboard form at the painter's origin: the window colour, the keys, then their
// captions in the painter's font.
void paintKeyboard(QPainter& painter, const KeyboardForm& form);
// One key's shape, or one caption, as paintKeyboard draws it; hidden ones draw nothing.
void paintKeyShape(QPainter& painter, const KeyShape& shape);
void paintKeyCaption(QPainter& painter, const KeyCaption& caption);

} // namespace clavora
