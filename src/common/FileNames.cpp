// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileNames.h"

#include <QCoreApplication>
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

QString fileForLanguage(const QString& path, const QString& language)
{
    if (language.isEmpty())
        return path;
    const QFileInfo file(path);
    const QString translated = file.path() + u'/' + file.completeBaseName() + u'.' + language + u'.' + file.suffix();
    return QFileInfo::exists(translated) ? translated : path;
}

QString folderProblemForSaving(const QString& folder)
{
    const QFileInfo info(folder);
    const QString shown = QDir::toNativeSeparators(info.absoluteFilePath());
    if (!info.isDir())
        return QCoreApplication::translate("FileNames", "The folder \"%1\" does not exist.  Choose a folder that does.")
            .arg(shown);
    if (!info.isWritable())
        return QCoreApplication::translate("FileNames", "You cannot save files in the folder \"%1\".  Choose another folder.")
            .arg(shown);
    return {};
}

} // namespace clavora
