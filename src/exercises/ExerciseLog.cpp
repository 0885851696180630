#include "ExerciseLog.h"

#include <QSaveFile>

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
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace clavora
