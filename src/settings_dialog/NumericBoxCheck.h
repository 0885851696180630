// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "SettingsForm.h"

namespace clavora {

// The check a numeric box gets when the user leaves it: the text becomes the whole part
// of its number, at least the box's lower bound (its fallback), at most what the setting's
// field can hold; the accuracy box also at most 100. A text whose number lies beyond the
// range of a double gets the fallback ("100" for the accuracy).
QString checkedNumberText(const QString& text, NumericBox box);

// The check of one box of the form, then the From/To range rule: when the range is out of
// order, the other box takes the text of the box just checked.
void checkNumericBox(SettingsForm& form, NumericBox box);

} // namespace clavora
