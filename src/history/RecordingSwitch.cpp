// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordingSwitch.h"
#include "settings/AppSettings.h"

namespace clavora {

bool RecordingSwitch::recording() const
{
    return settings_.recordProgress && history_.recording();
}

} // namespace clavora
