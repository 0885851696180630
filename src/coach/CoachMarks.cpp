// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachMarks.h"

namespace clavora {

PassMarks coachMarks(int speedTarget)
{
    return {CoachAccuracy, speedTarget};
}

bool meetsMarks(const PassMarks& marks, double accuracy, double speed)
{
    return accuracy >= marks.minAccuracy && speed >= marks.minSpeed;
}

} // namespace clavora
