// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachResult.h"

#include "MistakeList.h"

namespace clavora {

CoachResult CoachResult::of(const QString& status, const QString& exercise, const QString& typed)
{
    const MistakeList mistakes = MistakeList::compare(exercise, typed);
    // A missed mark's line alone where there is one: the figures would crowd the mistakes out.
    CoachResult result{status, status.section(QStringLiteral("\r\n"), -1)};
    if (mistakes.mistakes().empty())
        return result;
    result.logText += QStringLiteral("\r\n") + tr("Mistakes: %1").arg(mistakes.text(int(mistakes.mistakes().size())));
    result.stripText += QStringLiteral("  ") + tr("Mistakes: %1").arg(mistakes.text(StripMistakes));
    return result;
}

} // namespace clavora
