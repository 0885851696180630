// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachResult.h"

#include "MistakeList.h"

namespace clavora {

CoachResult CoachResult::of(const QString& status, const QString& exercise, const QString& typed)
{
    const MistakeList mistakes = MistakeList::compare(exercise, typed);
    CoachResult result{status, QString(status).replace(QStringLiteral("\r\n"), QStringLiteral("  ")), {}};
    if (mistakes.mistakes().empty())
        return result;
    result.mistakesText = tr("Mistakes: %1").arg(mistakes.text(int(mistakes.mistakes().size())));
    result.logText += QStringLiteral("\r\n") + result.mistakesText;
    return result;
}

} // namespace clavora
