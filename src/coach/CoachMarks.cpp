// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachMarks.h"

#include <algorithm>

namespace clavora {

PassMarks coachMarks(int speedTarget, int classAccuracyMark)
{
    return {std::max(CoachAccuracy, classAccuracyMark), speedTarget};
}

bool meetsMarks(const PassMarks& marks, double accuracy, double speed)
{
    return accuracy >= marks.minAccuracy && speed >= marks.minSpeed;
}

} // namespace clavora
