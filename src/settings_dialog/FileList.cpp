#include "FileList.h"

#include <QDir>

namespace clavora {

QStringList baseNamesIn(const QString& folder, const QString& extension)
{
    // The program opens `name + extension` exactly, so a file whose extension differs in
    // case could not be opened and is not offered.
    QStringList names = QDir(folder).entryList({u'*' + extension}, QDir::Files | QDir::CaseSensitive,
                                               QDir::Name | QDir::IgnoreCase);
    for (QString& name : names)
        name.chop(extension.size());
    return names;
}

} // namespace clavora
