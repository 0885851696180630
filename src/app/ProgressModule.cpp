// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressModule.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibrary>

namespace clavora {

ProgressWindowMaker loadProgressModule(QString& error)
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QString file = QString::fromLatin1(ProgressModuleFile);
    // The installed folder, relative to the installed program like its data.
    for (const QString& path : {programFolder + u'/' + file,
                                programFolder + QStringLiteral("/" CLAVORA_INSTALLED_MODULES "/") + file}) {
        QLibrary module(path);
        // Every symbol bound now: a module from another build fails here, not mid-use.
        module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
        if (!module.load()) {
            // The reason of the last folder that holds a module, else of the first.
            if (error.isEmpty() || QFile::exists(path))
                error = module.errorString();
            continue;
        }
        // The module stays loaded for the rest of the run.
        if (const auto maker = reinterpret_cast<ProgressWindowMaker>(module.resolve("clavoraNewProgressWindow")))
            return maker;
        error = module.errorString();
    }
    return nullptr;
}

} // namespace clavora
