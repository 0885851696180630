// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramPaths.h"

#include "FileNames.h"

#include <QDir>
#include <QFileInfo>

namespace clavora {

namespace {
// An XDG base folder: the variable when it holds an absolute path, else the default below HOME.
QString baseFolder(const QProcessEnvironment& environment, const QString& variable, const QString& underHome)
{
    const QString value = environment.value(variable);
    if (QDir::isAbsolutePath(value))
        return QDir::cleanPath(value);
    return QDir::cleanPath(environment.value(QStringLiteral("HOME"), QDir::homePath()) + u'/' + underHome);
}
} // namespace

ProgramPaths::ProgramPaths(QString folder, QString executable)
    : executable_(std::move(executable)), configFolder_(folder), userFolder_(folder), sharedFolder_(std::move(folder))
{
}

ProgramPaths::ProgramPaths(QString executable, QString configFolder, QString userFolder, QString sharedFolder)
    : installed_(true), executable_(std::move(executable)), configFolder_(std::move(configFolder)),
      userFolder_(std::move(userFolder)), sharedFolder_(std::move(sharedFolder))
{
}

ProgramPaths ProgramPaths::forProgram(const QString& executable, bool folderWritable,
                                      const QProcessEnvironment& environment)
{
    const QFileInfo program(executable);
    const QString folder = program.absolutePath();
    const QString prefixData = QDir::cleanPath(folder + QStringLiteral("/../share/clavora"));
    const bool inPrefix = QDir(folder).dirName() == QStringLiteral("bin") && QFileInfo(prefixData).isDir();
    if (!inPrefix && folderWritable)
        return ProgramPaths(folder, program.absoluteFilePath());
    const QString clavora = QStringLiteral("/clavora");
    return ProgramPaths(program.absoluteFilePath(),
                        baseFolder(environment, QStringLiteral("XDG_CONFIG_HOME"), QStringLiteral(".config")) + clavora,
                        baseFolder(environment, QStringLiteral("XDG_DATA_HOME"), QStringLiteral(".local/share")) + clavora,
                        inPrefix ? prefixData : folder);
}

QStringList ProgramPaths::folders(const QString& name) const
{
    if (userFolder_ == sharedFolder_)
        return {sharedFolder_ + name};
    return {userFolder_ + name, sharedFolder_ + name};
}

QString ProgramPaths::firstExisting(const QStringList& folders, const QString& fileName)
{
    for (const QString& folder : folders) {
        const QString path = fileIgnoringCase(folder, fileName);
        if (QFileInfo::exists(path))
            return path;
    }
    return folders.last() + u'/' + fileName;
}

} // namespace clavora
