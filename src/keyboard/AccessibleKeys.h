// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "KeyboardForm.h"

#include <QList>
#include <QString>

namespace clavora {

struct AccessibleKey {
    TwipsBox box;
    QString name;
    bool operator==(const AccessibleKey&) const = default;
};

// The keys the keyboard window shows, for assistive technology: the character keys, then the
// others, each named by the captions drawn on it (unshifted first, each once), the space bar
// "SPACE". Hidden keys are left out.
QList<AccessibleKey> accessibleKeys(const KeyboardForm& form);

} // namespace clavora
