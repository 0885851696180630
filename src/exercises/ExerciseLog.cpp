// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseLog.h"

#include "common/FileAccess.h"

namespace clavora {

void ExerciseLog::append(const QString& status)
{
    if (!text_.isEmpty())
        text_ += QStringLiteral("\r\n");
    QString line = status;
    text_ += line.replace(QStringLiteral("\r\n"), QStringLiteral("  "));
}

bool saveTextFile(const QString& path, const QString& text)
{
    return saveFileSafely(path, text.toUtf8()).ok;
}

} // namespace clavora
