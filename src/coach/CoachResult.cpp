// SPDX-License-Identifier: GPL-3.0-or-later
#include "CoachResult.h"

#include "MistakeList.h"

namespace clavora {

CoachResult CoachResult::of(const QString& status, const QString& exercise, const QString& typed)
{
    const MistakeList mistakes = MistakeList::compare(exercise, typed);
    // The figures and the missed mark side by side, then the mistakes on a line of their own.
    CoachResult result{status, QString(status).replace(QStringLiteral("\r\n"), QStringLiteral("  "))};
    if (mistakes.mistakes().empty())
        return result;
    const QString listed = tr("Mistakes: %1").arg(mistakes.text(int(mistakes.mistakes().size())));
    result.logText += QStringLiteral("\r\n") + listed;
    result.stripText += u'\n' + listed;
    return result;
}

} // namespace clavora
