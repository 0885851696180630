// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileList.h"

#include <QDir>

#include <algorithm>

namespace clavora {

QStringList baseNamesIn(const QStringList& folders, const QString& extension)
{
    // The program opens `name + extension` exactly, so a file whose extension differs in
    // case could not be opened and is not offered.
    QStringList names;
    for (const QString& folder : folders)
        names += QDir(folder).entryList({u'*' + extension}, QDir::Files | QDir::CaseSensitive);
    for (QString& name : names)
        name.chop(extension.size());
    // A user's file and a shipped one of the same name are one entry: the user's is opened.
    names.removeDuplicates();
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

} // namespace clavora
