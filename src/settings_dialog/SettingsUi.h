// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include "common/Colour.h"

#include <optional>

namespace clavora {

// What the settings logic needs from the person in front of the dialog.
class SettingsUi {
public:
    virtual ~SettingsUi() = default;
    // The colour picker, opened at `current`; nothing when the user cancels it.
    virtual std::optional<Rgb> pickColour(Rgb current) = 0;
};

} // namespace clavora
