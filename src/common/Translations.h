// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace clavora {

// The language the program speaks: the first of the person's languages (from LANGUAGE,
// LC_ALL, LC_MESSAGES and LANG, most wanted first) that is English or has a translation of
// ours. English needs none: the sources are written in it. With a translation of ours comes
// Qt's own for its standard dialogs.
class Translations {
public:
    explicit Translations(const QStringList& uiLanguages);

    // Puts both translations to work for every text translated from now on.
    void install();
    // "de" or "fr"; empty for English.
    const QString& language() const { return language_; }

private:
    QTranslator program_;
    QTranslator qt_;
    QString language_;
};

} // namespace clavora
