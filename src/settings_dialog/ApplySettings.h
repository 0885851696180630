// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

struct AppSettings;
struct SettingsForm;

// Stores the confirmed dialog in the live settings: the numbers rounded (halves to even)
// and held within their fields' widths, the lists' choices, the key classes with at least
// one of them on, the quick-exercise options and the two colours. Re-colouring the open
// windows is left to the caller.
void applySettings(const SettingsForm& form, AppSettings& settings);

} // namespace clavora
