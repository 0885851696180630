// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace clavora {

Translations::Translations(const QStringList& uiLanguages)
{
    for (const QString& name : uiLanguages) {
        const QLocale locale(name);
        if (locale.language() == QLocale::English || name == u"C" || name == u"POSIX")
            return;
        if (locale.language() == QLocale::C)
            continue; // a name Qt does not know
        const QString code = locale.name().section(u'_', 0, 0);
        if (program_.load(QStringLiteral(":/translations/clavora_") + code)) {
            language_ = code;
            // Without Qt's own (a missing package) only the standard dialogs stay English.
            (void)qt_.load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}

void Translations::install()
{
    if (language_.isEmpty())
        return;
    QCoreApplication::installTranslator(&qt_);
    QCoreApplication::installTranslator(&program_);
}

} // namespace clavora
