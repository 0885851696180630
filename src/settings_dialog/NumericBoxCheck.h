// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SettingsForm.h"

namespace clavora {

// The check a numeric box gets when the user leaves it: the text becomes the whole part
// of its number held within the setting's bounds (the lowest is also the fallback). A text
// whose number lies beyond the range of a double gets the lowest, or the highest where the
// setting has a limit of its own below its field's width (the accuracy's 100).
QString checkedNumberText(const QString& text, NumberField box);

// The check of one box of the form, then the From/To range rule: when the range is out of
// order, the other box takes the text of the box just checked.
void checkNumericBox(SettingsForm& form, NumberField box);

} // namespace clavora
