// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>

namespace clavora {

// What the keyboard logic needs from the person in front of the window.
class KeyboardUi {
public:
    virtual ~KeyboardUi() = default;
    // A message that does not wait for the user: the keyboard goes on following the keys.
    virtual void showNotice(const QString& text) = 0;
};

} // namespace clavora
