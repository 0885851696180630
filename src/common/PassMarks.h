// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace clavora {

// The accuracy in percent and the speed in words per minute an attempt must reach to pass.
struct PassMarks {
    int minAccuracy = 0;
    int minSpeed = 0;
};

} // namespace clavora
