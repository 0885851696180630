// SPDX-License-Identifier: GPL-3.0-or-later
#include "PresetExercises.h"

#include "common/FileAccess.h"
#include "common/TextFile.h"

#include <QFile>

namespace clavora {

QString readPresetLine(const QString& path, qint64 number)
{
    QString line;
    if (number < 1)
        return line;
    QFile file;
    if (!openRegularFile(file, path))
        return line;
    // 40 characters of UTF-8 take at most 160 bytes.
    LineReader reader(file, 4 * MaxExerciseLength);
    for (qint64 i = 1; i < number; ++i) {
        if (!reader.skip())
            return line;
    }
    reader.nextStart(line);
    return line;
}

QString exerciseTextOf(const QString& line)
{
    QString text = line.left(MaxExerciseLength);
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

} // namespace clavora
