// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Translations.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace clavora;

TEST(Translations, TheFirstWantedLanguageThatIsEnglishOrShippedWins)
{
    const std::pair<QStringList, QString> cases[] = {
        {{"C"}, ""},
        {{"POSIX"}, ""},
        {{}, ""},
        {{"de-DE", "de-Latn-DE", "de"}, "de"},
        {{"fr-CA", "fr-Latn-CA", "fr"}, "fr"}, // a region of ours falls back to its language
        {{"en-US", "en"}, ""},
        {{"en", "de"}, ""},                   // English wanted before German
        {{"es-ES", "es", "fr"}, "fr"},        // no Spanish: the next wanted language
        {{"es-ES", "es"}, ""},
        {{"xx-YY", "de"}, "de"},              // a name Qt does not know is passed over
        {{"C", "de"}, ""},
    };
    for (const auto& [wanted, language] : cases)
        EXPECT_EQ(Translations(wanted).language(), language) << wanted.join(u',').toStdString();
}

TEST(Translations, QtsOwnDialogsSpeakTheLanguageToo)
{
    int argc = 1;
    char name[] = "unit_tests";
    char* argv[] = {name};
    QCoreApplication application(argc, argv);
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    {
        Translations german({"de-DE"});
        german.install();
        EXPECT_EQ(cancel(), "Abbrechen");
    }
    EXPECT_EQ(cancel(), "Cancel"); // gone with the object
    Translations english({"en-GB"});
    english.install();
    EXPECT_EQ(cancel(), "Cancel");
    Translations spanish({"es-ES"}); // we ship no Spanish, so Qt's dialogs stay English as well
    spanish.install();
    EXPECT_EQ(cancel(), "Cancel");
}
