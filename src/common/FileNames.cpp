#include "FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace clavora {

QString fileIgnoringCase(const QString& folder, const QString& fileName)
{
    const QString exact = folder + u'/' + fileName;
    if (fileName.isEmpty() || QFileInfo::exists(exact))
        return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QString& entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder + u'/' + entry;
    return exact;
}

} // namespace clavora
